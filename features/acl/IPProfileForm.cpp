#include "features/acl/IPProfileForm.h"

#include "ui/Control.h"

TIPProfileForm* IPProfileForm = nullptr;

namespace {

const ProfileFrameSettings IPv4ProfileSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.2.2.1.1",
    .RowStatusColumn = TIPProfileForm::RowStatusItem,
    .DuplicateMessage = "There is already a record with the same IP Mask ID. Please modify it.",
};

void Switch(QWidget* control, bool on)
{
    if (on)
        TBasicForm::EnableControl(control);
    else
        TBasicForm::DisableControl(control);
}

} // namespace

TIPProfileForm::TIPProfileForm(QWidget* owner) : TAclProfileFrame(owner, IPv4ProfileSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    lblPlofileID->SetCaption("Profile ID (1-512)");
    // The source MAC mask belongs to another table: Owner takes its place.
    edtSrcMacAddrMask->hide();
    lbl21->hide();
    ui::SetTop(cbbOwner, edtSrcMacAddrMask->y());
    ui::SetTop(lbl20, lbl21->y());
    ui::SetHeight(OtherGroupBox, 60);
    UseComponents({
        .List = ListView1,
        .RowCount = txtEntries,
        .Status = StatusBar1,
        .GetButton = BT_Get,
        .AddButton = BT_Add,
        .DeleteButton = BT_Delete,
        .CloseButton = CloseButton,
        .SetButton = SetBtn,
        .ProfileIDEdit = edtProfileID,
        .ProfileNameEdit = edtProfileName,
        .RowStatusComboBox = cbbRowStatus,
        .ReadOnlyControls = {edtEntries, cbbOwner, edtSrcMacAddrMask},
        .OptionalEdits = {{VLANMaskItem, edtVLANMask}, {UserDefineMaskItem, edtProIDMask}, {ProfileNameItem, edtProfileName}},
    });
    const std::pair<ui::ComboBox*, void (TIPProfileForm::*)(QObject*)> rules[] = {
        {cbbIpAddMaskState, &TIPProfileForm::cbbIpAddMaskStateChange},
        {cbbUseProType, &TIPProfileForm::cbbUseProTypeChange},
        {cbbTCPOption, &TIPProfileForm::cbbTCPOptionChange},
        {cbbUDPOption, &TIPProfileForm::cbbUDPOptionChange},
        {cbbTCPFlagBitOption, &TIPProfileForm::cbbTCPFlagBitOptionChange},
        {cbbProOption, &TIPProfileForm::cbbProOptionChange},
        {cbbVlan, &TIPProfileForm::cbbVlanChange},
    };
    for (const auto& [combo, rule] : rules)
        combo->OnChange = ui::Handler(this, rule);
    DoCreate();
}

void TIPProfileForm::BindColumns()
{
    TAclProfileFrame::BindColumns({
        {0, "%i{n1x512l3}", edtProfileID},
        {1, nullptr, cbbVlan},
        {2, nullptr, cbbIpAddMaskState},
        {3, "%s{I}", edtIpAddMaskSrc},
        {4, "%s{I}", edtIpAddMaskDst},
        {5, nullptr, cbbUseDSCP},
        {6, nullptr, cbbUseProType},
        {7, nullptr, cbbICMP},
        {8, nullptr, cbbIGMP},
        {9, nullptr, cbbTCPOption},
        {10, nullptr, cbbUDPOption},
        {11, "%h{l4}", edtTCPUDPSrcMask},
        {12, "%h{l4}", edtTCPUDPDstPortMask},
        {13, nullptr, cbbTCPFlagBitOption},
        {14, "%i{n0x63l2}", edtTCPFlagBitMask},
        {15, nullptr, cbbProOption},
        {16, "%i{n0x255l3}", edtProtoID},
        {17, "%h{l8}", edtProIDMask},
        {18, nullptr, cbbRowStatus},
        {19, nullptr, cbbOwner},
        {20, "%i", edtEntries},
        {21, "%s", edtProfileName},
        {22, "%h{l4}", edtVLANMask},
    });
}

void TIPProfileForm::DefaultIndices()
{
    const std::pair<ui::ComboBox*, int> defaults[] = {
        {cbbVlan, 1},     {cbbIpAddMaskState, OtherState}, {cbbUseDSCP, 1},          {cbbUseProType, NoneProtocol},
        {cbbICMP, 0},     {cbbIGMP, 1},                    {cbbTCPOption, OtherPorts}, {cbbUDPOption, OtherPorts},
        {cbbTCPFlagBitOption, 1}, {cbbProOption, 1},       {cbbRowStatus, CreateAndGoIndex}, {cbbOwner, 1},
    };
    for (const auto& [combo, index] : defaults)
        combo->SetItemIndex(index);
}

void TIPProfileForm::ClearInputs()
{
    for (ui::Edit* edit : {edtProfileID, edtProfileName, edtVLANMask, edtIpAddMaskSrc, edtIpAddMaskDst,
                           edtTCPUDPSrcMask, edtTCPUDPDstPortMask, edtTCPFlagBitMask, edtProIDMask, edtProtoID,
                           edtSrcMacAddrMask, edtEntries})
        edit->SetText("");
    cbbVlan->SetItemIndex(1);
    cbbOwner->SetItemIndex(1);
    cbbIpAddMaskState->SetItemIndex(OtherState);
    cbbUseDSCP->SetItemIndex(1);
    cbbUseProType->SetItemIndex(NoneProtocol);
    ShowRowCount();
}

void TIPProfileForm::ResetRules()
{
    SelectionRules();
    UpdatePortOptionControls();
}

void TIPProfileForm::SelectionRules()
{
    cbbIpAddMaskStateChange(cbbIpAddMaskState);
    cbbUseProTypeChange(cbbUseProType);
    cbbVlanChange(cbbVlan);
}

// --- the enabling rules

void TIPProfileForm::cbbIpAddMaskStateChange(QObject*)
{
    const int state = cbbIpAddMaskState->ItemIndex();
    Switch(edtIpAddMaskSrc, state == SrcState || state == DstSrcState);
    Switch(edtIpAddMaskDst, state == DstState || state == DstSrcState);
}

void TIPProfileForm::cbbUseProTypeChange(QObject*)
{
    const int protocol = cbbUseProType->ItemIndex();
    Switch(cbbICMP, protocol == IcmpProtocol);
    Switch(cbbIGMP, protocol == IgmpProtocol);
    Switch(cbbTCPOption, protocol == TcpProtocol);
    Switch(cbbTCPFlagBitOption, protocol == TcpProtocol);
    Switch(cbbUDPOption, protocol == UdpProtocol);
    Switch(cbbProOption, protocol == ProtocolIdProtocol);
    UpdatePortOptionControls();
}

void TIPProfileForm::PortOptionRule(const ui::ComboBox* option)
{
    const int ports = option->isEnabled() ? option->ItemIndex() : OtherPorts;
    Switch(edtTCPUDPDstPortMask, ports == DstPorts || ports == DstSrcPorts);
    Switch(edtTCPUDPSrcMask, ports == SrcPorts || ports == DstSrcPorts);
}

void TIPProfileForm::cbbTCPOptionChange(QObject*) { PortOptionRule(cbbTCPOption); }

void TIPProfileForm::cbbUDPOptionChange(QObject*) { PortOptionRule(cbbUDPOption); }

void TIPProfileForm::cbbTCPFlagBitOptionChange(QObject*)
{
    Switch(edtTCPFlagBitMask, cbbTCPFlagBitOption->isEnabled() && cbbTCPFlagBitOption->ItemIndex() == 0);
}

void TIPProfileForm::cbbProOptionChange(QObject*)
{
    const bool on = cbbProOption->isEnabled() && cbbProOption->ItemIndex() == 0;
    Switch(edtProtoID, on);
    Switch(edtProIDMask, on);
}

void TIPProfileForm::cbbVlanChange(QObject*) { Switch(edtVLANMask, cbbVlan->ItemIndex() == 0); }

void TIPProfileForm::UpdatePortOptionControls()
{
    cbbTCPFlagBitOptionChange(cbbTCPFlagBitOption);
    cbbProOptionChange(cbbProOption);
    if (cbbUDPOption->isEnabled() && cbbUDPOption->ItemIndex() != OtherPorts) {
        cbbUDPOptionChange(cbbUDPOption);
    } else if (cbbTCPOption->isEnabled() && cbbTCPOption->ItemIndex() != OtherPorts) {
        cbbTCPOptionChange(cbbTCPOption);
    } else {
        DisableControl(edtTCPUDPSrcMask);
        DisableControl(edtTCPUDPDstPortMask);
    }
}

// --- the checks

bool TIPProfileForm::CheckMask(ui::Edit* edit)
{
    if (!edit->Text().empty() && CheckDottedIPv4Text(edit))
        return true;
    FocusIfEnabled(edit);
    Say("Please enter a valid Mask address");
    return false;
}

bool TIPProfileForm::ValidateInputs()
{
    if (!RequireText(edtProfileID, "Profile ID must be set."))
        return false;
    const std::string state = cbbIpAddMaskState->Text();
    if (state == "src-ip-addr")
        return CheckMask(edtIpAddMaskSrc);
    if (state == "dst-ip-addr")
        return CheckMask(edtIpAddMaskDst);
    if (state == "dst-src-ip-addr")
        return CheckMask(edtIpAddMaskSrc) && CheckMask(edtIpAddMaskDst);
    return true;
}
