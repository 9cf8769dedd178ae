#include "features/acl/EgressIPv6ProfileForm.h"

TEgressIPv6ProfileForm* EgressIPv6ProfileForm = nullptr;

namespace {

const ProfileFrameSettings EgressIPv6ProfileSettings = {
    .Module = "Oid_egressacl",
    .TableOid = "1.3.6.1.4.1.171.12.89.2.3.1.1",
    .RowStatusColumn = TEgressIPv6ProfileForm::RowStatusItem,
    .NameDuplicateMessage = "There is already a record with the same Profile Name. Please modify it.",
    .NameColumn = TEgressIPv6ProfileForm::ProfileNameItem,
    .ReadAfterFailedSend = false,
};

} // namespace

TEgressIPv6ProfileForm::TEgressIPv6ProfileForm(QWidget* owner) : TIPv6ProfileFrame(owner, EgressIPv6ProfileSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    UseComponents({
        .List = ListView1,
        .RowCount = Static,
        .Status = StatusBar1,
        .GetButton = GetButton,
        .AddButton = AddButton,
        .DeleteButton = DeleteButton,
        .CloseButton = CloseButton,
        .SetButton = EditButton,
        .ProfileIDEdit = edtMaskID,
        .ProfileNameEdit = edtProfileName,
        .RowStatusComboBox = cbbRowStatus,
        .ReadOnlyControls = {edtEntries},
    });
    UseOptions({
        .MaskClass = cbxMaskClass,
        .MaskState = cbxMaskState,
        .SrcMask = edtSrcMask,
        .DstMask = edtDstMask,
        .ProtocolType = ProtoTypeCombo,
        .TCPOption = TCPOptionCombo,
        .UDPOption = UDPOptionCombo,
        .SrcPortMask = SourcePortEdit,
        .DstPortMask = DstPortEdit,
        .ICMPOption = ICMPOptionCombo,
    });
    DoCreate();
}

void TEgressIPv6ProfileForm::BindColumns()
{
    TAclProfileFrame::BindColumns({
        {0, "%i{n1x4l1}", edtMaskID},
        {1, nullptr, cbbRowStatus},
        {2, "%s{l32}", edtProfileName},
        {3, nullptr, cbxMaskClass},
        {4, nullptr, cbxMaskState},
        {5, "%s{l32f}", edtSrcMask},
        {6, "%s{l32f}", edtDstMask},
        {7, nullptr, ProtoTypeCombo},
        {8, nullptr, ICMPOptionCombo},
        {9, nullptr, TCPOptionCombo},
        {10, nullptr, UDPOptionCombo},
        // Four hexadecimal digits: the octet codec would read any other character as 0.
        {11, "%h{l4f}", SourcePortEdit},
        {12, "%h{l4f}", DstPortEdit},
        {13, "%i", edtEntries},
    });
}

bool TEgressIPv6ProfileForm::ValidateInputs()
{
    if (!RequireText(edtMaskID, "IPv6 Profile ID must be set.") ||
        !RequireText(edtProfileName, "Profile Name must be set."))
        return false;
    // A mask of 32 characters that are no hexadecimal digits would go out with each read as 0.
    for (ui::Edit* mask : {edtSrcMask, edtDstMask})
        if (mask->isEnabled() && !CheckMaskIfGiven(mask))
            return false;
    return true;
}
