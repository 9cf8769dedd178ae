#include "features/switching/LLDPDot1TxFrame.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include <string>

TLLDPDot1TxFrame::TLLDPDot1TxFrame(QWidget* owner, const Dot1TxSettings& settings)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true, .StopSetsDataComplete = true}),
      settings_(settings)
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    Label2->SetCaption(settings_.KeyLabel);
    Label3->SetCaption(settings_.TxLabel);
    OnCreate = ui::Handler(this, &TLLDPDot1TxFrame::FormCreate);
    OnClose = ui::Handler(this, &TLLDPDot1TxFrame::FormClose);
    RefreshButton->OnClick = ui::Handler(this, &TLLDPDot1TxFrame::RefreshButtonClick);
    SetButton->OnClick = ui::Handler(this, &TLLDPDot1TxFrame::SetButtonClick);
    StopButton->OnClick = ui::Handler(this, &TLLDPDot1TxFrame::StopButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLLDPDot1TxFrame::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TLLDPDot1TxFrame::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TLLDPDot1TxFrame::ListView1Change);
    DoCreate();
}

TLLDPDot1TxFrame::~TLLDPDot1TxFrame() { Request.reset(); }

void TLLDPDot1TxFrame::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_lldp", settings_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_lldp ") + settings_.TableOid);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindStaticText(PortItem, PortNumberText);
        Request->BindStaticText(IndexItem, IndexText);
        Request->BindComboBox(TxItem, TXComboBox);
        Attach(*Request, true, true);
        Read(*Request);
    });
    // The keys are shown, never edited.
    SetButton->setEnabled(false);
    Label1->setEnabled(false);
    Label2->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot1TxFrame::ResetInputs()
{
    IndexText->SetCaption(" ");
    PortNumberText->SetCaption(" ");
    TXComboBox->SetItemIndex(-1);
    SetButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot1TxFrame::RefreshButtonClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete.");
        return;
    }
    // A walk that Stop left behind is superseded by this read: its late answers list nothing.
    Guarded([&] {
        ResetInputs();
        Label1->setEnabled(false);
        Label2->setEnabled(false);
        if (Request)
            Read(*Request);
    });
    SetButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot1TxFrame::ListView1Click(QObject*)
{
    SetButton->setEnabled(ListView1->Selected() != nullptr);
    Label1->setEnabled(false);
    Label2->setEnabled(false);
}

void TLLDPDot1TxFrame::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TLLDPDot1TxFrame::SetButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr || !Request)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    // The row's value goes out and the editors are cleared; the window waits for the answer (a
    // refused write is shown), then reads the table again. A Close asked for meanwhile waits
    // until this returns. What went wrong otherwise is shown in the status line.
    if (!Guarded([&] { SetAndWait(*Request, [this] { ResetInputs(); }); }))
        ResetInputs();
}

void TLLDPDot1TxFrame::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
    else
        DataComplete = 1;
}

void TLLDPDot1TxFrame::CloseButtonClick(QObject*) { Close(); }

void TLLDPDot1TxFrame::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
