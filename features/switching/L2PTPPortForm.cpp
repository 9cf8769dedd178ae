#include "features/switching/L2PTPPortForm.h"

#include "features/switching/l2PTPPortEditForm.h"

#include "features/common/EditorEnabling.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include <exception>

TL2PTPPortForm* L2PTPPortForm = nullptr;

TL2PTPPortForm::TL2PTPPortForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true, .StopSetsDataComplete = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TL2PTPPortForm::FormCreate);
    OnClose = ui::Handler(this, &TL2PTPPortForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TL2PTPPortForm::GetButtonClick);
    EditButton->OnClick = ui::Handler(this, &TL2PTPPortForm::EditButtonClick);
    StopButton->OnClick = ui::Handler(this, &TL2PTPPortForm::StopButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TL2PTPPortForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TL2PTPPortForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TL2PTPPortForm::ListView1Change);
    // Set before the binding, which keeps it and calls it on every choice.
    TypeComboBox->OnChange = ui::Handler(this, &TL2PTPPortForm::TypeComboBoxChange);
    ProtocolEdit->OnClick = ui::Handler(this, &TL2PTPPortForm::ProtocolEditClick);
    DoCreate();
}

TL2PTPPortForm::~TL2PTPPortForm() { Request.reset(); }

void TL2PTPPortForm::FormCreate(QObject*)
{
    const bool created = Guarded([&] {
        ::l2PTPPortEditForm = new Tl2PTPPortEditForm(this);
        Request = std::make_unique<NewRequest2EditsForL2PTP>(this);
        const VarDescriptor* table = FindTable("Oid_lacpoam", "1.3.6.1.4.1.171.12.93.1.2.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_lacpoam 1.3.6.1.4.1.171.12.93.1.2.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindStaticText(PortItem, PortText);
        Request->BindComboBox(TypeItem, TypeComboBox);
        Request->BindEdits(ProtocolItem, "%s{l256}", ProtocolEdit);
        Attach(*Request, true, true);
        EditButton->setEnabled(false);
        PortEditLabel->setEnabled(false);
        Read(*Request);
    });
    if (!created)
        EditButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TL2PTPPortForm::ResetInputs()
{
    PortText->SetCaption(" ");
    TypeComboBox->SetItemIndex(-1);
    ProtocolEdit->SetText("");
    EnableEditors({ProtocolEdit}, false);
    EditButton->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TL2PTPPortForm::GetButtonClick(QObject*)
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

void TL2PTPPortForm::ListView1Click(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        EditButton->setEnabled(false);
        return;
    }
    EditButton->setEnabled(true);
    TypeComboBoxChange(TypeComboBox);
}

void TL2PTPPortForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TL2PTPPortForm::TypeComboBoxChange(QObject*)
{
    // Protocols are tunnelled by UNI ports alone.
    const bool uni = TypeComboBox->ItemIndex() == UniIndex && TypeComboBox->Text() == "uni";
    EnableEditors({ProtocolEdit}, uni);
}

void TL2PTPPortForm::ProtocolEditClick(QObject*)
{
    try {
        if (!EditButton->isEnabled())
            EditButton->setEnabled(true);
        if (::l2PTPPortEditForm != nullptr)
            ::l2PTPPortEditForm->ShowModal();
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
}

void TL2PTPPortForm::EditButtonClick(QObject*)
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

void TL2PTPPortForm::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
    else
        DataComplete = 1;
}

void TL2PTPPortForm::CloseButtonClick(QObject*) { Close(); }

void TL2PTPPortForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
