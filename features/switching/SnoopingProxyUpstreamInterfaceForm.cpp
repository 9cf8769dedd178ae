#include "features/switching/SnoopingProxyUpstreamInterfaceForm.h"

#include "features/common/FieldChecks.h"
#include "features/switching/IPv6FieldCheck.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"

namespace {

// Row indexes are OID sub-identifiers of a whole number: never negative.
constexpr long long MaxIndex = 2147483647;

} // namespace

TSnoopingProxyUpstreamInterfaceForm::TSnoopingProxyUpstreamInterfaceForm(QWidget* owner, const ProxyUpstreamKind& kind)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true}), kind_(kind)
{
}

void TSnoopingProxyUpstreamInterfaceForm::UseComponents(const Components& components)
{
    c_ = components;
    InitWindow();
    OnCreate = ui::Handler(this, &TSnoopingProxyUpstreamInterfaceForm::FormCreate);
    OnClose = ui::Handler(this, &TSnoopingProxyUpstreamInterfaceForm::FormClose);
    c_.btnGet->OnClick = ui::Handler(this, &TSnoopingProxyUpstreamInterfaceForm::btnGetClick);
    c_.btnSet->OnClick = ui::Handler(this, &TSnoopingProxyUpstreamInterfaceForm::btnSetClick);
    c_.btnClose->OnClick = ui::Handler(this, &TSnoopingProxyUpstreamInterfaceForm::btnCloseClick);
    c_.ListView1->OnClick = ui::Handler(this, &TSnoopingProxyUpstreamInterfaceForm::ListView1Click);
    c_.ListView1->OnChanging = ui::Handler(this, &TSnoopingProxyUpstreamInterfaceForm::ListView1Changing);
}

void TSnoopingProxyUpstreamInterfaceForm::FormCreate(QObject*)
{
    const std::string ports = PortBitIndexText();
    DynamicPorts = AddPicker("Dynamic Router Ports", c_.PageControl1);
    StaticPorts = AddPicker("Static Router Ports", c_.PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_mcastproxy", kind_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_mcastproxy ") + kind_.TableOid);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(c_.ListView1, true);
        Request->BindEdits(IndexItem, "%i", c_.IndexEdit);
        Request->BindEdits(VlanItem, "%i{n1x4094l4}", c_.VIDEdit);
        Request->BindControlList(DynamicPortsItem, ports, DynamicPorts->PortBoxes);
        Request->BindControlList(StaticPortsItem, ports, StaticPorts->PortBoxes);
        Request->BindEdits(IntervalItem, "%i{n1x25l2}", c_.IntervalTime);
        Request->BindEdits(SourceIPItem, kind_.SourceIPRule, c_.edtIPAddress);
        // The framework reports every read and write in the status line.
        Attach(*Request, false);
        Read(*Request);
        ShowRowCount(c_.StaticText1, c_.ListView1);
        c_.btnSet->setEnabled(false);
        ResetInputs();
        DisableDynamicPorts();
    });
}

void TSnoopingProxyUpstreamInterfaceForm::DisableDynamicPorts()
{
    if (DynamicPorts)
        DynamicPorts->DisableAll();
}

void TSnoopingProxyUpstreamInterfaceForm::ResetInputs()
{
    if (DynamicPorts)
        DynamicPorts->UncheckAll();
    for (ui::Edit* edit : {c_.edtIPAddress, c_.IndexEdit, c_.IntervalTime, c_.VIDEdit})
        edit->SetText("");
    c_.btnSet->setEnabled(false);
}

void TSnoopingProxyUpstreamInterfaceForm::ListView1Click(QObject*)
{
    if (c_.ListView1->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    // The row is in the edits and both pickers, which the selection enabled.
    c_.btnSet->setEnabled(true);
    DisableDynamicPorts();
}

void TSnoopingProxyUpstreamInterfaceForm::ListView1Changing(QObject*, ui::ListItem*)
{
    ShowRowCount(c_.StaticText1, c_.ListView1);
}

void TSnoopingProxyUpstreamInterfaceForm::btnGetClick(QObject*)
{
    // A read still under way gives way to this one.
    if (!Guarded([&] {
            if (Request)
                Read(*Request);
            ResetInputs();
        }))
        ResetInputs();
}

void TSnoopingProxyUpstreamInterfaceForm::btnSetClick(QObject*)
{
    if (!Request || !CheckInputs())
        return;
    // The row of the index in IndexEdit: its VLAN, static ports, interval and source address.
    Guarded([&] {
        Write(*Request);
        if (kind_.ReadAfterSet)
            Read(*Request);
    });
}

bool TSnoopingProxyUpstreamInterfaceForm::CheckInputs()
{
    if (!CheckNumberField(c_.IndexEdit, "Index", 0, MaxIndex, this) ||
        !CheckNumberField(c_.VIDEdit, "VLAN ID", 1, 4094, this) ||
        !CheckNumberField(c_.IntervalTime, "Unsolicited Report Interval", 1, 25, this))
        return false;
    return kind_.IPv6Source ? CheckIPv6Field(c_.edtIPAddress, "Source IP", this)
                            : CheckIPv4Field(c_.edtIPAddress, "Source IP", this);
}

void TSnoopingProxyUpstreamInterfaceForm::btnCloseClick(QObject*) { Close(); }

void TSnoopingProxyUpstreamInterfaceForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, c_.ListView1, Request);
}
