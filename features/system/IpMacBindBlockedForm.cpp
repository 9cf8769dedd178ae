#include "features/system/IpMacBindBlockedForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TIpMacBindBlockedForm* IpMacBindBlockedForm = nullptr;

TIpMacBindBlockedForm::TIpMacBindBlockedForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    // The status Delete sends is the window's choice, never the user's.
    ComboType->hide();
    OnCreate = ui::Handler(this, &TIpMacBindBlockedForm::FormCreate);
    OnClose = ui::Handler(this, &TIpMacBindBlockedForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TIpMacBindBlockedForm::btnGetClick);
    btnDelete->OnClick = ui::Handler(this, &TIpMacBindBlockedForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TIpMacBindBlockedForm::btnCloseClick);
    lv1->OnClick = ui::Handler(this, &TIpMacBindBlockedForm::lv1Click);
    lv1->OnChange = ui::Handler(this, &TIpMacBindBlockedForm::lv1Change);
    DoCreate();
}

TIpMacBindBlockedForm::~TIpMacBindBlockedForm() { Request.reset(); }

void TIpMacBindBlockedForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_ipmacbind", "1.3.6.1.4.1.171.12.23.4.2.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_ipmacbind for the blocked hosts");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(lv1, true);
        Request->BindComboBox(RowStatusItem, ComboType);
        Attach(*Request, false);
        Request->Mode = 0;
        Read(*Request);
    });
    ShowRowCount(txt1, lv1);
    btnDelete->setEnabled(false);
}

void TIpMacBindBlockedForm::btnGetClick(QObject*)
{
    // Delete keeps its state: without a selected row it does nothing.
    if (!Request || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
    ShowRowCount(txt1, lv1);
}

void TIpMacBindBlockedForm::lv1Click(QObject*) { btnDelete->setEnabled(lv1->Selected() != nullptr); }

void TIpMacBindBlockedForm::lv1Change(QObject*, ui::ListItem*) { ShowRowCount(txt1, lv1); }

void TIpMacBindBlockedForm::btnDeleteClick(QObject*)
{
    if (!Request || Running(Request.get()) || lv1->Selected() == nullptr)
        return;
    // The status is the only settable column: destroy goes out alone at the row's VLAN and MAC,
    // and the request reads the table again once the switch took it.
    ComboType->SetItemIndex(DestroyIndex);
    Guarded([&] { Write(*Request, true); });
    ShowRowCount(txt1, lv1);
}

void TIpMacBindBlockedForm::btnCloseClick(QObject*) { Close(); }

void TIpMacBindBlockedForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, lv1, Request); }
