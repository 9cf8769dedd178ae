#include "features/switching/Qos8021pMapColorControlForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TQos8021pMapColorControlForm* Qos8021pMapColorControlForm = nullptr;

TQos8021pMapColorControlForm::TQos8021pMapColorControlForm(QWidget* owner)
    : ui::Form(owner),
      WindowLifecycle(this, {.CloseActionFree = true, .StopSetsDataComplete = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TQos8021pMapColorControlForm::FormCreate);
    OnClose = ui::Handler(this, &TQos8021pMapColorControlForm::FormClose);
    RefreshButton->OnClick = ui::Handler(this, &TQos8021pMapColorControlForm::RefreshButtonClick);
    SetButton->OnClick = ui::Handler(this, &TQos8021pMapColorControlForm::SetButtonClick);
    StopButton->OnClick = ui::Handler(this, &TQos8021pMapColorControlForm::StopButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TQos8021pMapColorControlForm::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TQos8021pMapColorControlForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TQos8021pMapColorControlForm::ListView1Change);
    DoCreate();
}

TQos8021pMapColorControlForm::~TQos8021pMapColorControlForm() { Request.reset(); }

void TQos8021pMapColorControlForm::DisableKeysAndSet()
{
    for (QWidget* control : std::initializer_list<QWidget*>{SetButton, Label1, Label2, PortIndexEdit, DSCPIndexEdit})
        control->setEnabled(false);
}

void TQos8021pMapColorControlForm::FormCreate(QObject*)
{
    Guarded([&] {
        const VarDescriptor* table = FindTable("Oid_qos", "1.3.6.1.4.1.171.12.61.3.6.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qos 1.3.6.1.4.1.171.12.61.3.6.1.1.1");
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(PortItem, "%i{n1x512l3}", PortIndexEdit);
        Request->BindEdits(PriorityItem, "%i{n0x7l1}", DSCPIndexEdit);
        Request->BindComboBox(ColorItem, ColorCBX);
        // A write's answer, refused or taken, is shown before the table is read again.
        Attach(*Request, true, true);
        Read(*Request);
    });
    DisableKeysAndSet();
    ShowRowCount(StaticText1, ListView1);
}

void TQos8021pMapColorControlForm::ResetInputs()
{
    PortIndexEdit->SetText("");
    DSCPIndexEdit->SetText("");
    ColorCBX->SetItemIndex(-1);
    SetButton->setEnabled(false);
    PortIndexEdit->setEnabled(false);
    DSCPIndexEdit->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TQos8021pMapColorControlForm::ListView1Click(QObject*)
{
    // The selection has put the row into the controls and enabled them: only the colour stays so.
    DisableKeysAndSet();
    SetButton->setEnabled(ListView1->Selected() != nullptr);
}

void TQos8021pMapColorControlForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TQos8021pMapColorControlForm::RefreshButtonClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete.");
        return;
    }
    Guarded([&] {
        // A read still under way (stopped or not) gives way to this one.
        if (Request) {
            Stop(*Request);
            ResetInputs();
            DisableKeysAndSet();
            Read(*Request);
        }
    });
    DisableKeysAndSet();
    ShowRowCount(StaticText1, ListView1);
}

void TQos8021pMapColorControlForm::SetButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr || !Request)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    // One colour at port.priority; the answer is waited for (within the request's own bound) and
    // shown, then the table is read again whatever it said.
    if (!Guarded([&] { SetAndWait(*Request, [this] { ResetInputs(); }); }))
        ResetInputs();
}

void TQos8021pMapColorControlForm::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TQos8021pMapColorControlForm::CloseButtonClick(QObject*) { Close(); }

void TQos8021pMapColorControlForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
}
