#include "features/switching/dot3ControlForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/CheckBox.h"
#include "ui/Control.h"
#include "ui/Timer.h"

Tdot3ControlForm* dot3ControlForm = nullptr;

namespace {

const VarDescriptor* Dot3Table(const char* oid, const char* caption = nullptr, int rows = -1)
{
    const VarDescriptor* table = FindTable("Oid_dot3unit", oid, caption, rows);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table Oid_dot3unit ") + oid);
    return table;
}

// The boxes the window enables and clears: the first seven (the eighth it leaves alone), those
// the layout shows.
constexpr int KeptUsableBoxes = 7;

} // namespace

Tdot3ControlForm::Tdot3ControlForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    Timer1 = new ui::Timer(this);
    Timer1->setObjectName("Timer1");
    Timer1->SetEnabled(false);
    ui::ListItem* row = ListView2->AddItem();
    row->SetCaption("Recived Unknown Opcodes");
    row->AddSubItem("");
    OnCreate = ui::Handler(this, &Tdot3ControlForm::FormCreate);
    OnClose = ui::Handler(this, &Tdot3ControlForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &Tdot3ControlForm::btnGetClick);
    btnClose->OnClick = ui::Handler(this, &Tdot3ControlForm::btnCloseClick);
    cbxInterval->OnChange = ui::Handler(this, &Tdot3ControlForm::cbxIntervalChange);
    Timer1->OnTimer = ui::Handler(this, &Tdot3ControlForm::Timer1Timer);
    ListView1->OnClick = ui::Handler(this, &Tdot3ControlForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &Tdot3ControlForm::ListView1Change);
    Detail.ShowValues = [this] { ShowDetailValues(); };
    DoCreate();
}

Tdot3ControlForm::~Tdot3ControlForm()
{
    TableRequest.reset();
    Detail.Request.reset();
}

std::vector<ui::CheckBox*> Tdot3ControlForm::FunctionBoxes() const
{
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8};
}

void Tdot3ControlForm::FormCreate(QObject*)
{
    Guarded([&] {
        Detail.Init(cbxInterval, Timer1);
        TableRequest = std::make_unique<MvSNMPRequest2Edits>(this);
        MvSNMPRequest2Edits& table = *TableRequest;
        table.Request.VarList = MvSNMPVarList(Dot3Table("1.3.6.1.2.1.10.7.2.1.1", "Index", 2), MVT_FMV, 1);
        table.AttachListView(ListView1, true);
        table.BindCheckBoxes(FunctionsItem, "0,1,2,3,4,5,6,7", FunctionBoxes());
        Attach(table);
        Detail.Create(this, Dot3Table("1.3.6.1.2.1.10.7.9.1.2"), lvChart);
        Read(table);
        if (ListView1->Count() == 0)
            StaticText1->SetCaption("0");
    });
}

void Tdot3ControlForm::OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    WindowLifecycle::OnEndGet(sender, result);
    // The read left the bound boxes disabled until a row is chosen; the shown ones stay usable.
    const std::vector<ui::CheckBox*> boxes = FunctionBoxes();
    for (int k = 0; k < KeptUsableBoxes; ++k)
        if (ui::Visible(boxes[static_cast<std::size_t>(k)]))
            boxes[static_cast<std::size_t>(k)]->setEnabled(true);
}

void Tdot3ControlForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void Tdot3ControlForm::ListView1Click(QObject*)
{
    const ui::ListItem* row = ListView1->Selected();
    if (row == nullptr) {
        ResetInputs();
        return;
    }
    Detail.ReadRow(row->Caption());
}

void Tdot3ControlForm::ShowDetailValues()
{
    if (lvChart->Count() == 0) {
        Say("Get data not completed.");
        ResetInputs();
        return;
    }
    ListView2->Item(0)->SetSubItem(0, lvChart->Item(0)->Caption());
}

void Tdot3ControlForm::ResetInputs()
{
    Detail.Off();
    ListView2->Item(0)->SetSubItem(0, "");
    const std::vector<ui::CheckBox*> boxes = FunctionBoxes();
    for (int k = 0; k < KeptUsableBoxes; ++k)
        if (ui::Visible(boxes[static_cast<std::size_t>(k)]))
            boxes[static_cast<std::size_t>(k)]->SetChecked(false);
}

void Tdot3ControlForm::cbxIntervalChange(QObject*) { Detail.IntervalChange(); }

void Tdot3ControlForm::Timer1Timer(QObject*) { Detail.Tick(); }

void Tdot3ControlForm::btnGetClick(QObject*)
{
    if (!TableRequest || DataComplete == 0 || Running(TableRequest.get()))
        return;
    Guarded([&] {
        ResetInputs();
        Read(*TableRequest);
    });
}

void Tdot3ControlForm::btnCloseClick(QObject*)
{
    Timer1->SetEnabled(false);
    Close();
}

void Tdot3ControlForm::FormClose(QObject*, ui::CloseAction& action)
{
    Deselect(ListView1);
    Timer1->SetEnabled(false);
    CloseDown(action, nullptr, TableRequest, Detail.Request);
}
