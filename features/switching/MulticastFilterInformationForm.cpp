#include "features/switching/MulticastFilterInformationForm.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget* owner)
    : TStaticFilterForm(owner, "1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", "Egress Ports")
{
    setupUi(this);
    Loaded();
    UseComponents({LV_dot1qStaticMulticastEntry, ED_MulticastVID, ED_MACAddress, Status, PageControl1, ST_Count,
                   RefreshBtn, AddBtn, btnDelete, btnClose, SetBtn});
    RefreshBtn->OnClick = ui::Handler(this, &TMulticastFilterInformationForm::RefreshBtnClick);
    SetBtn->OnClick = ui::Handler(this, &TMulticastFilterInformationForm::SetBtnClick);
    AddBtn->OnClick = ui::Handler(this, &TMulticastFilterInformationForm::AddBtnClick);
    btnDelete->OnClick = ui::Handler(this, &TMulticastFilterInformationForm::btnDeleteClick);
    LV_dot1qStaticMulticastEntry->OnClick =
        ui::Handler(this, &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick);
    LV_dot1qStaticMulticastEntry->OnChange =
        ui::Handler(this, &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange);
    DoCreate();
}

TMulticastFilterInformationForm::~TMulticastFilterInformationForm() { Request.reset(); }

void TMulticastFilterInformationForm::EnableKeys(bool enabled)
{
    ED_MulticastVID->setEnabled(enabled);
    ED_MACAddress->setEnabled(enabled);
    Status->setEnabled(enabled);
}

void TMulticastFilterInformationForm::NoSelection()
{
    EnableKeys(true);
    SetBtn->setEnabled(false);
    btnDelete->setEnabled(false);
    AddBtn->setEnabled(true);
    ResetInputs();
}

void TMulticastFilterInformationForm::RefreshBtnClick(QObject*)
{
    // A read still under way gives way to this one.
    ReadTable(false);
    NoSelection();
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick(QObject*)
{
    if (LV_dot1qStaticMulticastEntry->Selected() == nullptr) {
        NoSelection();
        return;
    }
    EnableKeys(false);
    SetBtn->setEnabled(true);
    btnDelete->setEnabled(true);
    AddBtn->setEnabled(false);
}

void TMulticastFilterInformationForm::AddBtnClick(QObject*)
{
    if (Running(Request.get())) {
        Say("Get data not complete");
        return;
    }
    if (!Request)
        return;
    // No checks of its own beyond the keys' form: the switch's answer decides.
    if (!CheckKeys())
        return;
    Guarded([&] {
        Status->SetItemIndex(PermanentIndex);
        Write(*Request, true);
    });
    NoSelection();
}

void TMulticastFilterInformationForm::SetBtnClick(QObject*)
{
    if (Running(Request.get())) {
        Say("Get data not complete");
        return;
    }
    if (!Request)
        return;
    SetBtn->setEnabled(false);
    Guarded([&] {
        // The egress ports of the selected entry alone, never its status.
        SkippedColumns skipped(Request->Request.VarList);
        skipped.Skip(StatusItem);
        Write(*Request, true);
    });
    NoSelection();
}
