#include "features/switching/PrivateVLANForm.h"

#include "features/common/FieldChecks.h"

#include "features/common/EditorEnabling.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Edit.h"

#include <exception>

TPrivateVLANForm* PrivateVLANForm = nullptr;

TPrivateVLANForm::TPrivateVLANForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TPrivateVLANForm::FormCreate);
    OnClose = ui::Handler(this, &TPrivateVLANForm::FormClose);
    btnRefresh->OnClick = ui::Handler(this, &TPrivateVLANForm::btnRefreshClick);
    btnSet->OnClick = ui::Handler(this, &TPrivateVLANForm::btnSetClick);
    btnEdit->OnClick = ui::Handler(this, &TPrivateVLANForm::btnEditClick);
    btnDel->OnClick = ui::Handler(this, &TPrivateVLANForm::btnDelClick);
    btnClose->OnClick = ui::Handler(this, &TPrivateVLANForm::btnCloseClick);
    lvData->OnClick = ui::Handler(this, &TPrivateVLANForm::lvDataClick);
    lvData->OnChanging = ui::Handler(this, &TPrivateVLANForm::lvDataChanging);
    DoCreate();
}

TPrivateVLANForm::~TPrivateVLANForm() { Request.reset(); }

void TPrivateVLANForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    PromiscuousPorts = AddPicker("Promiscuous Ports", pgcData);
    TrunkPorts = AddPicker("Trunk Ports", pgcData);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_privatevlan", "1.3.6.1.4.1.171.12.69.3.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_privatevlan for the private VLANs");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(lvData, true);
        Request->BindEdits(VlanIdItem, "%i{n2x4094l4}", edtVID);
        Request->BindEdits(NameItem, "%s{l32}", edtVLAN);
        Request->BindControlList(PromiscuousItem, ports, PromiscuousPorts->PortBoxes);
        Request->BindControlList(TrunkItem, ports, TrunkPorts->PortBoxes);
        Request->BindComboBox(RowStatusItem, cbbRowState);
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(txtCount, lvData);
    // The port lists belong to an existing VLAN: the pickers open with one selected.
    EnablePickers(false);
    // Delete, like Edit, waits for a row to be selected.
    btnDel->setEnabled(false);
}

void TPrivateVLANForm::EnablePickers(bool enabled)
{
    for (TStackingPortUitForm* picker : {PromiscuousPorts.data(), TrunkPorts.data()}) {
        if (picker == nullptr)
            continue;
        if (enabled)
            picker->EnableAll();
        else
            picker->DisableAll();
    }
}

void TPrivateVLANForm::ResetInputs()
{
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);
    btnSet->setEnabled(true);
    EnableEditors({edtVID, edtVLAN}, true);
    edtVID->SetText("");
    edtVLAN->SetText("");
    for (TStackingPortUitForm* picker : {PromiscuousPorts.data(), TrunkPorts.data()})
        if (picker != nullptr)
            picker->UncheckAll();
    ShowRowCount(txtCount, lvData);
}

void TPrivateVLANForm::Failed(const std::exception& e)
{
    if (Request && Request->LogTarget() != nullptr)
        Request->WriteLogLine(e.what());
    else
        ShowInStatusLine(e.what());
    ResetInputs();
}

void TPrivateVLANForm::lvDataClick(QObject*)
{
    const bool selected = lvData->Selected() != nullptr;
    btnEdit->setEnabled(selected);
    btnDel->setEnabled(selected);
    btnSet->setEnabled(!selected);
    if (selected) {
        // The ID and name are the row's; Edit changes its port lists.
        EnableEditors({edtVID, edtVLAN}, false);
        EnablePickers(true);
        return;
    }
    EnableEditors({edtVID, edtVLAN}, true);
    edtVID->SetText("");
    edtVLAN->SetText("");
    EnablePickers(false);
    for (TStackingPortUitForm* picker : {PromiscuousPorts.data(), TrunkPorts.data()})
        if (picker != nullptr)
            picker->UncheckAll();
}

void TPrivateVLANForm::lvDataChanging(QObject*, ui::ListItem*) { ShowRowCount(txtCount, lvData); }

void TPrivateVLANForm::btnRefreshClick(QObject*)
{
    try {
        if (Request)
            Read(*Request);
        ResetInputs();
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
        ResetInputs();
    }
}

void TPrivateVLANForm::btnSetClick(QObject*)
{
    if (!Request)
        return;
    if (edtVID->Text().empty()) {
        Say("Please input VLAN ID first.");
        if (edtVID->isEnabled())
            edtVID->SetFocus();
        return;
    }
    if (!CheckNumberField(edtVID, "VLAN ID", 2, 4094, this))
        return;
    if (edtVLAN->Text().empty()) {
        Say("Please input VLAN Name.");
        if (edtVLAN->isEnabled())
            edtVLAN->SetFocus();
        return;
    }
    try {
        cbbRowState->SetItemIndex(CreateAndGoIndex);
        {
            // The VLAN by its name alone; its port lists come with Edit.
            SkippedColumns nameAlone(Request->Request.VarList);
            nameAlone.Skip(PromiscuousItem);
            nameAlone.Skip(TrunkItem);
            Write(*Request, true);
        }
        ResetInputs();
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TPrivateVLANForm::btnEditClick(QObject*)
{
    // The selected row alone: without one the IDs in the editors are those typed for an Add.
    if (!Request || lvData->Selected() == nullptr)
        return;
    try {
        cbbRowState->SetItemIndex(ActiveIndex);
        Write(*Request, true);
        ResetInputs();
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TPrivateVLANForm::btnDelClick(QObject*)
{
    // The selected row alone: without one the IDs in the editors are those typed for an Add.
    if (!Request || lvData->Selected() == nullptr)
        return;
    try {
        cbbRowState->SetItemIndex(DestroyIndex);
        {
            SkippedColumns statusAlone(Request->Request.VarList);
            statusAlone.KeepOnly(RowStatusItem);
            Write(*Request, true);
        }
        // At once as well: the read after the answer takes its place.
        Read(*Request);
        ResetInputs();
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TPrivateVLANForm::btnCloseClick(QObject*) { Close(); }

void TPrivateVLANForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, lvData, Request); }
