#include "features/system/IpStaticRouteEditForm.h"

#include "features/system/IpStaticRouteForm.h"

#include "features/acl/TextChecks.h"

#include "snmp/ControlValidators.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/MessageBox.h"

#include <charconv>

TIpStaticRouteEditForm* IpStaticRouteEditForm = nullptr;

namespace {

constexpr std::size_t AddressLength = 16;
const char* const ZeroAddress = "0.0.0.0";
const char* const DefaultRouteQuestion =
    "If you want to add a default route which Destination IP and Mask both are 0.0.0.0, you should use Add Default "
    "Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a defaut route?";

// The metric as the class library converts it; a text that does not convert is out of range.
bool MetricInRange(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= 65535;
}

void FocusIfEnabled(ui::Edit* edit)
{
    if (edit->isEnabled())
        edit->SetFocus();
}

} // namespace

TIpStaticRouteEditForm::TIpStaticRouteEditForm(TIpStaticRouteForm* listWindow)
    : ui::Form(listWindow), ListDialogFrame(*this, *listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    ScaleForScreen();
    // Prepared once per showing: a message box that closes activates the dialog again, and must
    // not undo what the user typed.
    OnShow = ui::Handler(this, &TIpStaticRouteEditForm::FormActivate);
    SetButton->OnClick = ui::Handler(this, &TIpStaticRouteEditForm::SetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TIpStaticRouteEditForm::CloseButtonClick);
    DoCreate();
}

void TIpStaticRouteEditForm::FormActivate(QObject*)
{
    BakeupComboBox->SetItemIndex(-1);
    BakeupComboBox->setEnabled(true);
    switch (Mode) {
    case TIpStaticRouteForm::EditMode:
        // The selected route stays in the controls; its keys and status are not edited.
        DesEdit->setEnabled(false);
        MaskEdit->setEnabled(false);
        cbxStatus->setEnabled(false);
        break;
    case TIpStaticRouteForm::AddMode:
        DesEdit->setEnabled(true);
        MaskEdit->setEnabled(true);
        for (ui::Edit* edit : {DesEdit, MaskEdit, NextHopEdit, MetricEdit, edtWeight})
            edit->SetText("");
        cbxStatus->SetItemIndex(TIpStaticRouteForm::InvalidIndex);
        cbxStatus->setEnabled(false);
        break;
    case TIpStaticRouteForm::DefaultRouteMode:
        DesEdit->SetText(ZeroAddress);
        DesEdit->setEnabled(false);
        MaskEdit->SetText(ZeroAddress);
        MaskEdit->setEnabled(false);
        for (ui::Edit* edit : {NextHopEdit, MetricEdit, edtWeight})
            edit->SetText("");
        cbxStatus->SetItemIndex(TIpStaticRouteForm::InvalidIndex);
        cbxStatus->setEnabled(false);
        break;
    default:
        break;
    }
}

bool TIpStaticRouteEditForm::Refuse(const std::string& message, ui::Edit* focus)
{
    ui::ShowMessage(this, message);
    FocusIfEnabled(focus);
    return false;
}

bool TIpStaticRouteEditForm::AskDefaultRoute(ui::Edit* edit)
{
    if (ui::Confirm(this, DefaultRouteQuestion))
        Close();
    else
        FocusIfEnabled(edit);
    return false;
}

bool TIpStaticRouteEditForm::ValidateMetric(const std::string& message)
{
    const std::string metric = MetricEdit->Text();
    if (metric.empty() || MetricInRange(metric))
        return true;
    return Refuse(message, MetricEdit);
}

bool TIpStaticRouteEditForm::ValidateNextHop(bool fullStop)
{
    const std::string nextHop = NextHopEdit->Text();
    if (nextHop.empty())
        return Refuse(fullStop ? "Next Hop should be Set." : "Next Hop should be Set", NextHopEdit);
    if (nextHop.size() > AddressLength)
        return Refuse("Next Hop should be 16 bit", NextHopEdit);
    if (nextHop == ZeroAddress)
        return Refuse("Next Hop can not be 0.0.0.0", NextHopEdit);
    if (nextHop == DeviceIPText)
        return Refuse("Next Hop can not be itself", NextHopEdit);
    if (!CheckIPAddressText(nextHop, this)) {
        FocusIfEnabled(NextHopEdit);
        return false;
    }
    return true;
}

bool TIpStaticRouteEditForm::ValidateEdit() { return ValidateMetric("Metric should between 1-65535"); }

bool TIpStaticRouteEditForm::ValidateAdd()
{
    const std::string destination = DesEdit->Text();
    if (destination.empty())
        return Refuse("Destination IP should be Set.", DesEdit);
    if (destination.size() > AddressLength)
        return Refuse("IP should be 16 bit", DesEdit);
    if (destination == ZeroAddress)
        return AskDefaultRoute(DesEdit);
    if (destination == "255.255.255.255")
        return Refuse("Destination IP can not be 255.255.255.255", DesEdit);
    if (!CheckIPAddressText(destination, this)) {
        FocusIfEnabled(DesEdit);
        return false;
    }
    const std::string mask = MaskEdit->Text();
    if (mask.empty())
        return Refuse("Mask should be Set", MaskEdit);
    if (mask.size() > AddressLength)
        return Refuse("IP should be 16 bit.", MaskEdit);
    if (!IsValidSubnetMaskText(MaskEdit)) {
        FocusIfEnabled(MaskEdit);
        return false;
    }
    if (mask == ZeroAddress)
        return AskDefaultRoute(MaskEdit);
    // The add mode's own first next hop message ends without a full stop.
    return ValidateNextHop(false) && ValidateMetric("Metric should between 1-65535.");
}

bool TIpStaticRouteEditForm::ValidateDefaultRoute()
{
    return ValidateNextHop(true) && ValidateMetric("Metric should between 1-65535");
}

void TIpStaticRouteEditForm::SetButtonClick(QObject*)
{
    if (Mode == TIpStaticRouteForm::AddMode || Mode == TIpStaticRouteForm::DefaultRouteMode)
        cbxStatus->SetItemIndex(TIpStaticRouteForm::ValidIndex);
    const bool valid = Mode == TIpStaticRouteForm::EditMode      ? ValidateEdit()
                       : Mode == TIpStaticRouteForm::AddMode     ? ValidateAdd()
                       : Mode == TIpStaticRouteForm::DefaultRouteMode ? ValidateDefaultRoute()
                                                                      : false;
    if (!valid)
        return;
    // An empty metric or backup state is left to the switch.
    SetRow({.Skip = [this](SkippedColumns& skipped) {
        skipped.SkipIfEmpty(TIpStaticRouteForm::MetricItem, MetricEdit);
        skipped.SkipIfEmpty(TIpStaticRouteForm::BackupStateItem, BakeupComboBox);
    }});
}

void TIpStaticRouteEditForm::CloseButtonClick(QObject*) { Close(); }
