#include "features/system/TimeRangeForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include "ui/CheckBox.h"

TTimeRangeForm* TimeRangeForm = nullptr;

namespace {

constexpr const char* DayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// Row Status entries of cbxStatus: 1 active, 4 createAndGo, 6 destroy.
constexpr int CreateAndGoIndex = 1;
constexpr int DestroyIndex = 2;

} // namespace

TTimeRangeForm::TTimeRangeForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TTimeRangeForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TTimeRangeForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TTimeRangeForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TTimeRangeForm::btnGetClick);
    btnSet->OnClick = ui::Handler(this, &TTimeRangeForm::btnSetClick);
    btnAdd->OnClick = ui::Handler(this, &TTimeRangeForm::btnAddClick);
    btnDelete->OnClick = ui::Handler(this, &TTimeRangeForm::btnDeleteClick);
    btnStop->OnClick = ui::Handler(this, &TTimeRangeForm::btnStopClick);
    btnClose->OnClick = ui::Handler(this, &TTimeRangeForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TTimeRangeForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TTimeRangeForm::ListView1Change);
    DoCreate();
}

TTimeRangeForm::~TTimeRangeForm() { Request.reset(); }

std::array<ui::CheckBox*, 7> TTimeRangeForm::DayBoxes() const
{
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7};
}

void TTimeRangeForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_timerange", "1.3.6.1.4.1.171.12.50.3.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_timerange 1.3.6.1.4.1.171.12.50.3.1.1.1");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(NameItem, "%s", edtName);
        Request->BindEdits(WeekDaysItem, "%s", edtweekdays);
        Request->BindEdits(StartItem, "%s", edtStart);
        Request->BindEdits(EndItem, "%s", edtEnd);
        Request->BindComboBox(StatusItem, cbxStatus);
        Attach(*Request);
        btnSet->setEnabled(false);
        btnDelete->setEnabled(false);
        Read(*Request);
    });
    if (ListView1->Count() == 0)
        StaticText1->SetCaption("0");
}

void TTimeRangeForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TTimeRangeForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }

void TTimeRangeForm::btnGetClick(QObject*)
{
    if (!Request || DataComplete == 0 || Running(Request.get()))
        return;
    Guarded([&] { Read(*Request); });
    ResetInputs();
}

void TTimeRangeForm::ListView1Click(QObject*)
{
    if (ListView1->Selected() != nullptr) {
        // The row's values are in the controls already: the list binding put them there.
        btnSet->setEnabled(true);
        btnDelete->setEnabled(true);
        edtName->setEnabled(false);
        cbxStatus->setEnabled(false);
        SplitWeekDays();
    } else {
        btnSet->setEnabled(false);
        btnDelete->setEnabled(false);
        ResetInputs();
    }
}

void TTimeRangeForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TTimeRangeForm::JoinWeekDays()
{
    std::string days;
    const auto boxes = DayBoxes();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (boxes[k]->Checked()) {
            if (!days.empty())
                days += ",";
            days += DayNames[k];
        }
    edtweekdays->SetText(days);
}

void TTimeRangeForm::SplitWeekDays()
{
    const auto boxes = DayBoxes();
    for (ui::CheckBox* box : boxes)
        box->SetChecked(false);
    const std::string days = edtweekdays->Text();
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (days.find(DayNames[k]) != std::string::npos)
            boxes[k]->SetChecked(true);
}

void TTimeRangeForm::ResetInputs()
{
    cbxStatus->setEnabled(true);
    cbxStatus->SetItemIndex(-1);
    edtStart->SetText("");
    edtEnd->SetText("");
    edtweekdays->SetText("");
    edtName->setEnabled(true);
    edtName->SetText("");
    for (ui::CheckBox* box : DayBoxes())
        box->SetChecked(false);
}

bool TTimeRangeForm::ValidateInputs(bool adding)
{
    if (RefuseWhileReading(Request.get()))
        return false;
    if (adding)
        cbxStatus->SetItemIndex(CreateAndGoIndex);
    JoinWeekDays();
    if (edtweekdays->Text().empty()) {
        Say("Please input the weekdays");
        return false;
    }
    // The times go out as typed: hh:mm:ss is a hint on the form.
    if (edtStart->Text().empty()) {
        Say("Please select the daily start time");
        return false;
    }
    if (edtEnd->Text().empty()) {
        Say("Please select the daily end time");
        return false;
    }
    return true;
}

void TTimeRangeForm::btnAddClick(QObject*)
{
    if (!Request || !ValidateInputs(true))
        return;
    Guarded([&] {
        DataComplete = 0;
        Write(*Request);
        Read(*Request);
    });
}

void TTimeRangeForm::BackToAdding()
{
    btnSet->setEnabled(false);
    btnDelete->setEnabled(false);
    btnAdd->setEnabled(true);
    edtName->setEnabled(true);
    cbxStatus->setEnabled(true);
    ResetInputs();
}

void TTimeRangeForm::btnSetClick(QObject*)
{
    if (!Request || ListView1->Selected() == nullptr)
        return;
    // The row keeps the status it has: cbxStatus holds it from the selected row.
    if (!ValidateInputs(false))
        return;
    Guarded([&] {
        DataComplete = 0;
        Write(*Request);
        Read(*Request);
    });
    BackToAdding();
}

void TTimeRangeForm::btnDeleteClick(QObject*)
{
    if (!Request || ListView1->Selected() == nullptr)
        return;
    if (RefuseWhileReading(Request.get()))
        return;
    cbxStatus->SetItemIndex(DestroyIndex);
    Guarded([&] {
        DataComplete = 0;
        Write(*Request);
        Read(*Request);
    });
    if (ListView1->Count() == 0)
        StaticText1->SetCaption("0");
    BackToAdding();
}

void TTimeRangeForm::btnStopClick(QObject*)
{
    if (Request)
        Stop(*Request);
}

void TTimeRangeForm::btnCloseClick(QObject*) { Close(); }
