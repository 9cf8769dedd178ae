#include "features/acl/EthernetProfileForm.h"

TEthernetProfileForm* EthernetProfileForm = nullptr;

namespace {

const ProfileFrameSettings EthernetProfileSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.2.1.1.1",
    .RowStatusColumn = TEthernetProfileForm::RowStatusItem,
    .ReadAfterFailedSend = false,
};

} // namespace

TEthernetProfileForm::TEthernetProfileForm(QWidget* owner) : TEthernetProfileFrame(owner, EthernetProfileSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    lblPlofileID->SetCaption("Profile ID (1-512)");
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
        .ReadOnlyControls = {edtRuleEntries, cbbOwner},
        .OptionalEdits = {{ProfileNameItem, edtProfileName}},
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

void TEthernetProfileForm::BindColumns()
{
    // The write names its columns itself: ValueControls stays empty.
    TAclProfileFrame::BindColumns(
        {
            {0, "%i{n1x512l3}", edtProfileID},
            {1, nullptr, cbbOptionVLAN},
            {2, nullptr, cbbMacMaskState},
            {3, "%s{Z}", edtSrcMacMask, &TBasicForm::CheckPlainMACText},
            {4, "%s{Z}", edtDstMacMask, &TBasicForm::CheckPlainMACText},
            {5, nullptr, cbbOption8021p},
            {6, nullptr, cbbOptionEthType},
            {7, nullptr, cbbRowStatus},
            {8, nullptr, cbbOwner},
            {9, "%i", edtRuleEntries},
            {10, "%s", edtProfileName},
            {11, "%h{l4}", edtVLANMask},
        },
        false);
}

bool TEthernetProfileForm::ValidateInputs()
{
    return RequireText(edtProfileID, "Profile ID must be set") && !RefuseWhileBusy() && CheckMacMasks();
}
