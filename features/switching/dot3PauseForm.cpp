#include "features/switching/dot3PauseForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/Control.h"
#include "ui/Timer.h"

Tdot3PauseForm* dot3PauseForm = nullptr;

namespace {

const VarDescriptor* Dot3Table(const char* oid, const char* caption = nullptr, int rows = -1)
{
    const VarDescriptor* table = FindTable("Oid_dot3unit", oid, caption, rows);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_dot3unit ") + oid);
    return table;
}

} // namespace

Tdot3PauseForm::Tdot3PauseForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    Timer1 = new ui::Timer(this);
    Timer1->setObjectName("Timer1");
    Timer1->SetEnabled(false);
    for (const char* name : {"In Pause Frame", "Out Pause Frame"}) {
        ui::ListItem* row = ListView2->AddItem();
        row->SetCaption(name);
        row->AddSubItem("");
    }
    OnCreate = ui::Handler(this, &Tdot3PauseForm::FormCreate);
    OnClose = ui::Handler(this, &Tdot3PauseForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &Tdot3PauseForm::btnGetClick);
    btnSet->OnClick = ui::Handler(this, &Tdot3PauseForm::btnSetClick);
    btnStop->OnClick = ui::Handler(this, &Tdot3PauseForm::btnStopClick);
    btnClose->OnClick = ui::Handler(this, &Tdot3PauseForm::btnCloseClick);
    cbxInterval->OnChange = ui::Handler(this, &Tdot3PauseForm::cbxIntervalChange);
    Timer1->OnTimer = ui::Handler(this, &Tdot3PauseForm::Timer1Timer);
    ListView1->OnClick = ui::Handler(this, &Tdot3PauseForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &Tdot3PauseForm::ListView1Change);
    Detail.ShowValues = [this] { ShowDetailValues(); };
    DoCreate();
}

Tdot3PauseForm::~Tdot3PauseForm()
{
    Detail.Request.reset();
    TableRequest.reset();
}

void Tdot3PauseForm::FormCreate(QObject*)
{
    Guarded([&] {
        Detail.Init(cbxInterval, Timer1);
        TableRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        MvSNMPRequest2Edits& table = *TableRequest;
        table.Request.VarList = MvSNMPVarList(Dot3Table("1.3.6.1.2.1.10.7.2.1.1", "Index", 3), MVT_FMV, 1);
        table.AttachListView(ListView1, true);
        table.BindEdits(IndexItem, "%i", edtIndex);
        table.BindComboBox(AdminModeItem, cbxAdminMode);
        Attach(table);
        Detail.Create(this, Dot3Table("1.3.6.1.2.1.10.7.10.1.3"), lvChart);
        Read(table);
        if (ListView1->Count() == 0)
            StaticText1->SetCaption("0");
    });
    btnSet->setEnabled(false);
}

void Tdot3PauseForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    // The read left the bound controls disabled until a row is chosen; the mode stays usable.
    if (!cbxAdminMode->isEnabled())
        cbxAdminMode->setEnabled(true);
}

void Tdot3PauseForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void Tdot3PauseForm::ListView1Click(QObject*)
{
    const ui::ListItem* row = ListView1->Selected();
    if (row == nullptr) {
        ResetInputs();
        return;
    }
    btnSet->setEnabled(true);
    Detail.ReadRow(row->Caption());
    if (DataComplete == 1)
        btnSet->setEnabled(true);
}

void Tdot3PauseForm::ShowDetailValues()
{
    if (lvChart->Count() == 0) {
        Say("Get data not completed.");
        ResetInputs();
        return;
    }
    const ui::ListItem* counters = lvChart->Item(0);
    ListView2->Item(InPauseRow)->SetSubItem(0, counters->Caption());
    ListView2->Item(OutPauseRow)->SetSubItem(0, counters->SubItem(0));
}

void Tdot3PauseForm::ResetInputs()
{
    Detail.Off();
    ListView2->Item(InPauseRow)->SetSubItem(0, "");
    ListView2->Item(OutPauseRow)->SetSubItem(0, "");
    cbxAdminMode->SetItemIndex(-1);
    btnSet->setEnabled(false);
}

void Tdot3PauseForm::cbxIntervalChange(QObject*) { Detail.IntervalChange(); }

void Tdot3PauseForm::Timer1Timer(QObject*) { Detail.Tick(); }

void Tdot3PauseForm::btnGetClick(QObject*)
{
    if (!TableRequest || DataComplete == 0 || Running(TableRequest.get()))
        return;
    Guarded([&] {
        ResetInputs();
        Read(*TableRequest);
    });
}

void Tdot3PauseForm::btnSetClick(QObject*)
{
    if (ListView1->Selected() == nullptr || !TableRequest)
        return;
    if (RefuseWhileReading(TableRequest.get()))
        return;
    DataComplete = 0;
    TableRequest->Request.Active = 1;
    const bool done = Guarded([&] {
        // Index from the row, the admin mode from its box: one SET of the mode at that index.
        Write(*TableRequest);
        ResetInputs();
        // Read at once; a read started while the SET is out leaves the SET alone.
        Read(*TableRequest);
        DataComplete = 1;
    });
    if (!done)
        ResetInputs();
}

void Tdot3PauseForm::btnStopClick(QObject*)
{
    if (TableRequest)
        Stop(*TableRequest);
}

void Tdot3PauseForm::btnCloseClick(QObject*)
{
    Timer1->SetEnabled(false);
    Close();
}

void Tdot3PauseForm::FormClose(QObject*, ui::CloseAction& action)
{
    Deselect(ListView1);
    Timer1->SetEnabled(false);
    CloseDown(action, nullptr, Detail.Request, TableRequest);
}
