#include "features/acl/IPv6ProfileForm.h"

TIPv6ProfileForm* IPv6ProfileForm = nullptr;

namespace {

const ProfileFrameSettings IPv6ProfileSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.2.4.1.1",
    .RowStatusColumn = TIPv6ProfileForm::RowStatusItem,
    .ReadAfterFailedSend = false,
};

} // namespace

TIPv6ProfileForm::TIPv6ProfileForm(QWidget* owner) : TIPv6ProfileFrame(owner, IPv6ProfileSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    lblPlofileID->SetCaption("Profile ID (1-512)");
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
        .ReadOnlyControls = {cbbOwner, edtEntries},
        .OptionalEdits = {{ProfileNameItem, edtProfileName}},
    });
    UseOptions({
        .MaskClass = cbxMaskClass,
        .FlowLabel = cbxMaskFlowlabel,
        .MaskState = cbxMaskState,
        .SrcMask = edtSrcMask,
        .DstMask = edtDstMask,
        .ProtocolType = ProtoTypeCombo,
        .TCPOption = TCPOptionCombo,
        .UDPOption = UDPOptionCombo,
        .SrcPortMask = SourcePortEdit,
        .DstPortMask = DstPortEdit,
        .ICMPOption = ICMPOptionCombo,
        .Owner = cbbOwner,
    });
    DoCreate();
}

void TIPv6ProfileForm::BindColumns()
{
    TAclProfileFrame::BindColumns({
        {0, "%i{n1x512l3}", edtMaskID},
        {1, nullptr, cbxMaskClass},
        {2, nullptr, cbxMaskFlowlabel},
        {3, nullptr, cbxMaskState},
        {4, "%s{l32f}", edtSrcMask},
        {5, "%s{l32f}", edtDstMask},
        {6, nullptr, cbbRowStatus},
        {7, nullptr, cbbOwner},
        {8, "%i", edtEntries},
        {9, "%s{l32}", edtProfileName},
        {10, nullptr, ProtoTypeCombo},
        {11, nullptr, TCPOptionCombo},
        {12, nullptr, UDPOptionCombo},
        // Four hexadecimal digits: the octet codec would read any other character as 0.
        {13, "%h{l4f}", SourcePortEdit},
        {14, "%h{l4f}", DstPortEdit},
        {15, nullptr, ICMPOptionCombo},
    });
}

bool TIPv6ProfileForm::ValidateInputs()
{
    if (!RequireText(edtMaskID, "IPv6 Mask ID must be set."))
        return false;
    const int state = cbxMaskState->ItemIndex();
    if ((state == SrcState || state == DstSrcState) && !CheckMask(edtSrcMask))
        return false;
    return !(state == DstState || state == DstSrcState) || CheckMask(edtDstMask);
}
