#include "features/system/IPMACBindingFrame.h"

#include "features/acl/TextChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"

IPMACBindingFrame::IPMACBindingFrame(ui::Form* form, const Binding& binding, WindowVariants variants)
    : WindowLifecycle(form, std::move(variants)), form_(form), binding_(binding)
{
}

void IPMACBindingFrame::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    // The status each write sends is chosen by the buttons, never by the user.
    c_.ComboStatus->hide();
    form_->OnCreate = ui::Handler(this, &IPMACBindingFrame::FormCreate);
    form_->OnClose = ui::Handler(this, &IPMACBindingFrame::FormClose);
    c_.btnGet->OnClick = ui::Handler(this, &IPMACBindingFrame::btnGetClick);
    c_.btnAdd->OnClick = ui::Handler(this, &IPMACBindingFrame::btnAddClick);
    c_.btnEdit->OnClick = ui::Handler(this, &IPMACBindingFrame::btnEditClick);
    c_.btnDelete->OnClick = ui::Handler(this, &IPMACBindingFrame::btnDeleteClick);
    c_.btnClose->OnClick = ui::Handler(this, &IPMACBindingFrame::btnCloseClick);
    c_.ListView1->OnClick = ui::Handler(this, &IPMACBindingFrame::ListView1Click);
    c_.ListView1->OnChange = ui::Handler(this, &IPMACBindingFrame::ListView1Change);
}

void IPMACBindingFrame::FormCreate(QObject*)
{
    PortPicker = AddPicker(binding_.PortsTab, c_.PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(form_);
        const VarDescriptor* table = FindTable("Oid_ipmacbind", binding_.KeyOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_ipmacbind for ") + binding_.KeyOid);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(c_.ListView1, true);
        Request->BindEdits(0, binding_.AddressRule, c_.edtIpAddr);
        Request->BindEdits(MacItem, "%s{l12}", c_.edtMacAddr);
        Request->BindComboBox(binding_.StatusItem, c_.ComboStatus);
        Request->BindControlList(binding_.PortsItem, PortBitIndexText(), PortPicker->PortBoxes);
        Attach(*Request, false);
        Request->Mode = 0;
        Read(*Request);
    });
    ShowRowCount(c_.RowCount, c_.ListView1);
    c_.btnEdit->setEnabled(false);
    c_.btnDelete->setEnabled(false);
}

void IPMACBindingFrame::NoSelection()
{
    c_.btnEdit->setEnabled(false);
    c_.btnDelete->setEnabled(false);
    c_.edtIpAddr->setEnabled(true);
    c_.edtIpAddr->SetText("");
    c_.edtMacAddr->SetText("");
}

void IPMACBindingFrame::ReadTable(bool emptyEditors)
{
    if (Request)
        Guarded([&] { Read(*Request); });
    ShowRowCount(c_.RowCount, c_.ListView1);
    c_.btnEdit->setEnabled(false);
    c_.btnDelete->setEnabled(false);
    c_.edtIpAddr->setEnabled(true);
    if (emptyEditors) {
        c_.edtIpAddr->SetText("");
        c_.edtMacAddr->SetText("");
        if (PortPicker)
            PortPicker->UncheckAll();
    }
}

void IPMACBindingFrame::btnGetClick(QObject*)
{
    if (Running(Request.get()))
        return;
    ReadTable(true);
}

void IPMACBindingFrame::ListView1Click(QObject*)
{
    // A selected row is in the editors already; its address is the row's key.
    if (c_.ListView1->Selected() != nullptr) {
        c_.btnEdit->setEnabled(true);
        c_.btnDelete->setEnabled(true);
        c_.edtIpAddr->setEnabled(false);
        return;
    }
    NoSelection();
    if (PortPicker)
        PortPicker->UncheckAll();
}

void IPMACBindingFrame::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(c_.RowCount, c_.ListView1); }

bool IPMACBindingFrame::CheckInputs()
{
    if (!CheckAddress()) {
        if (c_.edtIpAddr->isEnabled())
            c_.edtIpAddr->SetFocus();
        return false;
    }
    if (!CheckMACAddressText(c_.edtMacAddr->Text(), form_)) {
        if (c_.edtMacAddr->isEnabled())
            c_.edtMacAddr->SetFocus();
        return false;
    }
    return true;
}

bool IPMACBindingFrame::AnyPortTicked() const
{
    if (!PortPicker)
        return false;
    for (const ui::CheckBox* box : PortPicker->PortBoxes)
        if (box->Checked())
            return true;
    return false;
}

void IPMACBindingFrame::WriteRow(bool statusAlone)
{
    bool accepted = false;
    const bool ok = Guarded([&] {
        SkippedColumns skipped(Request->Request.VarList);
        if (statusAlone) {
            skipped.Skip(MacItem);
            skipped.Skip(binding_.PortsItem);
        } else if (!AnyPortTicked()) {
            skipped.Skip(binding_.PortsItem);
        }
        accepted = Write(*Request);
    });
    if (!ok) {
        NoSelection();
        return;
    }
    // A refused write keeps what the user typed; the list shows what the switch has.
    ReadTable(accepted);
}

void IPMACBindingFrame::btnAddClick(QObject*)
{
    if (!Request || Running(Request.get()) || !CheckInputs())
        return;
    c_.ComboStatus->SetItemIndex(CreateAndGoIndex);
    WriteRow(false);
}

void IPMACBindingFrame::btnEditClick(QObject*)
{
    // The hidden status combo holds the selected row's own status, which goes out unchanged.
    if (!Request || Running(Request.get()) || !CheckInputs())
        return;
    WriteRow(false);
}

void IPMACBindingFrame::btnDeleteClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    c_.ComboStatus->SetItemIndex(DestroyIndex);
    if (binding_.DeleteSendsStatusAlone) {
        WriteRow(true);
        return;
    }
    // MAC and Ports go out as the editors show them, the selected row's values, with destroy.
    bool accepted = false;
    if (Guarded([&] { accepted = Write(*Request); }))
        ReadTable(accepted);
    else
        NoSelection();
}

void IPMACBindingFrame::btnCloseClick(QObject*) { form_->Close(); }

void IPMACBindingFrame::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.ListView1, Request); }
