#include "features/switching/LLDPPortConfigForm.h"

#include "features/switching/LLDPPortConfigurationForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include <exception>

TLLDPPortConfigForm* LLDPPortConfigForm = nullptr;

TLLDPPortConfigForm::TLLDPPortConfigForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true, .StopSetsDataComplete = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TLLDPPortConfigForm::FormCreate);
    OnClose = ui::Handler(this, &TLLDPPortConfigForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TLLDPPortConfigForm::GetButtonClick);
    EditButton->OnClick = ui::Handler(this, &TLLDPPortConfigForm::EditButtonClick);
    StopButton->OnClick = ui::Handler(this, &TLLDPPortConfigForm::StopButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLLDPPortConfigForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TLLDPPortConfigForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TLLDPPortConfigForm::ListView1Change);
    TLVsEdit->OnClick = ui::Handler(this, &TLLDPPortConfigForm::TLVsEditClick);
    DoCreate();
}

TLLDPPortConfigForm::~TLLDPPortConfigForm() { Request.reset(); }

void TLLDPPortConfigForm::FormCreate(QObject*)
{
    const bool created = Guarded([&] {
        ::LLDPPortConfigurationForm = new TLLDPPortConfigurationForm(this);
        Request = std::make_unique<NewRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_lldp", "1.0.8802.1.1.2.1.1.6.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lldp 1.0.8802.1.1.2.1.1.6.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindStaticText(PortItem, PortText);
        Request->BindComboBox(AdminStateItem, AdminStateComboBox);
        Request->BindComboBox(NotificationItem, NotificationComboBox);
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

void TLLDPPortConfigForm::ResetInputs()
{
    PortText->SetCaption(" ");
    AdminStateComboBox->SetItemIndex(-1);
    NotificationComboBox->SetItemIndex(-1);
    TLVsEdit->SetText("");
    EditButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TLLDPPortConfigForm::GetButtonClick(QObject*)
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

void TLLDPPortConfigForm::ListView1Click(QObject*) { EditButton->setEnabled(ListView1->Selected() != nullptr); }

void TLLDPPortConfigForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TLLDPPortConfigForm::TLVsEditClick(QObject*)
{
    try {
        if (!EditButton->isEnabled())
            EditButton->setEnabled(true);
        if (::LLDPPortConfigurationForm != nullptr)
            ::LLDPPortConfigurationForm->ShowModal();
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
}

void TLLDPPortConfigForm::EditButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    PortEditLabel->setEnabled(false);
    // The port's settings go out and the editors are cleared; the window waits for the answer
    // (a refused write is shown), then reads the table again. A Close asked for meanwhile waits
    // until this returns.
    Guarded([&] { SetAndWait(*Request, [this] { ResetInputs(); }); });
}

void TLLDPPortConfigForm::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
    else
        DataComplete = 1;
}

void TLLDPPortConfigForm::CloseButtonClick(QObject*) { Close(); }

void TLLDPPortConfigForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
