#include "features/switching/EEEStateFormUnit.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

TEEEStateFormUnit* EEEStateFormUnit = nullptr;

namespace {

// Hundredths of a second the switch may take over each attempt of a write, and after it.
constexpr int WriteTimeout = 600;

} // namespace

TEEEStateFormUnit::TEEEStateFormUnit(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TEEEStateFormUnit::FormCreate);
    OnClose = ui::Handler(this, &TEEEStateFormUnit::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TEEEStateFormUnit::BT_GetClick);
    SetBtn->OnClick = ui::Handler(this, &TEEEStateFormUnit::SetBtnClick);
    BT_Close->OnClick = ui::Handler(this, &TEEEStateFormUnit::BT_CloseClick);
    DoCreate();
}

TEEEStateFormUnit::~TEEEStateFormUnit() { Request.reset(); }

void TEEEStateFormUnit::FormCreate(QObject*)
{
    Ports = AddPicker("EEE State", pgc1);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_equipment", "1.3.6.1.4.1.171.12.11.1.11.20.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_equipment 1.3.6.1.4.1.171.12.11.1.11.20.1");
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->Mode = 0;
        Request->BindControlList(0, PortBitIndexText(), Ports->PortBoxes);
        Attach(*Request, false);
        Read(*Request);
    });
}

void TEEEStateFormUnit::BT_GetClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
}

void TEEEStateFormUnit::SetBtnClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    Request->Request.Timeout = WriteTimeout;
    Guarded([&] {
        Write(*Request, true);
        // What the switch keeps.
        Read(*Request);
    });
}

void TEEEStateFormUnit::BT_CloseClick(QObject*) { Close(); }

void TEEEStateFormUnit::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
