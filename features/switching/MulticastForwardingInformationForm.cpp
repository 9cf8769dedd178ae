#include "features/switching/MulticastForwardingInformationForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

TMulticastForwardingInformationForm* MulticastForwardingInformationForm = nullptr;

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TMulticastForwardingInformationForm::FormCreate);
    OnClose = ui::Handler(this, &TMulticastForwardingInformationForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TMulticastForwardingInformationForm::RefreshBtnClick);
    SetBtn->OnClick = ui::Handler(this, &TMulticastForwardingInformationForm::SetBtnClick);
    btnClose->OnClick = ui::Handler(this, &TMulticastForwardingInformationForm::btnCloseClick);
    LV_dot1qForwardUnregisteredEntry->OnChange =
        ui::Handler(this, &TMulticastForwardingInformationForm::LV_dot1qForwardUnregisteredEntryChange);
    DoCreate();
}

TMulticastForwardingInformationForm::~TMulticastForwardingInformationForm() { Request.reset(); }

void TMulticastForwardingInformationForm::FormCreate(QObject*)
{
    // The boxes of unit 1 stand for the first 64 ports of each list; the octets of the other
    // units stay in the value as the switch sent them.
    const std::string ports = PortBitIndexText();
    ForwardPorts = AddPicker("Forward Ports", PageControl1);
    StaticPorts = AddPicker("Static Ports", PageControl1);
    ForbiddenPorts = AddPicker("Forbidden Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", 4,
                                               {2, "1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports"});
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qbridge for the forward-all table");
        Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);
        // The pickers are usable while a row is selected (the framework disables them after
        // every read until then).
        Request->AttachListView(LV_dot1qForwardUnregisteredEntry, true);
        Request->BindControlList(AllPortsItem, ports, ForwardPorts->PortBoxes);
        Request->BindControlList(StaticPortsItem, ports, StaticPorts->PortBoxes);
        Request->BindControlList(ForbiddenPortsItem, ports, ForbiddenPorts->PortBoxes);
        Attach(*Request, false);
        Read(*Request);
        if (LV_dot1qForwardUnregisteredEntry->Count() == 0)
            ST_Count->SetCaption("0");
    });
}

void TMulticastForwardingInformationForm::RefreshBtnClick(QObject*)
{
    // A read still under way gives way to this one: no row is listed twice.
    Guarded([&] {
        if (Request)
            Read(*Request);
        ShowRowCount(ST_Count, LV_dot1qForwardUnregisteredEntry);
    });
}

void TMulticastForwardingInformationForm::SetBtnClick(QObject*)
{
    // Without a row the key would be empty and the lists would go to VLAN 0.
    if (!Request || LV_dot1qForwardUnregisteredEntry->Selected() == nullptr)
        return;
    Guarded([&] {
        // The static and forbidden ports of the row; the framework reads the table again after
        // the answer.
        Write(*Request, true);
        ShowRowCount(ST_Count, LV_dot1qForwardUnregisteredEntry);
    });
}

void TMulticastForwardingInformationForm::LV_dot1qForwardUnregisteredEntryChange(QObject*, ui::ListItem*)
{
    ShowRowCount(ST_Count, LV_dot1qForwardUnregisteredEntry);
}

void TMulticastForwardingInformationForm::btnCloseClick(QObject*) { Close(); }

void TMulticastForwardingInformationForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, LV_dot1qForwardUnregisteredEntry, Request);
}
