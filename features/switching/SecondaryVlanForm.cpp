#include "features/switching/SecondaryVlanForm.h"

#include "features/common/FieldChecks.h"

#include "features/common/EditorEnabling.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"

TSecondaryVlanForm* SecondaryVlanForm = nullptr;

TSecondaryVlanForm::TSecondaryVlanForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TSecondaryVlanForm::FormCreate);
    OnClose = ui::Handler(this, &TSecondaryVlanForm::FormClose);
    btnRefresh->OnClick = ui::Handler(this, &TSecondaryVlanForm::btnRefreshClick);
    btnSet->OnClick = ui::Handler(this, &TSecondaryVlanForm::btnSetClick);
    btnEdit->OnClick = ui::Handler(this, &TSecondaryVlanForm::btnEditClick);
    btnDel->OnClick = ui::Handler(this, &TSecondaryVlanForm::btnDelClick);
    btnClose->OnClick = ui::Handler(this, &TSecondaryVlanForm::btnCloseClick);
    lvData->OnClick = ui::Handler(this, &TSecondaryVlanForm::lvDataClick);
    lvData->OnChange = ui::Handler(this, &TSecondaryVlanForm::lvDataChange);
    DoCreate();
}

TSecondaryVlanForm::~TSecondaryVlanForm() { Request.reset(); }

void TSecondaryVlanForm::FormCreate(QObject*)
{
    Ports = AddPicker("Ports", pgcData);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_privatevlan", "1.3.6.1.4.1.171.12.69.3.2.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_privatevlan for the secondary VLANs");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(lvData, true);
        Request->BindEdits(PrivateVlanIdItem, "%i{n2x4094l4}", edtPrivateVID);
        Request->BindEdits(SecondaryVlanIdItem, "%i{n2x4094l4}", edtSecondVID);
        Request->BindComboBox(VlanTypeItem, cbbVLANType);
        Request->BindControlList(PortsItem, PortBitIndexText(), Ports->PortBoxes);
        Request->BindComboBox(RowStatusItem, cbbRowStates);
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(txtCount, lvData);
    // Delete, like Edit, waits for a row to be selected.
    btnDel->setEnabled(false);
}

void TSecondaryVlanForm::ResetInputs()
{
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);
    btnSet->setEnabled(true);
    EnableEditors({edtPrivateVID, edtSecondVID}, true);
    edtPrivateVID->SetText("");
    edtSecondVID->SetText("");
    cbbVLANType->SetItemIndex(-1);
    if (Ports)
        Ports->UncheckAll();
    ShowRowCount(txtCount, lvData);
}

void TSecondaryVlanForm::LogFailure(const std::exception& e)
{
    if (Request && Request->LogTarget() != nullptr)
        Request->WriteLogLine(e.what());
    else
        ShowInStatusLine(e.what());
}

void TSecondaryVlanForm::lvDataClick(QObject*)
{
    const bool selected = lvData->Selected() != nullptr;
    btnEdit->setEnabled(selected);
    btnDel->setEnabled(selected);
    btnSet->setEnabled(!selected);
    // The two IDs name the row; its type and ports stay editable.
    EnableEditors({edtPrivateVID, edtSecondVID}, !selected);
    if (selected)
        return;
    edtPrivateVID->SetText("");
    edtSecondVID->SetText("");
    cbbVLANType->SetItemIndex(-1);
    if (Ports)
        Ports->UncheckAll();
}

void TSecondaryVlanForm::lvDataChange(QObject*, ui::ListItem*) { ShowRowCount(txtCount, lvData); }

void TSecondaryVlanForm::btnRefreshClick(QObject*)
{
    try {
        if (Request)
            Read(*Request);
    } catch (const std::exception& e) {
        LogFailure(e);
    }
    ResetInputs();
}

bool TSecondaryVlanForm::CheckNewVlan()
{
    const auto refuse = [this](const char* text, QWidget* control) {
        Say(text);
        if (control->isEnabled())
            control->setFocus();
        return false;
    };
    if (edtPrivateVID->Text().empty())
        return refuse("Please input Private VLAN ID first.", edtPrivateVID);
    if (edtSecondVID->Text().empty())
        return refuse("Please input Second VLAN ID.", edtSecondVID);
    if (!CheckNumberField(edtPrivateVID, "Private VLAN ID", 2, 4094, this) ||
        !CheckNumberField(edtSecondVID, "Secondary VLAN ID", 2, 4094, this))
        return false;
    if (cbbVLANType->ItemIndex() < 0)
        return refuse("Please selecct VLAN Type.", cbbVLANType);
    return true;
}

void TSecondaryVlanForm::btnSetClick(QObject*)
{
    if (!Request || !CheckNewVlan())
        return;
    try {
        // Type, ports and createAndGo; the framework reads the table again after the answer.
        cbbRowStates->SetItemIndex(CreateAndGoIndex);
        Write(*Request, true);
    } catch (const std::exception& e) {
        LogFailure(e);
    }
    ResetInputs();
}

void TSecondaryVlanForm::btnEditClick(QObject*)
{
    // The selected row alone: without one the IDs in the editors are those typed for an Add.
    if (!Request || lvData->Selected() == nullptr)
        return;
    try {
        cbbRowStates->SetItemIndex(ActiveIndex);
        Write(*Request, true);
        // At once as well: the read after the answer takes its place.
        Read(*Request);
    } catch (const std::exception& e) {
        LogFailure(e);
    }
    ResetInputs();
}

void TSecondaryVlanForm::btnDelClick(QObject*)
{
    // The selected row alone: without one the IDs in the editors are those typed for an Add.
    if (!Request || lvData->Selected() == nullptr)
        return;
    try {
        cbbRowStates->SetItemIndex(DestroyIndex);
        {
            SkippedColumns statusAlone(Request->Request.VarList);
            statusAlone.KeepOnly(RowStatusItem);
            Write(*Request, true);
        }
        Read(*Request);
        ResetInputs();
    } catch (const std::exception& e) {
        LogFailure(e);
        ShowRowCount(txtCount, lvData);
    }
}

void TSecondaryVlanForm::btnCloseClick(QObject*) { Close(); }

void TSecondaryVlanForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, lvData, Request); }
