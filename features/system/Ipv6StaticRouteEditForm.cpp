#include "features/system/Ipv6StaticRouteEditForm.h"

#include "features/system/Ipv6StaticRouteForm.h"

#include "features/acl/TextChecks.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/MessageBox.h"

#include <charconv>

TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm = nullptr;

namespace {

const char* const ZeroDestination = "00000000000000000000000000000000";

// Whether the text converts to an integer from low to high.
bool IntegerIn(const std::string& text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

void FocusIfEnabled(ui::Edit* edit)
{
    if (edit != nullptr && edit->isEnabled())
        edit->SetFocus();
}

} // namespace

TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(TIpv6StaticRouteForm* listWindow)
    : ui::Form(listWindow), ListDialogFrame(*this, *listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poOwnerFormCenter);
    ScaleForScreen();
    // Prepared once per showing: a message box that closes activates the dialog again, and must
    // not undo what the user typed.
    OnShow = ui::Handler(this, &TIpv6StaticRouteEditForm::FormActivate);
    btnSet->OnClick = ui::Handler(this, &TIpv6StaticRouteEditForm::btnSetClick);
    btnClose->OnClick = ui::Handler(this, &TIpv6StaticRouteEditForm::btnCloseClick);
    DoCreate();
}

void TIpv6StaticRouteEditForm::FormActivate(QObject*)
{
    cbxStatus->SetItemIndex(TIpv6StaticRouteForm::CreateAndGoIndex);
    cbxStatus->setEnabled(false);
    const bool defaultRoute = Mode == TIpv6StaticRouteForm::DefaultRouteMode;
    edtDst->SetText(defaultRoute ? ZeroDestination : "");
    edtPrefix->SetText(defaultRoute ? "0" : "");
    edtDst->setEnabled(!defaultRoute);
    edtPrefix->setEnabled(!defaultRoute);
    for (ui::Edit* edit : {edtInterface, edtNextHop, edtProtocol, edtMetric})
        edit->SetText("");
    edtProtocol->setEnabled(false);
    cbxBackup->SetItemIndex(TIpv6StaticRouteForm::NoBackupIndex);
}

bool TIpv6StaticRouteEditForm::Refuse(const std::string& message, ui::Edit* focus)
{
    ui::ShowMessage(this, message);
    FocusIfEnabled(focus);
    return false;
}

bool TIpv6StaticRouteEditForm::ValidateInputs()
{
    if (Mode == TIpv6StaticRouteForm::AddMode) {
        if (edtDst->Text().empty())
            return Refuse("Please Set Destination Address", nullptr);
        if (!CheckIPv6Text(edtDst, this)) {
            FocusIfEnabled(edtDst);
            return false;
        }
        if (edtPrefix->Text().empty())
            return Refuse("Please Set Prefix length", nullptr);
        if (!IntegerIn(edtPrefix->Text(), 0, 128))
            return Refuse("Prefix should between 0-128", edtPrefix);
    }
    const std::string nextHop = edtNextHop->Text();
    if (nextHop.empty())
        return Refuse("Please Set Next Hop Address", nullptr);
    if (!CheckIPv6Text(nextHop, this)) {
        FocusIfEnabled(edtNextHop);
        return false;
    }
    if (nextHop == edtDst->Text())
        return Refuse("Duplicate IPv6 address, Please input a valid Next Hop", edtNextHop);
    const std::string metric = edtMetric->Text();
    if (!metric.empty() && !IntegerIn(metric, 1, 65535))
        return Refuse("Metric should between 1-65535", edtMetric);
    return true;
}

void TIpv6StaticRouteEditForm::btnSetClick(QObject*)
{
    if (!ValidateInputs())
        return;
    // The keys, Status createAndGo, the backup state and, unless it is empty, the metric.
    SetRow({.Skip = [this](SkippedColumns& skipped) {
        skipped.SkipIfEmpty(TIpv6StaticRouteForm::MetricItem, edtMetric);
    }});
}

void TIpv6StaticRouteEditForm::btnCloseClick(QObject*) { Close(); }
