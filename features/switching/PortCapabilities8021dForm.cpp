#include "features/switching/PortCapabilities8021dForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;

TPortCapabilities8021dForm::TPortCapabilities8021dForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this)
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TPortCapabilities8021dForm::FormCreate);
    OnClose = ui::Handler(this, &TPortCapabilities8021dForm::FormClose);
    RefreshBtn->OnClick = ui::Handler(this, &TPortCapabilities8021dForm::RefreshBtnClick);
    btn1->OnClick = ui::Handler(this, &TPortCapabilities8021dForm::btn1Click);
    LV_dot1dPortCapabilitiesEntry->OnChanging =
        ui::Handler(this, &TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging);
    DoCreate();
}

TPortCapabilities8021dForm::~TPortCapabilities8021dForm() { Request.reset(); }

void TPortCapabilities8021dForm::FormCreate(QObject*)
{
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 2,
                                               {2, "1.3.6.1.2.1.17.6.1.1.4.1.1"});
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qbridge 1.3.6.1.2.1.17.1.4.1.1 (port capabilities)");
        Request = std::make_unique<NewRequest2Edits4>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);
        Request->AttachListView(LV_dot1dPortCapabilitiesEntry, true);
        Attach(*Request, true, true);
        Read(*Request);
        ShowRowCount(ST_Count, LV_dot1dPortCapabilitiesEntry);
    });
}

void TPortCapabilities8021dForm::RefreshBtnClick(QObject*)
{
    if (DataComplete == 0) {
        Say(Variants().NotCompleteText);
        return;
    }
    Guarded([&] {
        if (!Request)
            return;
        Read(*Request);
        ShowRowCount(ST_Count, LV_dot1dPortCapabilitiesEntry);
    });
}

void TPortCapabilities8021dForm::LV_dot1dPortCapabilitiesEntryChanging(QObject*, ui::ListItem*)
{
    ShowRowCount(ST_Count, LV_dot1dPortCapabilitiesEntry);
}

void TPortCapabilities8021dForm::btn1Click(QObject*) { Close(); }

void TPortCapabilities8021dForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, LV_dot1dPortCapabilitiesEntry, Request);
}
