#include "features/system/RPCPortMapperForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"

TRPCPortMapperForm* RPCPortMapperForm = nullptr;

namespace {

const char* const EnabledPorts = "1.3.6.1.4.1.171.12.37.6.1";

} // namespace

TRPCPortMapperForm::TRPCPortMapperForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TRPCPortMapperForm::FormCreate);
    OnClose = ui::Handler(this, &TRPCPortMapperForm::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TRPCPortMapperForm::BT_GetClick);
    SetBtn->OnClick = ui::Handler(this, &TRPCPortMapperForm::SetBtnClick);
    BT_Close->OnClick = ui::Handler(this, &TRPCPortMapperForm::BT_CloseClick);
    DoCreate();
}

TRPCPortMapperForm::~TRPCPortMapperForm() { Request.reset(); }

void TRPCPortMapperForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Enabled Ports", pgc1);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_dhcpserver", EnabledPorts);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_dhcpserver ") + EnabledPorts);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->Mode = 0;
        Request->BindControlList(0, PortBitIndexText(), PortPicker->PortBoxes);
        Read(*Request);
        // The status line reports from the next exchange on.
        Attach(*Request, false);
    });
}

void TRPCPortMapperForm::BT_GetClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
}

void TRPCPortMapperForm::SetBtnClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    // Synchronous: a refusal has shown its message box when Write returns.
    Guarded([&] { Write(*Request, true); });
    BT_GetClick(BT_Get);
}

void TRPCPortMapperForm::BT_CloseClick(QObject*) { Close(); }

void TRPCPortMapperForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
