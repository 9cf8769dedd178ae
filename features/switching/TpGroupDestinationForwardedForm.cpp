#include "features/switching/TpGroupDestinationForwardedForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm = nullptr;

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TTpGroupDestinationForwardedForm::FormCreate);
    OnClose = ui::Handler(this, &TTpGroupDestinationForwardedForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TTpGroupDestinationForwardedForm::RefreshBtnClick);
    btnClose->OnClick = ui::Handler(this, &TTpGroupDestinationForwardedForm::btnCloseClick);
    LV_dot1qTpGroupEntry->OnChange = ui::Handler(this, &TTpGroupDestinationForwardedForm::LV_dot1qTpGroupEntryChange);
    DoCreate();
}

TTpGroupDestinationForwardedForm::~TTpGroupDestinationForwardedForm() { Request.reset(); }

void TTpGroupDestinationForwardedForm::FormCreate(QObject*)
{
    // The boxes of unit 1 stand for the first 64 ports of each list; the octets of the other
    // units stay in the value as the switch sent them.
    const std::string ports = PortBitIndexText();
    EgressPorts = AddPicker("Egress Ports", PageControl1);
    LearntPorts = AddPicker("GMRP Learning Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", 4,
                                               {2, "1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address"});
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qbridge for the Tp group table");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(LV_dot1qTpGroupEntry, true);
        Request->BindControlList(EgressItem, ports, EgressPorts->PortBoxes);
        Request->BindControlList(LearntItem, ports, LearntPorts->PortBoxes);
        Attach(*Request, false);
        Read(*Request);
        if (LV_dot1qTpGroupEntry->Count() == 0)
            StaticText1->SetCaption("0");
    });
}

void TTpGroupDestinationForwardedForm::RefreshBtnClick(QObject*)
{
    // A read still under way gives way to this one: no row is listed twice.
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
}

void TTpGroupDestinationForwardedForm::LV_dot1qTpGroupEntryChange(QObject*, ui::ListItem*)
{
    ShowRowCount(StaticText1, LV_dot1qTpGroupEntry);
}

void TTpGroupDestinationForwardedForm::btnCloseClick(QObject*) { Close(); }

void TTpGroupDestinationForwardedForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, LV_dot1qTpGroupEntry, Request);
}
