#include "features/switching/LLDPDot3LinkAggForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm = nullptr;

TLLDPDot3LinkAggForm::TLLDPDot3LinkAggForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TLLDPDot3LinkAggForm::FormCreate);
    OnClose = ui::Handler(this, &TLLDPDot3LinkAggForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TLLDPDot3LinkAggForm::GetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLLDPDot3LinkAggForm::CloseButtonClick);
    ListView1->OnChange = ui::Handler(this, &TLLDPDot3LinkAggForm::ListView1Change);
    DoCreate();
}

TLLDPDot3LinkAggForm::~TLLDPDot3LinkAggForm() { Request.reset(); }

void TLLDPDot3LinkAggForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<NewRequest2Edits1>(this);
        const VarDescriptor* table = FindTable("Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.2.3.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lldp 1.0.8802.1.1.2.1.5.4623.1.2.3.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_FMV, 1);
        Request->AttachListView(ListView1, true);
        StaticText1->SetCaption("0");
        // No end handler: the request reports every read in the status line.
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot3LinkAggForm::GetButtonClick(QObject*)
{
    // A read still running is superseded by this one: no row is listed twice.
    Guarded([&] {
        if (Request)
            Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot3LinkAggForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TLLDPDot3LinkAggForm::CloseButtonClick(QObject*) { Close(); }

void TLLDPDot3LinkAggForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
