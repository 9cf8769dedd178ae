#include "features/acl/EgressIPv4ProfileForm.h"

TEgressIPv4ProfileForm* EgressIPv4ProfileForm = nullptr;

namespace {

const ProfileFrameSettings EgressIPv4ProfileSettings = {
    .Module = "Oid_egressacl",
    .TableOid = "1.3.6.1.4.1.171.12.89.2.2.1.1",
    .RowStatusColumn = TEgressIPv4ProfileForm::RowStatusItem,
    .DuplicateMessage = "There is already a record with the same Profile ID. Please modified it.",
    .NameDuplicateMessage = "There is already a record with the same Profile Name. Please modified it.",
    .NameColumn = TEgressIPv4ProfileForm::ProfileNameItem,
};

} // namespace

TEgressIPv4ProfileForm::TEgressIPv4ProfileForm(QWidget* owner) : TIPv4ProfileFrame(owner, EgressIPv4ProfileSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
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
        .ReadOnlyControls = {edtEntries},
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

void TEgressIPv4ProfileForm::BindColumns()
{
    TAclProfileFrame::BindColumns({
        {0, "%i{n1x4l1}", edtProfileID},
        {1, nullptr, cbbRowStatus},
        {2, "%s", edtProfileName},
        {3, nullptr, cbbVlan},
        {4, "%h{l4}", edtVLANMask},
        {5, nullptr, cbbIpAddMaskState},
        {6, "%s{I}", edtIpAddMaskSrc},
        {7, "%s{I}", edtIpAddMaskDst},
        {8, nullptr, cbbUseDSCP},
        {9, nullptr, cbbUseProType},
        {10, nullptr, cbbICMP},
        {11, nullptr, cbbIGMP},
        {12, nullptr, cbbTCPOption},
        {13, nullptr, cbbUDPOption},
        {14, "%h{l4}", edtTCPUDPSrcMask},
        {15, "%h{l4}", edtTCPUDPDstPortMask},
        {16, nullptr, cbbTCPFlagBitOption},
        {17, "%i{n0x63l2}", edtTCPFlagBitMask},
        {18, nullptr, cbbProOption},
        {19, "%i{n0x255l3}", edtProtoID},
        {20, "%h{l8}", edtProIDMask},
        {21, "%i", edtEntries},
    });
}

void TEgressIPv4ProfileForm::DefaultIndices()
{
    const std::pair<ui::ComboBox*, int> defaults[] = {
        {cbbVlan, 0},     {cbbIpAddMaskState, OtherState}, {cbbUseDSCP, 1},            {cbbUseProType, NoneProtocol},
        {cbbICMP, 0},     {cbbIGMP, 1},                    {cbbTCPOption, OtherPorts}, {cbbUDPOption, OtherPorts},
        {cbbTCPFlagBitOption, 1}, {cbbProOption, 1},       {cbbRowStatus, CreateAndGoIndex},
    };
    for (const auto& [combo, index] : defaults)
        combo->SetItemIndex(index);
    EnableControl(edtVLANMask);
}

void TEgressIPv4ProfileForm::ClearInputs()
{
    for (ui::Edit* edit : {edtProfileID, edtProfileName, edtVLANMask, edtIpAddMaskSrc, edtIpAddMaskDst,
                           edtTCPUDPSrcMask, edtTCPUDPDstPortMask, edtTCPFlagBitMask, edtProIDMask, edtProtoID,
                           edtEntries})
        edit->SetText("");
    cbbVlan->SetItemIndex(0);
    cbbIpAddMaskState->SetItemIndex(OtherState);
    cbbUseDSCP->SetItemIndex(1);
    cbbUseProType->SetItemIndex(NoneProtocol);
    ShowRowCount();
}

bool TEgressIPv4ProfileForm::ValidateInputs()
{
    if (!RequireText(edtProfileID, "Profile ID must be set.") ||
        !RequireText(edtProfileName, "Profile Name must be set."))
        return false;
    if (cbbVlan->Text() == "enabled" && edtVLANMask->Text().empty()) {
        FocusIfEnabled(edtVLANMask);
        Say("Please enter VLAN Mask.");
        return false;
    }
    return CheckMasks();
}
