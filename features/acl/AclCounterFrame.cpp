#include "features/acl/AclCounterFrame.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include <string>

namespace {

// The rows of a counter table: two IDs, the state and four counters.
constexpr int CounterTableRows = 7;

} // namespace

TAclCounterFrame::TAclCounterFrame(QWidget* owner, const CounterFrameSettings& settings)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true, .StopSetsDataComplete = true}),
      settings_(settings)
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TAclCounterFrame::FormCreate);
    OnClose = ui::Handler(this, &TAclCounterFrame::FormClose);
    RefreshButton->OnClick = ui::Handler(this, &TAclCounterFrame::RefreshButtonClick);
    SetButton->OnClick = ui::Handler(this, &TAclCounterFrame::SetButtonClick);
    StopButton->OnClick = ui::Handler(this, &TAclCounterFrame::StopButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TAclCounterFrame::CloseButtonClick);
    ListView1->OnClick = ui::Handler(this, &TAclCounterFrame::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TAclCounterFrame::ListView1Change);
}

TAclCounterFrame::~TAclCounterFrame() { Request.reset(); }

void TAclCounterFrame::FormCreate(QObject*)
{
    Guarded([&] {
        const VarDescriptor* table =
            FindTable(settings_.Module, settings_.TableOid, nullptr, CounterTableRows,
                      {StateItem + 1, settings_.StateRowOid, settings_.StateCaption});
        if (table == nullptr)
            throw Exception(std::string("No descriptor table ") + settings_.Module + " " + settings_.TableOid);
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(ProfileIDItem, "%i{n1x255l3}", ProfileIDEdit);
        Request->BindEdits(AccessIDItem, "%i{n0x65535l5}", AccessIDEdit);
        Request->BindComboBox(StateItem, StateCBX);
        // A refused state is reported; the read that follows shows what the switch holds.
        Attach(*Request, true, true);
        Read(*Request);
    });
    DisableKeys();
    ShowRowCount(StaticText1, ListView1);
}

void TAclCounterFrame::DisableKeys()
{
    SetButton->setEnabled(false);
    Label1->setEnabled(false);
    Label2->setEnabled(false);
    ProfileIDEdit->setEnabled(false);
    AccessIDEdit->setEnabled(false);
}

void TAclCounterFrame::ResetInputs()
{
    ProfileIDEdit->SetText("");
    AccessIDEdit->SetText("");
    StateCBX->SetItemIndex(-1);
    SetButton->setEnabled(false);
    ProfileIDEdit->setEnabled(false);
    AccessIDEdit->setEnabled(false);
    ShowRowCount(StaticText1, ListView1);
}

void TAclCounterFrame::RefreshButtonClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete.");
        return;
    }
    // A walk that Stop left behind is superseded by this read: its late answers list nothing.
    Guarded([&] {
        ResetInputs();
        if (Request)
            Read(*Request);
    });
    DisableKeys();
    ShowRowCount(StaticText1, ListView1);
}

void TAclCounterFrame::SetButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr || !Request)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    // The state alone goes out at the row's IDs and the editors are cleared; the window waits
    // for the answer, then reads the table again. A Close asked for meanwhile waits until this
    // returns.
    if (!Guarded([&] { SetAndWait(*Request, [this] { ResetInputs(); }); }))
        ResetInputs();
}

void TAclCounterFrame::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
    DataComplete = 1;
}

void TAclCounterFrame::ListView1Click(QObject*)
{
    SetButton->setEnabled(ListView1->Selected() != nullptr);
    Label1->setEnabled(false);
    Label2->setEnabled(false);
    ProfileIDEdit->setEnabled(false);
    AccessIDEdit->setEnabled(false);
}

void TAclCounterFrame::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TAclCounterFrame::CloseButtonClick(QObject*) { Close(); }

void TAclCounterFrame::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
