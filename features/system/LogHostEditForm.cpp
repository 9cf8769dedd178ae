#include "features/system/LogHostEditForm.h"

#include "features/system/SystemLogHostForm.h"

#include "snmp/ControlValidators.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"

#include <charconv>

TLogHostEditForm* LogHostEditForm = nullptr;

namespace {

const char* const PortMessage = "The range of UDP Port for syslog is 514 or 6000-65535.";
const char* const AddressMessage = "IP Address should be set.";
// Indices of the Address Type combo box.
constexpr int IPv4Index = 0;
constexpr int IPv6Index = 1;

void FocusIfEnabled(QWidget* control)
{
    if (control != nullptr && control->isEnabled())
        control->setFocus();
}

} // namespace

TLogHostEditForm::TLogHostEditForm(TSystemLogHostForm* listWindow)
    : ui::Form(listWindow), ListDialogFrame(*this, *listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poOwnerFormCenter);
    ScaleForScreen();
    // Prepared once per showing: a message box that closes activates the dialog again, and must
    // not undo what the user typed.
    OnShow = ui::Handler(this, &TLogHostEditForm::FormActivate);
    SetButton->OnClick = ui::Handler(this, &TLogHostEditForm::SetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLogHostEditForm::CloseButtonClick);
    DoCreate();
}

void TLogHostEditForm::FormActivate(QObject*)
{
    if (Mode == TSystemLogHostForm::EditMode) {
        // The selected server stays in the controls; its index and row status are not edited.
        cbxIndex->setEnabled(false);
        RowComboBox->setEnabled(false);
        return;
    }
    cbxIndex->setEnabled(true);
    cbxIndex->SetItemIndex(-1);
    FacComboBox->SetItemIndex(0);
    SevComboBox->SetItemIndex(0);
    PortEdit->SetText("");
    IPAddrEdit->SetText("");
    StateComboBox->SetItemIndex(0);
    RowComboBox->SetItemIndex(TSystemLogHostForm::CreateAndGoIndex);
    RowComboBox->setEnabled(false);
}

bool TLogHostEditForm::ValidPort(const std::string& text)
{
    int port = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size())
        port = -1;
    return port == 514 || (port >= 6000 && port <= 65535);
}

bool TLogHostEditForm::Refuse(const std::string& message, QWidget* focus)
{
    ui::ShowMessage(this, message);
    FocusIfEnabled(focus);
    return false;
}

bool TLogHostEditForm::CheckPort()
{
    const std::string port = PortEdit->Text();
    return port.empty() || ValidPort(port) || Refuse(PortMessage, PortEdit);
}

bool TLogHostEditForm::AddressTaken(int skipRow) const
{
    const ui::ListView* list = ListWindow().Request ? ListWindow().Request->ListView.data() : nullptr;
    if (list == nullptr)
        return false;
    const std::string address = IPAddrEdit->Text();
    for (int i = 0; i < list->Count(); ++i)
        if (i != skipRow && list->Item(i)->SubItem(TSystemLogHostForm::AddressItem - 1) == address)
            return true;
    return false;
}

bool TLogHostEditForm::CheckIPv4Address()
{
    // An address that is no dotted address would go out as FF FF FF FF.
    if (ValidateIPv4Text(IPAddrEdit))
        return true;
    return Refuse(AddressMessage, IPAddrEdit);
}

bool TLogHostEditForm::ValidateAdd()
{
    if (cbxIndex->ItemIndex() < 0)
        return Refuse("Index is needed.", cbxIndex);
    if (!CheckPort())
        return false;
    if (IPAddrEdit->Text().empty())
        return Refuse(AddressMessage, IPAddrEdit);
    if (AddressTaken(-1))
        return Refuse("IP Address must be different.", IPAddrEdit);
    // The address goes out as IPv4 when the type says so or shows nothing.
    const int type = AddressTypeComboBox->ItemIndex();
    if ((type == IPv4Index || type < 0) && !CheckIPv4Address())
        return false;
    return true;
}

bool TLogHostEditForm::ValidateEdit()
{
    if (!CheckPort())
        return false;
    if (IPAddrEdit->Text().empty())
        return Refuse(AddressMessage, IPAddrEdit);
    const ui::ListView* list = ListWindow().Request ? ListWindow().Request->ListView.data() : nullptr;
    int row = -1;
    for (int i = 0; list != nullptr && i < list->Count(); ++i)
        if (list->Item(i)->Caption() == cbxIndex->Text())
            row = i;
    if (row < 0)
        return Refuse("Index is needed.", cbxIndex);
    // An unchanged address is not compared.
    if (list->Item(row)->SubItem(TSystemLogHostForm::AddressItem - 1) != IPAddrEdit->Text() && AddressTaken(row))
        return Refuse("IP Address must be different.", IPAddrEdit);
    const int type = AddressTypeComboBox->ItemIndex();
    if (type == IPv4Index && !CheckIPv4Address())
        return false;
    if (type == IPv6Index && !ValidateIPv6Text(IPAddrEdit))
        return Refuse(AddressMessage, IPAddrEdit);
    return true;
}

void TLogHostEditForm::SetButtonClick(QObject*)
{
    if (Mode == TSystemLogHostForm::AddMode) {
        if (!ValidateAdd())
            return;
        RowComboBox->SetItemIndex(TSystemLogHostForm::CreateAndGoIndex);
        if (ListWindow().RefuseWhileReading(ListWindow().Request.get()))
            return;
        // The index, the row status createAndGo and every column that shows a value.
        SetRow({.Skip = [this](SkippedColumns& skipped) {
            skipped.SkipIfEmpty(TSystemLogHostForm::FacilityItem, FacComboBox);
            skipped.SkipIfEmpty(TSystemLogHostForm::SeverityItem, SevComboBox);
            skipped.SkipIfEmpty(TSystemLogHostForm::PortItem, PortEdit);
            skipped.SkipIfEmpty(TSystemLogHostForm::AddressItem, IPAddrEdit);
            skipped.SkipIfEmpty(TSystemLogHostForm::StateItem, StateComboBox);
            skipped.SkipIfEmpty(TSystemLogHostForm::AddressTypeItem, AddressTypeComboBox);
        }});
        return;
    }
    if (Mode != TSystemLogHostForm::EditMode || !ValidateEdit())
        return;
    // Never the row status; the address not when it is empty or 0.0.0.0.
    SetRow({.Skip = [this](SkippedColumns& skipped) {
        skipped.SkipIfEmpty(TSystemLogHostForm::FacilityItem, FacComboBox);
        skipped.SkipIfEmpty(TSystemLogHostForm::SeverityItem, SevComboBox);
        skipped.SkipIfEmpty(TSystemLogHostForm::PortItem, PortEdit);
        skipped.SkipIfEmpty(TSystemLogHostForm::StateItem, StateComboBox);
        skipped.SkipIfEmpty(TSystemLogHostForm::AddressTypeItem, AddressTypeComboBox);
        if (IPAddrEdit->Text().empty() || IPAddrEdit->Text() == "0.0.0.0")
            skipped.Skip(TSystemLogHostForm::AddressItem);
        skipped.Skip(TSystemLogHostForm::RowStatusItem);
    }});
}

void TLogHostEditForm::CloseButtonClick(QObject*) { Close(); }
