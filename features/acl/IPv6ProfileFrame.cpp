#include "features/acl/IPv6ProfileFrame.h"

#include "features/acl/TextChecks.h"
#include "features/common/SynchronousScope.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace {

void Switch(QWidget* control, bool on)
{
    if (on)
        TBasicForm::EnableControl(control);
    else
        TBasicForm::DisableControl(control);
}

} // namespace

void TIPv6ProfileFrame::UseOptions(IPv6ProfileOptions options)
{
    o_ = options;
    o_.MaskState->OnChange = ui::Handler(this, &TIPv6ProfileFrame::cbxMaskStateChange);
    o_.ProtocolType->OnChange = ui::Handler(this, &TIPv6ProfileFrame::ProtoTypeComboChange);
    o_.TCPOption->OnChange = ui::Handler(this, &TIPv6ProfileFrame::TCPOptionComboChange);
    o_.UDPOption->OnChange = ui::Handler(this, &TIPv6ProfileFrame::UDPOptionComboChange);
}

void TIPv6ProfileFrame::DefaultIndices()
{
    o_.MaskClass->SetItemIndex(1);
    if (o_.FlowLabel != nullptr)
        o_.FlowLabel->SetItemIndex(1);
    o_.MaskState->SetItemIndex(OtherState);
    Components().RowStatusComboBox->SetItemIndex(CreateAndGoIndex);
    if (o_.Owner != nullptr)
        o_.Owner->SetItemIndex(1);
    for (ui::ComboBox* option : {o_.ProtocolType, o_.TCPOption, o_.UDPOption, o_.ICMPOption})
        option->SetItemIndex(0);
}

void TIPv6ProfileFrame::ClearInputs()
{
    ClearValues(ValueControls);
    UncheckAll(CheckBoxes);
    o_.MaskClass->SetItemIndex(1);
    if (o_.FlowLabel != nullptr)
        o_.FlowLabel->SetItemIndex(1);
    Components().RowStatusComboBox->SetItemIndex(CreateAndGoIndex);
    ShowRowCount();
}

void TIPv6ProfileFrame::ResetRules() { SelectionRules(); }

void TIPv6ProfileFrame::SelectionRules()
{
    UpdateProtocolControls();
    cbxMaskStateChange(o_.MaskState);
}

// --- the enabling rules

void TIPv6ProfileFrame::cbxMaskStateChange(QObject*)
{
    const int state = o_.MaskState->ItemIndex();
    Switch(o_.SrcMask, state == SrcState || state == DstSrcState);
    Switch(o_.DstMask, state == DstState || state == DstSrcState);
}

void TIPv6ProfileFrame::PortOptionRule(const ui::ComboBox* option)
{
    const int ports = option->ItemIndex();
    Switch(o_.SrcPortMask, ports == SrcPorts || ports == DstSrcPorts);
    Switch(o_.DstPortMask, ports == DstPorts || ports == DstSrcPorts);
}

void TIPv6ProfileFrame::UpdateProtocolControls()
{
    const int protocol = o_.ProtocolType->ItemIndex();
    Switch(o_.TCPOption, protocol == TcpProtocol);
    Switch(o_.UDPOption, protocol == UdpProtocol);
    Switch(o_.ICMPOption, protocol == IcmpProtocol);
    if (protocol == TcpProtocol) {
        PortOptionRule(o_.TCPOption);
    } else if (protocol == UdpProtocol) {
        PortOptionRule(o_.UDPOption);
    } else {
        DisableControl(o_.SrcPortMask);
        DisableControl(o_.DstPortMask);
    }
}

// --- Add, Delete and the invisible Edit button

void TIPv6ProfileFrame::BT_AddClick(QObject*)
{
    if (!Request || !ValidateInputs() || IsDuplicateProfile())
        return;
    ui::ComboBox* status = Components().RowStatusComboBox;
    if (status->ItemIndex() != CreateAndGoIndex) {
        Say("Row Status must be createAndGo.");
        FocusIfEnabled(status);
        return;
    }
    SendProfile();
}

void TIPv6ProfileFrame::BT_DeleteClick(QObject*)
{
    if (!Request)
        return;
    try {
        SynchronousScope synchronous(*Request);
        SkippedColumns skipped(Request->Request.VarList);
        skipped.KeepOnly(RowStatusColumn);
        Components().RowStatusComboBox->SetItemIndex(DestroyIndex);
        Write(*Request);
    } catch (const std::exception& e) {
        Request->WriteLogLine(e.what());
    }
    BT_GetClick(Components().GetButton);
}

void TIPv6ProfileFrame::SetBtnClick(QObject*) {}

// --- the checks

bool TIPv6ProfileFrame::CheckMask(ui::Edit* mask)
{
    if (mask->Text().empty()) {
        Say("Some checked field is empty.");
        FocusIfEnabled(mask);
        return false;
    }
    return CheckMaskIfGiven(mask);
}

bool TIPv6ProfileFrame::CheckMaskIfGiven(ui::Edit* mask)
{
    if (mask->Text().empty() || CheckIPv6Text(mask, this))
        return true;
    FocusIfEnabled(mask);
    return false;
}
