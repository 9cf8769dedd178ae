#include "features/switching/UnicastFilterInformationForm.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget* owner)
    : TStaticFilterForm(owner, "1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", "Allowed Ports")
{
    setupUi(this);
    Loaded();
    UseComponents({LV_dot1qStaticUnicastEntry, ED_UnicastVID, UnicastAddress, UStatus, PageControl1, ST_Count,
                   RefreshBtn, ADDBtn, DeleteBtn, btnClose, nullptr});
    RefreshBtn->OnClick = ui::Handler(this, &TUnicastFilterInformationForm::RefreshBtnClick);
    ADDBtn->OnClick = ui::Handler(this, &TUnicastFilterInformationForm::ADDBtnClick);
    DeleteBtn->OnClick = ui::Handler(this, &TUnicastFilterInformationForm::DeleteBtnClick);
    LV_dot1qStaticUnicastEntry->OnClick = ui::Handler(this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick);
    LV_dot1qStaticUnicastEntry->OnChange =
        ui::Handler(this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange);
    DoCreate();
}

TUnicastFilterInformationForm::~TUnicastFilterInformationForm() { Request.reset(); }

void TUnicastFilterInformationForm::RefreshBtnClick(QObject*) { ReadTable(true); }

void TUnicastFilterInformationForm::NoSelection()
{
    ResetInputs();
    ED_UnicastVID->SetReadOnly(false);
    UnicastAddress->SetReadOnly(false);
    DeleteBtn->setEnabled(false);
    ADDBtn->setEnabled(true);
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick(QObject*)
{
    const ui::ListItem* row = LV_dot1qStaticUnicastEntry->Selected();
    if (row == nullptr) {
        NoSelection();
        return;
    }
    ED_UnicastVID->SetText(row->Caption());
    UnicastAddress->SetText(row->SubItem(0));
    ED_UnicastVID->SetReadOnly(true);
    UnicastAddress->SetReadOnly(true);
    DeleteBtn->setEnabled(true);
    ADDBtn->setEnabled(false);
}

void TUnicastFilterInformationForm::ADDBtnClick(QObject*)
{
    if (ED_UnicastVID->Text().empty() || UnicastAddress->Text().empty()) {
        Say("Please input VLAN ID and MAC Address.");
        return;
    }
    if (!CheckKeys())
        return;
    if (!Request)
        return;
    if (Running(Request.get())) {
        Say("Get data not complete.");
        return;
    }
    if (Ports == nullptr || Ports->CountChecked() == 0) {
        Say("Please select a port to config,be sure the VLAN contains the port.");
        return;
    }
    try {
        UStatus->SetItemIndex(PermanentIndex);
        // Allowed ports and "permanent" for the filtering database, the MAC address and receive
        // port 0 (any); the framework reads the table again after the answer.
        Write(*Request, true);
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
    ResetInputs();
}
