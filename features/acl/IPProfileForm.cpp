#include "features/acl/IPProfileForm.h"

#include "ui/Control.h"

TIPProfileForm* IPProfileForm = nullptr;

namespace {

const ProfileFrameSettings IPv4ProfileSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.2.2.1.1",
    .RowStatusColumn = TIPProfileForm::RowStatusItem,
    .DuplicateMessage = "There is already a record with the same IP Mask ID. Please modify it.",
};

} // namespace

TIPProfileForm::TIPProfileForm(QWidget* owner) : TIPv4ProfileFrame(owner, IPv4ProfileSettings)
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
    UseOptions({
        .Vlan = cbbVlan,
        .VLANMask = edtVLANMask,
        .MaskState = cbbIpAddMaskState,
        .SrcMask = edtIpAddMaskSrc,
        .DstMask = edtIpAddMaskDst,
        .ProtocolType = cbbUseProType,
        .ICMP = cbbICMP,
        .IGMP = cbbIGMP,
        .TCPOption = cbbTCPOption,
        .UDPOption = cbbUDPOption,
        .SrcPortMask = edtTCPUDPSrcMask,
        .DstPortMask = edtTCPUDPDstPortMask,
        .FlagBit = cbbTCPFlagBitOption,
        .FlagBitMask = edtTCPFlagBitMask,
        .ProtocolIDOption = cbbProOption,
        .ProtocolID = edtProtoID,
        .ProtocolIDMask = edtProIDMask,
    });
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

bool TIPProfileForm::ValidateInputs()
{
    return RequireText(edtProfileID, "Profile ID must be set.") && CheckMasks();
}
