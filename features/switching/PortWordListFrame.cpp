#include "features/switching/PortWordListFrame.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

#include <exception>
#include <string>

TPortWordListFrame::TPortWordListFrame(QWidget* owner, PortWordListTable table)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true, .StopSetsDataComplete = true}),
      table_(table)
{
}

TPortWordListFrame::~TPortWordListFrame()
{
    // A window freed without closing still lets go of its request before its controls go.
    Request.reset();
}

void TPortWordListFrame::UseComponents(const PortWordListComponents& components)
{
    c_ = components;
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TPortWordListFrame::FormCreate);
    OnClose = ui::Handler(this, &TPortWordListFrame::FormClose);
    c_.GetButton->OnClick = ui::Handler(this, &TPortWordListFrame::GetButtonClick);
    c_.EditButton->OnClick = ui::Handler(this, &TPortWordListFrame::EditButtonClick);
    c_.StopButton->OnClick = ui::Handler(this, &TPortWordListFrame::StopButtonClick);
    c_.CloseButton->OnClick = ui::Handler(this, &TPortWordListFrame::CloseButtonClick);
    c_.List->OnClick = ui::Handler(this, &TPortWordListFrame::ListView1Click);
    c_.List->OnChange = ui::Handler(this, &TPortWordListFrame::ListView1Change);
    c_.WordsEdit->OnClick = ui::Handler(this, &TPortWordListFrame::WordsEditClick);
}

void TPortWordListFrame::ShowRowCount() const { WindowLifecycle::ShowRowCount(c_.RowCount, c_.List); }

void TPortWordListFrame::FormCreate(QObject*)
{
    const bool created = Guarded([&] {
        CreateChooser();
        Request = CreateRequest();
        const VarDescriptor* table = FindTable(table_.Module, table_.TableOid);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table ") + table_.Module + " " + table_.TableOid);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(c_.List, true);
        BindColumns(*Request);
        Attach(*Request, true, true);
        c_.EditButton->setEnabled(false);
        c_.PortEditLabel->setEnabled(false);
        Read(*Request);
    });
    if (!created)
        c_.EditButton->setEnabled(false);
    ShowRowCount();
}

void TPortWordListFrame::ResetInputs()
{
    c_.PortText->SetCaption(" ");
    ClearEditors();
    c_.EditButton->setEnabled(false);
    ShowRowCount();
}

void TPortWordListFrame::GetButtonClick(QObject*)
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
        c_.EditButton->setEnabled(false);
    ShowRowCount();
}

void TPortWordListFrame::ListView1Click(QObject*)
{
    if (c_.List->Selected() == nullptr) {
        c_.EditButton->setEnabled(false);
        return;
    }
    c_.EditButton->setEnabled(true);
    PortChosen();
}

void TPortWordListFrame::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TPortWordListFrame::WordsEditClick(QObject*)
{
    try {
        if (!c_.EditButton->isEnabled())
            c_.EditButton->setEnabled(true);
        if (ui::Form* chooser = Chooser())
            chooser->ShowModal();
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
}

void TPortWordListFrame::EditButtonClick(QObject*)
{
    if (c_.List->Selected() == nullptr)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    c_.PortEditLabel->setEnabled(false);
    // The port's settings go out and the editors are cleared; the window waits for the answer
    // (a refused write is shown), then reads the table again. A Close asked for meanwhile waits
    // until this returns.
    Guarded([&] { SetAndWait(*Request, [this] { ResetInputs(); }); });
}

void TPortWordListFrame::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
    else
        DataComplete = 1;
}

void TPortWordListFrame::CloseButtonClick(QObject*) { Close(); }

void TPortWordListFrame::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.List, Request); }
