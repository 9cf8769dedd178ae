#include "features/system/MacStatisticTableForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TMacStatisticTableForm* MacStatisticTableForm = nullptr;

TMacStatisticTableForm::TMacStatisticTableForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TMacStatisticTableForm::FormCreate);
    OnClose = ui::Handler(this, &TMacStatisticTableForm::FormClose);
    Button1->OnClick = ui::Handler(this, &TMacStatisticTableForm::Button1Click);
    btnClose->OnClick = ui::Handler(this, &TMacStatisticTableForm::btnCloseClick);
    ListView1->OnChanging = ui::Handler(this, &TMacStatisticTableForm::ListView1Changing);
    DoCreate();
}

TMacStatisticTableForm::~TMacStatisticTableForm() { Request.reset(); }

void TMacStatisticTableForm::FormCreate(QObject*)
{
    // No guard of its own: an exception of the first read is shown by the window layer in a
    // message box, and the window opens all the same.
    const VarDescriptor* table = FindTable("Oid_mba", "1.3.6.1.4.1.171.12.3.6.1.1.1", "MAC Address", 14);
    if (table == nullptr)
        throw Exception("No descriptor table Oid_mba for the PAE frame statistics");
    Request = std::make_unique<MvSNMPRequest2Edits>(this);
    Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 2);
    Request->Mode = 0;
    Request->AttachListView(ListView1, true);
    Attach(*Request, false);
    Read(*Request);
    ShowRowCount(txtCount, ListView1);
}

void TMacStatisticTableForm::Button1Click(QObject*)
{
    if (!Request)
        return;
    // An exception is written as the request's log line.
    Guarded([&] { Read(*Request); });
    ShowRowCount(txtCount, ListView1);
}

void TMacStatisticTableForm::ListView1Changing(QObject*, ui::ListItem*) { ShowRowCount(txtCount, ListView1); }

void TMacStatisticTableForm::btnCloseClick(QObject*) { Close(); }

void TMacStatisticTableForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
