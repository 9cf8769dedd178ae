#include "features/switching/LLDPDot3PortConfigForm.h"

#include "features/switching/LLDPDot3PortConfigurationForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include <exception>

TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm = nullptr;

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true, .StopSetsDataComplete = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TLLDPDot3PortConfigForm::FormCreate);
    OnClose = ui::Handler(this, &TLLDPDot3PortConfigForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TLLDPDot3PortConfigForm::GetButtonClick);
    EditButton->OnClick = ui::Handler(this, &TLLDPDot3PortConfigForm::EditButtonClick);
    Button1->OnClick = ui::Handler(this, &TLLDPDot3PortConfigForm::Button1Click);
    CloseButton->OnClick = ui::Handler(this, &TLLDPDot3PortConfigForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TLLDPDot3PortConfigForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TLLDPDot3PortConfigForm::ListView1Change);
    TLVsEdit->OnClick = ui::Handler(this, &TLLDPDot3PortConfigForm::TLVsEditClick);
    DoCreate();
}

TLLDPDot3PortConfigForm::~TLLDPDot3PortConfigForm() { Request.reset(); }

void TLLDPDot3PortConfigForm::FormCreate(QObject*)
{
    const bool created = Guarded([&] {
        ::LLDPDot3PortConfigurationForm = new TLLDPDot3PortConfigurationForm(this);
        Request = std::make_unique<LLDPDot3PortConfigNewRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.1.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lldp 1.0.8802.1.1.2.1.5.4623.1.1.1.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindStaticText(PortItem, PortText);
        Request->BindEdits(TlvsItem, "%s{l256}", TLVsEdit);
        Attach(*Request, true, true);
        EditButton->setEnabled(false);
        PortEditLabel->setEnabled(false);
        Read(*Request);
    });
    if (!created)
        EditButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot3PortConfigForm::ResetInputs()
{
    PortText->SetCaption(" ");
    TLVsEdit->SetText("");
    EditButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot3PortConfigForm::GetButtonClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete");
        return;
    }
    // A walk that Stop left behind is superseded by this read: its late answers list nothing.
    const bool read = Guarded([&] {
        ResetInputs();
        if (Request)
            Read(*Request);
    });
    if (!read)
        EditButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPDot3PortConfigForm::ListView1Click(QObject*) { EditButton->setEnabled(ListView1->Selected() != nullptr); }

void TLLDPDot3PortConfigForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TLLDPDot3PortConfigForm::TLVsEditClick(QObject*)
{
    try {
        if (!EditButton->isEnabled())
            EditButton->setEnabled(true);
        if (::LLDPDot3PortConfigurationForm != nullptr)
            ::LLDPDot3PortConfigurationForm->ShowModal();
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
}

void TLLDPDot3PortConfigForm::EditButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    PortEditLabel->setEnabled(false);
    // The port's TLVs go out and the editors are cleared; the window waits for the answer (a
    // refused write is shown), then reads the table again. A Close asked for meanwhile waits
    // until this returns.
    Guarded([&] { SetAndWait(*Request, [this] { ResetInputs(); }); });
}

void TLLDPDot3PortConfigForm::Button1Click(QObject*)
{
    if (Request)
        Stop(*Request);
    else
        DataComplete = 1;
}

void TLLDPDot3PortConfigForm::CloseButtonClick(QObject*) { Close(); }

void TLLDPDot3PortConfigForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
