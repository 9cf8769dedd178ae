#include "features/switching/PBridgeConfigForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Control.h"

TPBridgeConfigForm* PBridgeConfigForm = nullptr;

TPBridgeConfigForm::TPBridgeConfigForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TPBridgeConfigForm::FormCreate);
    OnClose = ui::Handler(this, &TPBridgeConfigForm::FormClose);
    BT_Get->OnClick = ui::Handler(this, &TPBridgeConfigForm::BT_GetClick);
    Button1->OnClick = ui::Handler(this, &TPBridgeConfigForm::Button1Click);
    DoCreate();
}

TPBridgeConfigForm::~TPBridgeConfigForm() { Request.reset(); }

void TPBridgeConfigForm::FormCreate(QObject*)
{
    Edit_DeviceCapabilities->SetCaption(DeviceCapabilities);
    ui::SetHint(Edit_DeviceCapabilities, DeviceCapabilities);
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.6.1.1.2");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qbridge 1.3.6.1.2.1.17.6.1.1.2");
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindComboBox(0, TrafficClassesState);
        LogToStatusLine(*Request);
        Read(*Request);
    });
}

void TPBridgeConfigForm::BT_GetClick(QObject*)
{
    // A read still out is superseded by this one: its late answers are dropped.
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
}

void TPBridgeConfigForm::Button1Click(QObject*) { Close(); }

void TPBridgeConfigForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }
