#include "features/acl/IPv4ProfileFrame.h"

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

void TIPv4ProfileFrame::UseOptions(IPv4ProfileOptions options)
{
    o_ = options;
    const std::pair<ui::ComboBox*, void (TIPv4ProfileFrame::*)(QObject*)> rules[] = {
        {o_.MaskState, &TIPv4ProfileFrame::cbbIpAddMaskStateChange},
        {o_.ProtocolType, &TIPv4ProfileFrame::cbbUseProTypeChange},
        {o_.TCPOption, &TIPv4ProfileFrame::cbbTCPOptionChange},
        {o_.UDPOption, &TIPv4ProfileFrame::cbbUDPOptionChange},
        {o_.FlagBit, &TIPv4ProfileFrame::cbbTCPFlagBitOptionChange},
        {o_.ProtocolIDOption, &TIPv4ProfileFrame::cbbProOptionChange},
        {o_.Vlan, &TIPv4ProfileFrame::cbbVlanChange},
    };
    for (const auto& [combo, rule] : rules)
        combo->OnChange = ui::Handler(this, rule);
}

void TIPv4ProfileFrame::ResetRules()
{
    SelectionRules();
    UpdatePortOptionControls();
}

void TIPv4ProfileFrame::SelectionRules()
{
    cbbIpAddMaskStateChange(o_.MaskState);
    cbbUseProTypeChange(o_.ProtocolType);
    cbbVlanChange(o_.Vlan);
}

// --- the enabling rules

void TIPv4ProfileFrame::cbbIpAddMaskStateChange(QObject*)
{
    const int state = o_.MaskState->ItemIndex();
    Switch(o_.SrcMask, state == SrcState || state == DstSrcState);
    Switch(o_.DstMask, state == DstState || state == DstSrcState);
}

void TIPv4ProfileFrame::cbbUseProTypeChange(QObject*)
{
    const int protocol = o_.ProtocolType->ItemIndex();
    Switch(o_.ICMP, protocol == IcmpProtocol);
    Switch(o_.IGMP, protocol == IgmpProtocol);
    Switch(o_.TCPOption, protocol == TcpProtocol);
    Switch(o_.FlagBit, protocol == TcpProtocol);
    Switch(o_.UDPOption, protocol == UdpProtocol);
    Switch(o_.ProtocolIDOption, protocol == ProtocolIdProtocol);
    UpdatePortOptionControls();
}

void TIPv4ProfileFrame::PortOptionRule(const ui::ComboBox* option)
{
    const int ports = option->isEnabled() ? option->ItemIndex() : OtherPorts;
    Switch(o_.DstPortMask, ports == DstPorts || ports == DstSrcPorts);
    Switch(o_.SrcPortMask, ports == SrcPorts || ports == DstSrcPorts);
}

void TIPv4ProfileFrame::cbbTCPOptionChange(QObject*) { PortOptionRule(o_.TCPOption); }

void TIPv4ProfileFrame::cbbUDPOptionChange(QObject*) { PortOptionRule(o_.UDPOption); }

void TIPv4ProfileFrame::cbbTCPFlagBitOptionChange(QObject*)
{
    Switch(o_.FlagBitMask, o_.FlagBit->isEnabled() && o_.FlagBit->ItemIndex() == 0);
}

void TIPv4ProfileFrame::cbbProOptionChange(QObject*)
{
    const bool on = o_.ProtocolIDOption->isEnabled() && o_.ProtocolIDOption->ItemIndex() == 0;
    Switch(o_.ProtocolID, on);
    Switch(o_.ProtocolIDMask, on);
}

void TIPv4ProfileFrame::cbbVlanChange(QObject*) { Switch(o_.VLANMask, o_.Vlan->ItemIndex() == 0); }

void TIPv4ProfileFrame::UpdatePortOptionControls()
{
    cbbTCPFlagBitOptionChange(o_.FlagBit);
    cbbProOptionChange(o_.ProtocolIDOption);
    if (o_.UDPOption->isEnabled() && o_.UDPOption->ItemIndex() != OtherPorts) {
        cbbUDPOptionChange(o_.UDPOption);
    } else if (o_.TCPOption->isEnabled() && o_.TCPOption->ItemIndex() != OtherPorts) {
        cbbTCPOptionChange(o_.TCPOption);
    } else {
        DisableControl(o_.SrcPortMask);
        DisableControl(o_.DstPortMask);
    }
}

// --- the checks

bool TIPv4ProfileFrame::CheckMask(ui::Edit* edit)
{
    if (!edit->Text().empty() && CheckDottedIPv4Text(edit))
        return true;
    FocusIfEnabled(edit);
    Say("Please enter a valid Mask address");
    return false;
}

bool TIPv4ProfileFrame::CheckMasks()
{
    const std::string state = o_.MaskState->Text();
    if (state == "src-ip-addr")
        return CheckMask(o_.SrcMask);
    if (state == "dst-ip-addr")
        return CheckMask(o_.DstMask);
    if (state == "dst-src-ip-addr")
        return CheckMask(o_.SrcMask) && CheckMask(o_.DstMask);
    return true;
}
