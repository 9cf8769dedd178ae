#include "features/switching/LLDPRemoteForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

TLLDPRemoteForm* LLDPRemoteForm = nullptr;

TLLDPRemoteForm::TLLDPRemoteForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TLLDPRemoteForm::FormCreate);
    OnClose = ui::Handler(this, &TLLDPRemoteForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TLLDPRemoteForm::GetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLLDPRemoteForm::CloseButtonClick);
    ListView1->OnChange = ui::Handler(this, &TLLDPRemoteForm::ListView1Change);
    DoCreate();
}

TLLDPRemoteForm::~TLLDPRemoteForm() { Request.reset(); }

void TLLDPRemoteForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<NewRequest2Edits3>(this);
        const VarDescriptor* table = FindTable("Oid_lldp", "1.0.8802.1.1.2.1.4.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lldp 1.0.8802.1.1.2.1.4.1.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 3);
        Request->AttachListView(ListView1, true);
        StaticText1->SetCaption("0");
        // No end handler: the request reports every read in the status line.
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPRemoteForm::GetButtonClick(QObject*)
{
    // A read still running is superseded by this one: no row is listed twice.
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPRemoteForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TLLDPRemoteForm::CloseButtonClick(QObject*) { Close(); }

void TLLDPRemoteForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
