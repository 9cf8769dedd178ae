#include "features/switching/RouterPortsForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"

TRouterPortsForm::TRouterPortsForm(QWidget* owner, const RouterPortsKind& kind)
    : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true, .CloseActionFree = true}), kind_(kind)
{
}

void TRouterPortsForm::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    OnCreate = ui::Handler(this, &TRouterPortsForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TRouterPortsForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TRouterPortsForm::FormClose);
    c_.btnGet->OnClick = ui::Handler(this, &TRouterPortsForm::btnGetClick);
    c_.btnSet->OnClick = ui::Handler(this, &TRouterPortsForm::btnSetClick);
    c_.btnStop->OnClick = ui::Handler(this, &TRouterPortsForm::btnStopClick);
    c_.btnClose->OnClick = ui::Handler(this, &TRouterPortsForm::btnCloseClick);
    c_.ListView1->OnClick = ui::Handler(this, &TRouterPortsForm::ListView1Click);
    c_.ListView1->OnChange = ui::Handler(this, &TRouterPortsForm::ListView1Change);
}

void TRouterPortsForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    StaticPorts = AddPicker(kind_.StaticTab, c_.PageControl1);
    if (kind_.DynamicTabLast) {
        ForbiddenPorts = AddPicker(kind_.ForbiddenTab, c_.PageControl1);
        DynamicPorts = AddPicker(kind_.DynamicTab, c_.PageControl1);
    } else {
        DynamicPorts = AddPicker(kind_.DynamicTab, c_.PageControl1);
        ForbiddenPorts = AddPicker(kind_.ForbiddenTab, c_.PageControl1);
    }
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_mcast", kind_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_mcast ") + kind_.TableOid);
        Request->Request.VarList = MvSNMPVarList(table, kind_.ListKind, 1);
        Request->AttachListView(c_.ListView1, true);
        Request->BindStaticText(VlanItem, c_.stVlanID);
        Request->BindControlList(StaticItem, ports, StaticPorts->PortBoxes);
        Request->BindControlList(DynamicItem, ports, DynamicPorts->PortBoxes);
        Request->BindControlList(ForbiddenItem, ports, ForbiddenPorts->PortBoxes);
        Attach(*Request);
        Read(*Request);
        ShowRowCount(c_.StaticText1, c_.ListView1);
        if (kind_.ListKind == MVT_FMV)
            DisableDynamicPorts();
        c_.btnSet->setEnabled(false);
    });
}

void TRouterPortsForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    for (TStackingPortUitForm* picker : {StaticPorts.data(), ForbiddenPorts.data()})
        if (picker != nullptr)
            picker->EnableAll();
}

void TRouterPortsForm::DisableDynamicPorts()
{
    if (DynamicPorts)
        DynamicPorts->DisableAll();
}

void TRouterPortsForm::ResetInputs()
{
    for (TStackingPortUitForm* picker : {StaticPorts.data(), DynamicPorts.data(), ForbiddenPorts.data()})
        if (picker != nullptr)
            picker->UncheckAll();
    c_.stVlanID->SetCaption("");
    c_.btnSet->setEnabled(false);
}

void TRouterPortsForm::ListView1Click(QObject*)
{
    if (c_.ListView1->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    // The row is in the controls already, every bound control enabled by the selection.
    c_.btnSet->setEnabled(true);
    DisableDynamicPorts();
}

void TRouterPortsForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(c_.StaticText1, c_.ListView1); }

void TRouterPortsForm::btnGetClick(QObject*)
{
    if (!Request || DataComplete == 0 || Running(Request.get()))
        return;
    Guarded([&] {
        Read(*Request);
        ResetInputs();
    });
}

void TRouterPortsForm::btnSetClick(QObject*)
{
    if (c_.ListView1->Selected() == nullptr)
        return;
    if (DataComplete == 0) {
        Say(Variants().NotCompleteText);
        return;
    }
    if (!Request)
        return;
    if (Running(Request.get())) {
        Say(Variants().NotCompleteText);
        return;
    }
    DataComplete = 0;
    Guarded([&] {
        // The static and forbidden ports of the VLAN; the dynamic ones are read-only.
        Write(*Request);
        ResetInputs();
        Read(*Request);
    });
}

void TRouterPortsForm::btnStopClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TRouterPortsForm::btnCloseClick(QObject*) { Close(); }

void TRouterPortsForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TRouterPortsForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.ListView1, Request); }
