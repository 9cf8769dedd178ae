#include "features/switching/NLBFDBForm.h"

#include "features/acl/TextChecks.h"
#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "gui/VlanList.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/PageControl.h"

#include <exception>

TNLBFDBForm::TNLBFDBForm(QWidget* owner, const char* tableOid, int keys, const char* missingKeys)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true}),
      tableOid_(tableOid), keys_(keys), missingKeys_(missingKeys)
{
}

void TNLBFDBForm::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    // The status each write sends: chosen by the buttons, never by the user.
    c_.UStatus->hide();
    OnCreate = ui::Handler(this, &TNLBFDBForm::FormCreate);
    OnClose = ui::Handler(this, &TNLBFDBForm::FormClose);
    c_.RefreshBtn->OnClick = ui::Handler(this, &TNLBFDBForm::RefreshBtnClick);
    c_.AddBtn->OnClick = ui::Handler(this, &TNLBFDBForm::AddBtnClick);
    c_.DeleteBtn->OnClick = ui::Handler(this, &TNLBFDBForm::DeleteBtnClick);
    c_.SetBtn->OnClick = ui::Handler(this, &TNLBFDBForm::SetBtnClick);
    c_.CloseButton->OnClick = ui::Handler(this, &TNLBFDBForm::CloseButtonClick);
    c_.List->OnClick = ui::Handler(this, &TNLBFDBForm::ListClick);
    c_.List->OnChange = ui::Handler(this, &TNLBFDBForm::ListChange);
}

void TNLBFDBForm::FormCreate(QObject*)
{
    Ports = AddPicker("Egress Ports", c_.pgc1);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_filetransfer", tableOid_);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_filetransfer ") + tableOid_);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, keys_);
        Request->AttachListView(c_.List, true);
        int item = 0;
        if (c_.VlanEdit != nullptr)
            Request->BindEdits(item++, "%i{n1x4094}", c_.VlanEdit);
        Request->BindEdits(item, "%h{l12}", c_.MacEdit);
        Request->BindControlList(PortsItem(), PortBitIndexText(), Ports->PortBoxes);
        Request->BindComboBox(StatusItem(), c_.UStatus);
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(c_.ST_Count, c_.List);
    c_.DeleteBtn->setEnabled(false);
    c_.SetBtn->setEnabled(false);
}

void TNLBFDBForm::ResetInputs()
{
    if (Ports)
        Ports->UncheckAll();
    for (ui::Edit* edit : {c_.MacEdit, c_.VlanEdit}) {
        if (edit != nullptr) {
            edit->SetText("");
            edit->setEnabled(true);
        }
    }
    c_.UStatus->SetText("");
    c_.UStatus->setEnabled(true);
    ShowRowCount(c_.ST_Count, c_.List);
    c_.pgc1->setEnabled(true);
}

bool TNLBFDBForm::KeysEmpty() const
{
    return c_.MacEdit->Text().empty() || (c_.VlanEdit != nullptr && c_.VlanEdit->Text().empty());
}

bool TNLBFDBForm::CheckKeys()
{
    if (c_.VlanEdit != nullptr && !CheckNumberField(c_.VlanEdit, "VLAN ID", 1, MaxVlanId, this))
        return false;
    if (CheckMACAddressText(c_.MacEdit->Text(), this))
        return true;
    c_.MacEdit->SetFocus();
    return false;
}

void TNLBFDBForm::RefreshBtnClick(QObject*)
{
    // A read under way goes on; a failure to send is told in the log line.
    try {
        if (Request && !Running(Request.get()))
            Read(*Request);
    } catch (const std::exception& e) {
        if (Request && Request->LogTarget() != nullptr)
            Request->WriteLogLine(e.what());
        else
            ShowInStatusLine(e.what());
    }
    ShowRowCount(c_.ST_Count, c_.List);
}

void TNLBFDBForm::ListClick(QObject*)
{
    ui::ListItem* row = c_.List->Selected();
    if (row == nullptr) {
        ResetInputs();
        c_.DeleteBtn->setEnabled(false);
        c_.SetBtn->setEnabled(false);
        c_.AddBtn->setEnabled(true);
        return;
    }
    if (c_.VlanEdit != nullptr) {
        // The entry's keys are shown, not edited.
        c_.VlanEdit->SetText(row->Caption());
        c_.MacEdit->SetText(row->SubItem(0));
        c_.VlanEdit->setEnabled(false);
        c_.MacEdit->setEnabled(false);
    } else {
        // The unicast entry's MAC address stays editable: Delete and Set use what it holds.
        c_.MacEdit->SetText(row->Caption());
    }
    c_.DeleteBtn->setEnabled(true);
    c_.SetBtn->setEnabled(true);
    c_.AddBtn->setEnabled(false);
}

void TNLBFDBForm::ListChange(QObject*, ui::ListItem*) { ShowRowCount(c_.ST_Count, c_.List); }

void TNLBFDBForm::AddBtnClick(QObject*)
{
    if (KeysEmpty()) {
        Say(missingKeys_);
        return;
    }
    if (!CheckKeys())
        return;
    if (Running(Request.get())) {
        Say("Get data not complete.");
        return;
    }
    if (!Request)
        return;
    // The egress ports and createAndGo; the framework reads the table again after the answer.
    Guarded([&] {
        c_.UStatus->SetItemIndex(CreateAndGoIndex);
        Write(*Request, true);
    });
    ResetInputs();
}

void TNLBFDBForm::DeleteBtnClick(QObject*)
{
    if (KeysEmpty()) {
        ui::MessageBox(this, "Please select which entry you want to delete.", ui::mbOK, ui::miWarning);
        return;
    }
    if (Running(Request.get())) {
        Say("Get data not complete");
        return;
    }
    if (!Request)
        return;
    // Without a question: the button is there for the entry the key edits name. The framework
    // reads the table again after the answer; the read below, sent at once, gives way to it.
    Guarded([&] {
        c_.UStatus->SetItemIndex(DestroyIndex);
        Write(*Request, true);
    });
    c_.DeleteBtn->setEnabled(false);
    c_.AddBtn->setEnabled(true);
    Guarded([&] { Read(*Request); });
    ResetInputs();
}

void TNLBFDBForm::SetBtnClick(QObject*)
{
    if (Request) {
        // The selected entry's ports with its own Row Status, then the table read again.
        Guarded([&] {
            Write(*Request, false);
            Read(*Request);
        });
    }
    RefreshBtnClick(nullptr);
    ResetInputs();
}

void TNLBFDBForm::CloseButtonClick(QObject*) { Close(); }

void TNLBFDBForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.List, Request); }
