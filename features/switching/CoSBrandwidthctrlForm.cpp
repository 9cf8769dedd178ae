#include "features/switching/CoSBrandwidthctrlForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Convert.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm = nullptr;

namespace {

constexpr const char* NotComplete = "Get data not complete";
constexpr const char* NoRate = "Please input a rate number.";
constexpr const char* RateOutOfRange = "Please input a number between 8 and 10240000.";
constexpr const char* NoLimit = "No Limit";

// The cells of a row after its first column (the port): the queue, then the two rates.
constexpr int MinimumRateCell = CoSBrandWidthNewRequest2Edits::MinimumRateItem - 1;
constexpr int MaximumRateCell = CoSBrandWidthNewRequest2Edits::MaximumRateItem - 1;

// A "No Limit" box's click: ticked, its edit shows the 0 that is written; cleared, the edit
// is open for a rate.
void FollowNoLimitBox(const ui::CheckBox* box, ui::Edit* edit)
{
    if (box->Checked()) {
        edit->setEnabled(false);
        ui::SetColor(edit, ui::clBtnFace);
        edit->SetText("0");
    } else {
        edit->setEnabled(true);
        ui::SetColor(edit, ui::clWindow);
        edit->SetText("");
    }
}

} // namespace

TCoSBrandwidthctrlForm::TCoSBrandwidthctrlForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseActionFree = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnCreate = ui::Handler(this, &TCoSBrandwidthctrlForm::FormCreate);
    OnClose = ui::Handler(this, &TCoSBrandwidthctrlForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TCoSBrandwidthctrlForm::GetButtonClick);
    EditButton->OnClick = ui::Handler(this, &TCoSBrandwidthctrlForm::EditButtonClick);
    StopButton->OnClick = ui::Handler(this, &TCoSBrandwidthctrlForm::StopButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TCoSBrandwidthctrlForm::CloseButtonClick);
    CheckBox1->OnClick = ui::Handler(this, &TCoSBrandwidthctrlForm::CheckBox1Click);
    CheckBox2->OnClick = ui::Handler(this, &TCoSBrandwidthctrlForm::CheckBox2Click);
    ListView1->OnClick = ui::Handler(this, &TCoSBrandwidthctrlForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TCoSBrandwidthctrlForm::ListView1Change);
    // Before the request takes the list: it calls this handler first on every selection.
    ListView1->OnSelectItem = ui::Handler(this, &TCoSBrandwidthctrlForm::ListView1SelectItem);
    DoCreate();
}

TCoSBrandwidthctrlForm::~TCoSBrandwidthctrlForm() { Request.reset(); }

void TCoSBrandwidthctrlForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<CoSBrandWidthNewRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_qos", "1.3.6.1.4.1.171.12.61.3.9.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_qos 1.3.6.1.4.1.171.12.61.3.9.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindStaticText(CoSBrandWidthNewRequest2Edits::PortItem, PortText);
        Request->BindStaticText(CoSBrandWidthNewRequest2Edits::QueueItem, ClassIDText);
        Request->BindEdits(CoSBrandWidthNewRequest2Edits::MinimumRateItem, "%s", MinEdit);
        Request->BindEdits(CoSBrandWidthNewRequest2Edits::MaximumRateItem, "%s", MaxEdit);
        Attach(*Request); // OnEndGet and the log line, before the first answer can arrive
        Read(*Request);
    });
    ShowRowCount();
    ResetInputs();
}

void TCoSBrandwidthctrlForm::ShowRowCount() { WindowLifecycle::ShowRowCount(StaticText1, ListView1); }

void TCoSBrandwidthctrlForm::ResetInputs()
{
    EditButton->setEnabled(false);
    PortText->SetCaption(" ");
    ClassIDText->SetCaption(" ");
    MinEdit->setEnabled(false);
    MinEdit->SetText(" ");
    CheckBox1->SetChecked(false);
    MaxEdit->setEnabled(false);
    MaxEdit->SetText(" ");
    CheckBox2->SetChecked(false);
}

void TCoSBrandwidthctrlForm::CheckBox1Click(QObject*) { FollowNoLimitBox(CheckBox1, MinEdit); }

void TCoSBrandwidthctrlForm::CheckBox2Click(QObject*) { FollowNoLimitBox(CheckBox2, MaxEdit); }

void TCoSBrandwidthctrlForm::ListView1SelectItem(QObject*, ui::ListItem*, bool)
{
    EditButton->setEnabled(ListView1->Selected() != nullptr);
}

void TCoSBrandwidthctrlForm::ListView1Click(QObject*)
{
    const ui::ListItem* row = ListView1->Selected();
    if (row == nullptr) {
        EditButton->setEnabled(false);
        ResetInputs();
        return;
    }
    EditButton->setEnabled(true);
    ShowRate(row->SubItem(MinimumRateCell), CheckBox1, MinEdit);
    ShowRate(row->SubItem(MaximumRateCell), CheckBox2, MaxEdit);
}

void TCoSBrandwidthctrlForm::ShowRate(const std::string& cell, ui::CheckBox* box, ui::Edit* edit)
{
    if (cell == "0" || cell == NoLimit) {
        box->SetChecked(true);
        edit->SetText("0");
        edit->setEnabled(false);
        return;
    }
    // A limited rate: a box still ticked from the row before goes off, so that the rate the
    // edit shows is the one checked and written. Not through its click handler, which would
    // empty the edit of the row's rate.
    const ui::NotifyEvent onClick = box->OnClick;
    box->OnClick = nullptr;
    box->SetChecked(false);
    box->OnClick = onClick;
    edit->setEnabled(true);
    ui::SetColor(edit, ui::clWindow);
}

void TCoSBrandwidthctrlForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TCoSBrandwidthctrlForm::GetButtonClick(QObject*)
{
    if (DataComplete == 0) {
        Say(NotComplete);
        return;
    }
    bool busy = false;
    Guarded([&] {
        if (!Request || Running(Request.get())) {
            busy = true;
            return;
        }
        Read(*Request);
        ShowRowCount();
    });
    if (!busy)
        EditButton->setEnabled(false);
}

bool TCoSBrandwidthctrlForm::ValidateInputs()
{
    const std::int32_t minimum = StrToInt(MinEdit->Text());
    const std::int32_t maximum = StrToInt(MaxEdit->Text());
    const auto inRange = [](std::int32_t rate) { return rate >= LowestRate && rate <= HighestRate; };
    // The minimum is not compared with the maximum.
    if ((!CheckBox1->Checked() && !inRange(minimum)) || (!CheckBox2->Checked() && !inRange(maximum))) {
        Say(RateOutOfRange);
        return false;
    }
    return true;
}

void TCoSBrandwidthctrlForm::EditButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr)
        return;
    if (DataComplete == 0 || !Request || Running(Request.get())) {
        Say(NotComplete);
        return;
    }
    if (MinEdit->Text().empty() || MaxEdit->Text().empty()) {
        Say(NoRate);
        return;
    }
    DataComplete = 0;
    Request->Request.Active = 1;
    bool refused = false;
    const bool written = Guarded([&] {
        if (!ValidateInputs()) {
            DataComplete = 1;
            refused = true;
            return;
        }
        // The rates of the selected queue ("No Limit" as the 0 its edit holds), and at once the
        // table again: the read goes out behind the write.
        Write(*Request);
        Read(*Request);
    });
    if (refused)
        return;
    if (!written)
        GetButtonClick(GetButton); // the message is in the status line; the table as the switch has it
    EditButton->setEnabled(false);
}

void TCoSBrandwidthctrlForm::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TCoSBrandwidthctrlForm::CloseButtonClick(QObject* sender)
{
    StopButtonClick(sender);
    Close();
}

void TCoSBrandwidthctrlForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, ListView1, Request);
}
