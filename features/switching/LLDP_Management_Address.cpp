#include "features/switching/LLDP_Management_Address.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

TLLDP_Management_Address* LLDP_Management_Address = nullptr;

TLLDP_Management_Address::TLLDP_Management_Address(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true,
                                              .KeepLayoutSize = true,
                                              .StopSetsDataComplete = true,
                                              .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TLLDP_Management_Address::FormCreate);
    OnClose = ui::Handler(this, &TLLDP_Management_Address::FormClose);
    btnGet->OnClick = ui::Handler(this, &TLLDP_Management_Address::btnGetClick);
    btnEdit->OnClick = ui::Handler(this, &TLLDP_Management_Address::btnEditClick);
    StopButton->OnClick = ui::Handler(this, &TLLDP_Management_Address::StopButtonClick);
    btnClose->OnClick = ui::Handler(this, &TLLDP_Management_Address::btnCloseClick);
    // Before the request takes the list: it calls this handler first on every selection.
    ListView1->OnSelectItem = ui::Handler(this, &TLLDP_Management_Address::ListView1SelectItem);
    ListView1->OnChange = ui::Handler(this, &TLLDP_Management_Address::ListView1Change);
    DoCreate();
}

TLLDP_Management_Address::~TLLDP_Management_Address() { Request.reset(); }

void TLLDP_Management_Address::FormCreate(QObject*)
{
    Ports = AddPicker("Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_lldp", "1.0.8802.1.1.2.1.1.7.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lldp 1.0.8802.1.1.2.1.1.7.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindControlList(PortsItem, PortBitIndexText(), Ports->PortBoxes);
        Attach(*Request, true, true);
        Read(*Request);
        btnEdit->setEnabled(false);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TLLDP_Management_Address::btnGetClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete!");
        return;
    }
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
    ShowRowCount(StaticText1, ListView1);
    btnEdit->setEnabled(false);
    if (Ports)
        Ports->UncheckAll();
}

void TLLDP_Management_Address::ListView1SelectItem(QObject*, ui::ListItem*, bool)
{
    btnEdit->setEnabled(ListView1->Selected() != nullptr);
}

void TLLDP_Management_Address::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TLLDP_Management_Address::btnEditClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete");
        return;
    }
    if (!Request || Running(Request.get()))
        return;
    // The port list of the chosen address; the window waits for the answer (a refused write is
    // shown), then reads the table again. A Close asked for meanwhile waits until this returns.
    if (!Guarded([&] { SetAndWait(*Request); }))
        btnEdit->setEnabled(false);
}

void TLLDP_Management_Address::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
    else
        DataComplete = 1;
}

void TLLDP_Management_Address::btnCloseClick(QObject*) { Close(); }

void TLLDP_Management_Address::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
