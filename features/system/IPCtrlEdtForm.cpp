#include "features/system/IPCtrlEdtForm.h"

#include "features/system/IpCtrlForm.h"

#include "features/common/FieldChecks.h"

#include "snmp/ControlValidators.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"

TIPCtrlEdtForm* IPCtrlEdtForm = nullptr;

namespace {

// Whether a row of the list holds text in that column (case-sensitive).
bool ListHas(const ui::ListView* list, int column, const std::string& text)
{
    for (int i = 0; i < list->Count(); ++i)
        if (list->Item(i)->Cell(column) == text)
            return true;
    return false;
}

// Whether SendChecked puts the box's column into the write.
bool Sent(const ui::CheckBox* box) { return box->Checked() && box->isEnabled(); }

} // namespace

TIPCtrlEdtForm::TIPCtrlEdtForm(TIpCtrlForm* listWindow)
    : TBasicForm(listWindow), ListDialogFrame(*this, *listWindow), list_(*listWindow)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    // Prepared once per showing: a message box that closes activates the dialog again, and must
    // not undo what the user typed.
    OnShow = ui::Handler(this, &TIPCtrlEdtForm::FormActivate);
    btnSet->OnClick = ui::Handler(this, &TIPCtrlEdtForm::btnSetClick);
    btnClose->OnClick = ui::Handler(this, &TIPCtrlEdtForm::btnCloseClick);
    DoCreate();
}

void TIPCtrlEdtForm::FormActivate(QObject*)
{
    CheckBox1->setEnabled(false);
    CheckBox1->SetChecked(true);
    CheckBox13->SetChecked(true);
    CheckBox13->hide();
    if (Mode == TIpCtrlForm::AddMode) {
        for (ui::Edit* edit : {edtInterface, edtIndex, edtIPAddr, edtMask, edtVlan, IPMTUEdit})
            edit->SetText("");
        IPv6AutoStateComboBox->SetItemIndex(1);
        cbxMode->SetItemIndex(0);
        cbxAdmin->SetItemIndex(0);
        cbxIpv4Admin->SetItemIndex(0);
        cbxIpv6Admin->SetItemIndex(1);
        edtInterface->setEnabled(true);
        cbxState->SetItemIndex(TIpCtrlForm::CreateAndGoIndex);
        cbxState->setEnabled(false);
        btnSet->SetCaption("Add");
    } else {
        // The selected interface is in the controls; its name, index and state stay.
        edtInterface->setEnabled(false);
        edtIndex->setEnabled(false);
        cbxState->setEnabled(false);
        btnSet->SetCaption("Edit");
    }
}

bool TIPCtrlEdtForm::SentAddressesValid()
{
    // A ticked address or mask that is no address would only be refused by the request, with a
    // message that names neither.
    if (Sent(CheckBox2) && !CheckIPv4Field(edtIPAddr, "IP Address", this))
        return false;
    return !Sent(CheckBox3) || CheckIPv4Field(edtMask, "Subnet Mask", this);
}

bool TIPCtrlEdtForm::ValidateAdd()
{
    // Without an address and a mask the interface is made without either; otherwise the address
    // must be one. Whether the mask is a subnet mask is left to the switch.
    if (!edtIPAddr->Text().empty() || !edtMask->Text().empty()) {
        if (!CheckIPv4Field(edtIPAddr, "IP Address", this) || !CheckDottedIPv4Text(edtIPAddr))
            return false;
    }
    const ui::ListView* rows = list_.ListView1;
    const std::string name = edtInterface->Text();
    if (name.empty()) {
        ui::ShowMessage(this, "Please input Interface Name.");
        return false;
    }
    if (ListHas(rows, TIpCtrlForm::InterfaceNameItem, name)) {
        ui::ShowMessage(this, "Please input different Interface Name.");
        return false;
    }
    const std::string vlan = edtVlan->Text();
    if (vlan.empty()) {
        ui::ShowMessage(this, "Please input a VLAN name.");
        return false;
    }
    if (ListHas(rows, TIpCtrlForm::VlanNameItem, vlan)) {
        ui::ShowMessage(this, "The VLAN already has a IP Interface.");
        return false;
    }
    return WithoutAddress() || SentAddressesValid();
}

bool TIPCtrlEdtForm::ValidateEdit()
{
    if (!WithoutAddress()) {
        if (!ValidateIPv4Text(edtIPAddr)) {
            FocusIfEnabled(edtIPAddr);
            return false;
        }
        if (!IsValidSubnetMaskText(edtMask)) {
            ui::ShowMessage(this, "Please input valid Subnet Mask.");
            FocusIfEnabled(edtMask);
            return false;
        }
    }
    // Emptied but ticked: the interface keeps its address only when the boxes are cleared.
    return SentAddressesValid();
}

bool TIPCtrlEdtForm::WithoutAddress() const { return edtIPAddr->Text().empty() && edtMask->Text().empty(); }

void TIPCtrlEdtForm::SendChecked(bool withoutAddress)
{
    TIpCtrlForm* list = &list_;
    SetRow({.Skip =
                [list, withoutAddress](SkippedColumns& skipped) {
                    if (withoutAddress) {
                        skipped.Skip(TIpCtrlForm::IPAddressItem);
                        skipped.Skip(TIpCtrlForm::SubnetMaskItem);
                    }
                    list->MarkSkippedColumns(*list->Request);
                },
            .Flags = &list_.SavedFlags,
            .KeepDataComplete = true});
}

void TIPCtrlEdtForm::btnSetClick(QObject*)
{
    if (Mode == TIpCtrlForm::AddMode) {
        if (!ValidateAdd())
            return;
        CheckBox13->SetChecked(true);
        cbxState->SetItemIndex(TIpCtrlForm::CreateAndGoIndex);
        SendChecked(WithoutAddress());
    } else if (Mode == TIpCtrlForm::EditMode) {
        if (!ValidateEdit())
            return;
        SendChecked(false);
    }
}

void TIPCtrlEdtForm::btnCloseClick(QObject*) { Close(); }
