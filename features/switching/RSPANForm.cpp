#include "features/switching/RSPANForm.h"

#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "gui/VlanList.h"
#include "snmp/Exception.h"

#include "ui/Color.h"

TRSPANForm* RSPANForm = nullptr;

TRSPANForm::TRSPANForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TRSPANForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TRSPANForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TRSPANForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TRSPANForm::RefreshBtnClick);
    btnSet->OnClick = ui::Handler(this, &TRSPANForm::btnSetClick);
    btnAdd->OnClick = ui::Handler(this, &TRSPANForm::btnAddClick);
    btnDelete->OnClick = ui::Handler(this, &TRSPANForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TRSPANForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TRSPANForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TRSPANForm::ListView1Change);
    DoCreate();
}

TRSPANForm::~TRSPANForm() { Request.reset(); }

void TRSPANForm::FormCreate(QObject*)
{
    IngressPorts = AddPicker("Ingress Ports", PageControl1);
    EgressPorts = AddPicker("Egress Ports", PageControl1);
    RedirectPorts = AddPicker("Redirect Port", PageControl1);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_common", "1.3.6.1.4.1.171.12.68.3.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_common 1.3.6.1.4.1.171.12.68.3.1.1.1");
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(VlanItem, "%i{n1x4094l4}", ED_VLANID);
        const std::string ports = PortBitIndexText();
        Request->BindControlList(IngressItem, ports, IngressPorts->PortBoxes);
        Request->BindControlList(EgressItem, ports, EgressPorts->PortBoxes);
        Request->BindControlList(RedirectItem, ports, RedirectPorts->PortBoxes);
        Request->BindComboBox(RowStatusItem, CBoxStatus);
        Attach(*Request);
        Read(*Request);
        ShowRowCount(StaticText1, ListView1);
    });
    RowButtons(false);
    EnablePickers(false);
    CBoxStatus->SetItemIndex(CreateAndGoIndex);
}

void TRSPANForm::RowButtons(bool rowSelected)
{
    btnSet->setEnabled(rowSelected);
    btnDelete->setEnabled(rowSelected);
    btnAdd->setEnabled(!rowSelected);
}

void TRSPANForm::EnablePickers(bool enabled)
{
    for (TStackingPortUitForm* picker : {IngressPorts.data(), EgressPorts.data(), RedirectPorts.data()})
        if (picker != nullptr) {
            if (enabled)
                picker->EnableAll();
            else
                picker->DisableAll();
        }
}

void TRSPANForm::ResetInputs()
{
    for (TStackingPortUitForm* picker : {IngressPorts.data(), EgressPorts.data(), RedirectPorts.data()})
        if (picker != nullptr)
            picker->UncheckAll();
    EnablePickers(false);
    ED_VLANID->SetText("");
    ED_VLANID->setEnabled(true);
    ui::SetColor(ED_VLANID, ui::clWindow);
    btnSet->setEnabled(false);
    CBoxStatus->SetItemIndex(CreateAndGoIndex);
    ShowRowCount(StaticText1, ListView1);
}

void TRSPANForm::ListView1Click(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        ResetInputs();
        RowButtons(false);
        EnablePickers(false);
        return;
    }
    // The entry is in the controls, which its selection has enabled.
    ED_VLANID->setEnabled(false);
    ui::SetColor(ED_VLANID, ui::clMenu);
    RowButtons(true);
    if (RedirectPorts)
        RedirectPorts->EnableAll();
}

void TRSPANForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TRSPANForm::RefreshBtnClick(QObject*)
{
    if (DataComplete == 0)
        return;
    bool read = false;
    const bool ok = Guarded([&] {
        if (!Request || Running(Request.get()))
            return;
        Read(*Request);
        read = true;
        ResetInputs();
    });
    if (read || !ok)
        RowButtons(false);
}

void TRSPANForm::btnSetClick(QObject*)
{
    if (!Request)
        return;
    if (DataComplete == 0) {
        Say("Get data not complete");
        return;
    }
    ED_VLANID->setEnabled(false);
    ui::SetColor(ED_VLANID, ui::clMenu);
    Guarded([&] {
        {
            // The three port lists of the entry; its status stays as it is.
            SkippedColumns skipped(Request->Request.VarList);
            skipped.Skip(RowStatusItem);
            Write(*Request);
        }
        // The read goes out behind the write; a read still under way gives way to it.
        Read(*Request, true);
    });
    RowButtons(false);
    ResetInputs();
}

void TRSPANForm::btnAddClick(QObject*)
{
    if (RefuseWhileReading(Request.get()))
        return;
    if (ED_VLANID->Text().empty()) {
        Say("VLAN ID need to input.");
        ED_VLANID->SetFocus();
        return;
    }
    if (!CheckNumberField(ED_VLANID, "VLAN ID", 1, MaxVlanId, this))
        return;
    Guarded([&] {
        CBoxStatus->SetItemIndex(CreateAndGoIndex);
        DataComplete = 0;
        {
            // The entry alone: its port lists are chosen afterwards with Set.
            SkippedColumns skipped(Request->Request.VarList);
            skipped.KeepOnly(RowStatusItem);
            Write(*Request);
        }
        Read(*Request);
        ResetInputs();
    });
}

void TRSPANForm::btnDeleteClick(QObject*)
{
    if (RefuseWhileReading(Request.get()))
        return;
    Guarded([&] {
        CBoxStatus->SetItemIndex(DestroyIndex);
        DataComplete = 0;
        {
            SkippedColumns skipped(Request->Request.VarList);
            skipped.KeepOnly(RowStatusItem);
            Write(*Request);
        }
        Read(*Request);
        ResetInputs();
    });
    RowButtons(false);
}

void TRSPANForm::btnCloseClick(QObject*) { Close(); }

void TRSPANForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TRSPANForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
