#include "features/system/ARPIPv6ControlEditForm.h"

#include "features/system/ARPIPV6ControlForm.h"

#include "features/acl/TextChecks.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/MessageBox.h"

TARPIPv6ControlEditForm* ARPIPv6ControlEditForm = nullptr;

namespace {

void FocusIfEnabled(ui::Edit* edit)
{
    if (edit->isEnabled())
        edit->SetFocus();
}

} // namespace

TARPIPv6ControlEditForm::TARPIPv6ControlEditForm(TARPIPV6ControlForm* listWindow)
    : ui::Form(listWindow), ListDialogFrame(*this, *listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poOwnerFormCenter);
    ScaleForScreen();
    // Prepared once per showing: a message box that closes activates the dialog again, and must
    // not undo what the user typed.
    OnShow = ui::Handler(this, &TARPIPv6ControlEditForm::FormActivate);
    btnSet->OnClick = ui::Handler(this, &TARPIPv6ControlEditForm::btnSetClick);
    btnClose->OnClick = ui::Handler(this, &TARPIPv6ControlEditForm::btnCloseClick);
    DoCreate();
}

void TARPIPv6ControlEditForm::FormActivate(QObject*)
{
    cbxRowStatus->SetItemIndex(TARPIPV6ControlForm::CreateAndGoIndex);
    cbxRowStatus->setEnabled(false);
    for (ui::Edit* edit : {edtAddress, edtMac, edtInterface})
        edit->SetText("");
    cbxState->SetItemIndex(-1);
    cbxState->setEnabled(false);
}

bool TARPIPv6ControlEditForm::ValidateInputs()
{
    const std::string address = edtAddress->Text();
    if (address.empty()) {
        ui::ShowMessage(this, "Please Set IPV6Address");
        return false;
    }
    if (!CheckIPv6Text(address, this)) {
        FocusIfEnabled(edtAddress);
        return false;
    }
    const std::string mac = edtMac->Text();
    if (mac.empty()) {
        ui::ShowMessage(this, "Please Set MAC Address");
        return false;
    }
    if (!CheckMACAddressText(mac, this)) {
        FocusIfEnabled(edtMac);
        return false;
    }
    if (edtInterface->Text().empty()) {
        ui::ShowMessage(this, "Please input an index first");
        FocusIfEnabled(edtInterface);
        return false;
    }
    return true;
}

void TARPIPv6ControlEditForm::btnSetClick(QObject*)
{
    if (!ValidateInputs())
        return;
    // The entry's keys and its Route Status createAndGo; the Reach State is the switch's.
    SetRow({});
}

void TARPIPv6ControlEditForm::btnCloseClick(QObject*) { Close(); }
