#include "features/acl/EgressEthetnetProfileForm.h"

TEgressEthetnetProfileForm* EgressEthetnetProfileForm = nullptr;

namespace {

const ProfileFrameSettings EgressEthernetProfileSettings = {
    .Module = "Oid_egressacl",
    .TableOid = "1.3.6.1.4.1.171.12.89.2.1.1.1",
    .RowStatusColumn = TEgressEthetnetProfileForm::RowStatusItem,
    .DuplicateMessage = "There is already a record with the same Profile ID. Please modified it.",
    .NameDuplicateMessage = "There is already a record with the same Name. Please modified it.",
    .NameColumn = TEgressEthetnetProfileForm::ProfileNameItem,
    .ReadAfterFailedSend = false,
};

} // namespace

TEgressEthetnetProfileForm::TEgressEthetnetProfileForm(QWidget* owner)
    : TEthernetProfileFrame(owner, EgressEthernetProfileSettings)
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
        .AddButton = AddBtn,
        .DeleteButton = BT_Delete,
        .CloseButton = CloseButton,
        .SetButton = SetBtn,
        .ProfileIDEdit = edtProfileID,
        .ProfileNameEdit = edtProfileName,
        .RowStatusComboBox = cbbRowStatus,
        .ReadOnlyControls = {edtRuleEntries},
    });
    UseOptions({
        .Vlan = cbbOptionVLAN,
        .VLANMask = edtVLANMask,
        .MaskState = cbbMacMaskState,
        .SrcMacMask = edtSrcMacMask,
        .DstMacMask = edtDstMacMask,
        .Dot1p = cbbOption8021p,
        .EthernetType = cbbOptionEthType,
        .RuleEntries = edtRuleEntries,
        .VLANMaskColumn = VLANMaskItem,
        .SrcMacMaskColumn = SrcMacMaskItem,
        .DstMacMaskColumn = DstMacMaskItem,
    });
    DoCreate();
}

void TEgressEthetnetProfileForm::BindColumns()
{
    // The write names its columns itself: ValueControls stays empty. The table has no Owner.
    TAclProfileFrame::BindColumns(
        {
            {0, "%i{n1x4l1}", edtProfileID},
            {1, nullptr, cbbRowStatus},
            {2, "%s", edtProfileName},
            {3, nullptr, cbbOptionVLAN},
            {4, "%h{l4}", edtVLANMask},
            {5, nullptr, cbbOption8021p},
            {6, nullptr, cbbOptionEthType},
            {7, nullptr, cbbMacMaskState},
            {8, "%s{Z}", edtSrcMacMask, &TBasicForm::CheckPlainMACText},
            {9, "%s{Z}", edtDstMacMask, &TBasicForm::CheckPlainMACText},
            {10, "%i", edtRuleEntries},
        },
        false);
}

bool TEgressEthetnetProfileForm::ValidateInputs()
{
    if (!RequireText(edtProfileID, "Profile ID must be set") ||
        !RequireText(edtProfileName, "Profile Name must be set") || RefuseWhileBusy())
        return false;
    if (cbbOptionVLAN->Text() == "enabled" && edtVLANMask->Text().empty()) {
        FocusIfEnabled(edtVLANMask);
        Say("Please enter VLAN Mask.");
        return false;
    }
    return CheckMacMasks();
}
