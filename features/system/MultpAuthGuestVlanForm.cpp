#include "features/system/MultpAuthGuestVlanForm.h"

#include "catalogue/CatalogueIndex.h"
#include "features/common/FieldChecks.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TMultpAuthGuestVlanForm* MultpAuthGuestVlanForm = nullptr;

TMultpAuthGuestVlanForm::TMultpAuthGuestVlanForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TMultpAuthGuestVlanForm::FormCreate);
    OnClose = ui::Handler(this, &TMultpAuthGuestVlanForm::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TMultpAuthGuestVlanForm::BT_GetClick);
    ADDButton->OnClick = ui::Handler(this, &TMultpAuthGuestVlanForm::ADDButtonClick);
    SetBtn->OnClick = ui::Handler(this, &TMultpAuthGuestVlanForm::SetBtnClick);
    DelBtn->OnClick = ui::Handler(this, &TMultpAuthGuestVlanForm::DelBtnClick);
    BT_Close->OnClick = ui::Handler(this, &TMultpAuthGuestVlanForm::BT_CloseClick);
    ListView1->OnClick = ui::Handler(this, &TMultpAuthGuestVlanForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TMultpAuthGuestVlanForm::ListView1Change);
    DoCreate();
}

TMultpAuthGuestVlanForm::~TMultpAuthGuestVlanForm() { Request.reset(); }

void TMultpAuthGuestVlanForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Guest VLAN Ports", pgc1);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_multipleauth", "1.3.6.1.4.1.171.12.3.11.2.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_multipleauth for the guest VLANs");
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->Mode = 0;
        Request->Request.Timeout = RequestTimeout;
        Request->AttachListView(ListView1, true);
        Request->BindEdits(VlanIdItem, "%i{n1x4094l4}", VIDEdit);
        Request->BindControlList(PortsItem, PortBitIndexText(), PortPicker->PortBoxes);
        Request->BindComboBox(RowStatusItem, cbxDel);
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(txt1, ListView1);
    SetBtn->setEnabled(false);
    DelBtn->setEnabled(false);
}

void TMultpAuthGuestVlanForm::ResetInputs()
{
    VIDEdit->SetText("");
    VIDEdit->setEnabled(true);
    if (PortPicker)
        PortPicker->UncheckAll();
    SetBtn->setEnabled(false);
    DelBtn->setEnabled(false);
    ADDButton->setEnabled(true);
    ShowRowCount(txt1, ListView1);
}

void TMultpAuthGuestVlanForm::BT_GetClick(QObject*)
{
    if (Request && !Running(Request.get()))
        Guarded([&] { Read(*Request); });
    ResetInputs();
}

void TMultpAuthGuestVlanForm::ListView1Click(QObject*)
{
    // A selected row is in the editors already; its VLAN ID is not to be changed.
    const bool selected = ListView1->Selected() != nullptr;
    SetBtn->setEnabled(selected);
    DelBtn->setEnabled(selected);
    ADDButton->setEnabled(!selected);
    VIDEdit->setEnabled(!selected);
}

void TMultpAuthGuestVlanForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(txt1, ListView1); }

void TMultpAuthGuestVlanForm::ADDButtonClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    if (VIDEdit->Text().empty()) {
        Say("Please input a VLAN ID.");
        if (VIDEdit->isEnabled())
            VIDEdit->SetFocus();
        return;
    }
    if (!CheckNumberField(VIDEdit, "Guest VLAN ID", 1, 4094, this))
        return;
    Guarded([&] {
        // The row is created alone; its ports go to the row only once the switch made it, so
        // an Add of a VLAN ID already listed never overwrites that row's ports.
        bool created = false;
        {
            SkippedColumns skipped(Request->Request.VarList);
            skipped.Skip(PortsItem);
            cbxDel->SetItemIndex(CreateAndGoIndex);
            created = Write(*Request);
        }
        if (created) {
            SkippedColumns skipped(Request->Request.VarList);
            skipped.Skip(RowStatusItem);
            Write(*Request);
        }
    });
    ResetInputs();
    BT_GetClick(nullptr);
}

void TMultpAuthGuestVlanForm::WriteSelectedRow(int skippedItem)
{
    {
        SkippedColumns skipped(Request->Request.VarList);
        skipped.Skip(skippedItem);
        Guarded([&] { Write(*Request); });
    }
    ResetInputs();
    BT_GetClick(nullptr);
}

void TMultpAuthGuestVlanForm::SetBtnClick(QObject*)
{
    if (!Request || Running(Request.get()) || ListView1->Selected() == nullptr)
        return;
    // The ports of the row alone.
    WriteSelectedRow(RowStatusItem);
}

void TMultpAuthGuestVlanForm::DelBtnClick(QObject*)
{
    if (!Request || Running(Request.get()) || ListView1->Selected() == nullptr)
        return;
    // destroy alone, without a question.
    cbxDel->SetItemIndex(DestroyIndex);
    WriteSelectedRow(PortsItem);
}

void TMultpAuthGuestVlanForm::BT_CloseClick(QObject*) { Close(); }

void TMultpAuthGuestVlanForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
