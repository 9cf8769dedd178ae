#include "features/system/SummerTimeForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"
#include "snmp/ValueTypes.h"

#include "ui/Align.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/Panel.h"

#include <charconv>
#include <exception>
#include <system_error>

namespace {

constexpr OptionItem MonthTable[] = {{1, "Jan"}, {2, "Feb"}, {3, "Mar"}, {4, "Apr"}, {5, "May"},  {6, "Jun"},
                                     {7, "Jul"}, {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"},
                                     {}};
constexpr OptionItem WeekdayTable[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"},
                                       {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {}};
constexpr OptionItem WeekTable[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {255, "last"}, {}};

// Byte offsets of the parts. Repeating: week, weekday (two octets), month, hour, minute.
constexpr int RepeatWeekByte = 0;
constexpr int RepeatWeekdayByte = 1;
constexpr int RepeatMonthByte = 3;
constexpr int RepeatHourByte = 4;
constexpr int RepeatMinuteByte = 5;
// Annual: day, month, hour, minute.
constexpr int AnnualDayByte = 0;
constexpr int AnnualMonthByte = 1;
constexpr int AnnualHourByte = 2;
constexpr int AnnualMinuteByte = 3;

// Places of the parts in their part list (element 0 is the row's panel).
enum RepeatingPart { RepeatMonth = 1, RepeatWeek, RepeatWeekday, RepeatHour, RepeatMinute };
enum AnnualPart { AnnualDay = 1, AnnualMonth, AnnualHour, AnnualMinute };

const char* const TimeError = "Time error.";
const char* const SameMonths = "From month and To month should not be the same.";

// The decimal number of the whole text; -1 for an empty text or any other.
int NumberOf(const std::string& text)
{
    int value = -1;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end)
        return -1;
    return value;
}

int DaysOfMonth(int month)
{
    switch (month) {
    case 2:
        return 29;
    case 4: case 6: case 9: case 11:
        return 30;
    default:
        return 31;
    }
}

std::string PartText(const QWidget* part)
{
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(part))
        return combo->Text();
    if (auto* edit = dynamic_cast<const ui::Edit*>(part))
        return edit->Text();
    return {};
}

} // namespace

MvOptionList& TSummerTimeForm::MonthOptions()
{
    static MvOptionList months(MonthTable, 1);
    return months;
}

MvOptionList& TSummerTimeForm::WeekdayOptions()
{
    static MvOptionList weekdays(WeekdayTable, 1);
    return weekdays;
}

MvOptionList& TSummerTimeForm::WeekOptions()
{
    static MvOptionList weeks(WeekTable, 1);
    return weeks;
}

TSummerTimeForm::TSummerTimeForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .KeepLayoutSize = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    OnActivate = ui::Handler(this, &TSummerTimeForm::FormActivate);
    OnClose = ui::Handler(this, &TSummerTimeForm::FormClose);

    SummerTimeEdits = std::make_unique<MvSNMPRequest2Edits>(this);
    const VarDescriptor* table = FindTable("Oid_time", "1.3.6.1.4.1.171.12.10.12.1");
    if (table == nullptr)
        throw Exception("No descriptor table Oid_time 1.3.6.1.4.1.171.12.10.12.1");
    SummerTimeEdits->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
    SummerTimeEdits->Mode = 0;

    SummerTimePanel = new TSNMPEditorPanel(this, SummerTimeEdits.get());
    SummerTimePanel->FitForm(this);
    SummerTimePanel->SetEditorWidth(EditorWidth);
    SummerTimePanel->SetVarFormat(OffsetItem, "%i{n30x120l3}");

    MakeCompositeRow(RepeatStartItem, RepeatStartParts);
    MakeCompositeRow(RepeatEndItem, RepeatEndParts);
    MakeCompositeRow(AnnualStartItem, AnnualStartParts);
    MakeCompositeRow(AnnualEndItem, AnnualEndParts);
    AddRepeatingParts(RepeatStartItem, RepeatStartParts);
    AddRepeatingParts(RepeatEndItem, RepeatEndParts);
    AddAnnualParts(AnnualStartItem, AnnualStartParts);
    AddAnnualParts(AnnualEndItem, AnnualEndParts);

    TCtrlBtnPanel* buttons = SummerTimePanel->Buttons;
    buttons->RefreshButton->OnClick = ui::Handler(this, &TSummerTimeForm::Refresh);
    SavedSetClick = buttons->SetCheckedButton->OnClick;
    buttons->SetCheckedButton->OnClick = ui::Handler(this, &TSummerTimeForm::SetSummerTime);
    StateCombo()->OnChange = ui::Handler(this, &TSummerTimeForm::ShowRowsForState);

    SetClientWidth(SummerTimePanel->width());
    SetClientHeight(SummerTimePanel->height());
    Rows().SetRowValue(StateItem, "repeating");
    ShowRowsForState(nullptr);
    Rows().LayoutRows(2, true);
    SummerTimePanel->SetContent(SummerTimePanel->EditsPanel);
    SetClientWidth(SummerTimePanel->width());
    SetClientHeight(SummerTimePanel->height());
    ui::SetAlign(SummerTimePanel, ui::alClient);
    // The log line is the panel's status line, the window's only one.
    Attach(*SummerTimeEdits, false);
}

TSummerTimeForm::~TSummerTimeForm()
{
    SummerTimeEdits.reset();
    delete SummerTimePanel.data();
}

ui::ComboBox* TSummerTimeForm::StateCombo() const
{
    return static_cast<ui::ComboBox*>(Rows().Rows[StateItem].Editor);
}

ui::Edit* TSummerTimeForm::OffsetEdit() const
{
    return static_cast<ui::Edit*>(Rows().Rows[OffsetItem].Editor);
}

TCtrlsList& TSummerTimeForm::PartsOf(int item)
{
    switch (item) {
    case RepeatStartItem:
        return RepeatStartParts;
    case RepeatEndItem:
        return RepeatEndParts;
    case AnnualStartItem:
        return AnnualStartParts;
    default:
        return AnnualEndParts;
    }
}

void TSummerTimeForm::MakeCompositeRow(int item, TCtrlsList& parts)
{
    UISnmpVar& row = Rows().Rows[static_cast<std::size_t>(item)];
    SummerTimeEdits->Unbind(item);
    QWidget* editor = row.Editor;
    auto* panel = new ui::Panel(editor->parentWidget());
    panel->SetBevelOuter(ui::bvNone);
    ui::SetBounds(panel, editor->x(), editor->y(), editor->width(), editor->height());
    panel->setEnabled(editor->isEnabled());
    parts.push_back(panel);
    row.Kind = ukCustom;
    delete editor;
    row.Editor = panel;
    panel->show();
}

ui::ComboBox* TSummerTimeForm::AddComboPart(TCtrlsList& parts, int left, int width)
{
    QWidget* panel = parts.front();
    auto* combo = new ui::ComboBox(panel);
    ui::SetBounds(combo, left, 0, width, panel->height());
    parts.push_back(combo);
    return combo;
}

ui::Edit* TSummerTimeForm::AddEditPart(TCtrlsList& parts, int left, int width, const std::string& hint)
{
    QWidget* panel = parts.front();
    auto* edit = new ui::Edit(panel);
    ui::SetBounds(edit, left, 0, width, panel->height());
    ui::SetHint(edit, hint);
    ui::SetShowHint(edit, true);
    parts.push_back(edit);
    return edit;
}

void TSummerTimeForm::AddColonAfter(TCtrlsList& parts, const ui::Edit* hour)
{
    auto* colon = new ui::Label(parts.front());
    colon->SetCaption(":");
    QFont bold = colon->font();
    bold.setBold(true);
    colon->setFont(bold);
    colon->adjustSize();
    ui::SetBounds(colon, hour->x() + hour->width(), 2, colon->width(), colon->height());
}

void TSummerTimeForm::AddRepeatingParts(int item, TCtrlsList& parts)
{
    const int w = EditorWidth;
    ui::ComboBox* month = AddComboPart(parts, 0, w / 5);
    ui::ComboBox* week = AddComboPart(parts, w / 5, w / 5);
    ui::ComboBox* weekday = AddComboPart(parts, 2 * w / 5, w / 5);
    ui::Edit* hour = AddEditPart(parts, 3 * w / 5 + 4, w / 5 - 4, "Hour");
    ui::Edit* minute = AddEditPart(parts, 4 * w / 5 + 4, w / 5 - 4, "Minute");
    SummerTimeEdits->BindComboBoxPart(item, RepeatMonthByte, uint8, &MonthOptions(), month);
    SummerTimeEdits->BindComboBoxPart(item, RepeatWeekByte, uint8, &WeekOptions(), week);
    SummerTimeEdits->BindComboBoxPart(item, RepeatWeekdayByte, uint16, &WeekdayOptions(), weekday);
    SummerTimeEdits->BindEditsPart(item, RepeatHourByte, uint8, nullptr, "%i", hour);
    SummerTimeEdits->BindEditsPart(item, RepeatMinuteByte, uint8, nullptr, "%i", minute);
    AddColonAfter(parts, hour);
}

void TSummerTimeForm::AddAnnualParts(int item, TCtrlsList& parts)
{
    const int w = EditorWidth;
    ui::Edit* day = AddEditPart(parts, 0, w / 4 - 4, "Day");
    ui::ComboBox* month = AddComboPart(parts, w / 4, w / 4 - 4);
    ui::Edit* hour = AddEditPart(parts, w / 2 + 4, w / 4 - 4, "Hour");
    ui::Edit* minute = AddEditPart(parts, 3 * w / 4 + 4, w / 4 - 4, "Minute");
    SummerTimeEdits->BindEditsPart(item, AnnualDayByte, uint8, nullptr, "%i", day);
    SummerTimeEdits->BindComboBoxPart(item, AnnualMonthByte, uint8, &MonthOptions(), month);
    SummerTimeEdits->BindEditsPart(item, AnnualHourByte, uint8, nullptr, "%i", hour);
    SummerTimeEdits->BindEditsPart(item, AnnualMinuteByte, uint8, nullptr, "%i", minute);
    AddColonAfter(parts, hour);
}

void TSummerTimeForm::FormActivate(QObject*)
{
    // Once: later activations are the focus coming back (from a message box of this window,
    // say), and a read then would throw away what the user typed.
    if (activated_)
        return;
    activated_ = true;
    Refresh(nullptr);
}

void TSummerTimeForm::FormClose(QObject*, ui::CloseAction&)
{
    if (SummerTimeEdits)
        StopAndWait(*SummerTimeEdits);
    SummerTimeEdits.reset();
    delete SummerTimePanel.data();
    RepeatStartParts.clear();
    RepeatEndParts.clear();
    AnnualStartParts.clear();
    AnnualEndParts.clear();
}

void TSummerTimeForm::Flag(int from, int to, bool leaveOut)
{
    MvSNMPVarList& list = SummerTimeEdits->Request.VarList;
    for (int i = from; i <= to; ++i) {
        if (leaveOut)
            list.Item(i).access |= invalid;
        else
            list.Item(i).access &= ~invalid;
    }
}

int TSummerTimeForm::PairOfState() const
{
    const std::string state = StateCombo()->Text();
    if (state == "repeating")
        return RepeatStartItem;
    if (state == "annual")
        return AnnualStartItem;
    return -1;
}

void TSummerTimeForm::Refresh(QObject*)
{
    if (!SummerTimeEdits)
        return;
    // The state alone first: it decides which pair is read with the offset.
    Flag(StateItem, StateItem, false);
    Flag(OffsetItem, AnnualEndItem, true);
    Guarded([&] { Read(*SummerTimeEdits); });
    ShowRowsForState(nullptr);
    Flag(OffsetItem, OffsetItem, false);
    if (const int pair = PairOfState(); pair >= 0)
        Flag(pair, pair + 1, false);
    Guarded([&] { Read(*SummerTimeEdits); });
}

void TSummerTimeForm::ShowRowsForState(QObject*)
{
    if (!SummerTimePanel)
        return;
    TEditsPanel& rows = Rows();
    const int pair = PairOfState();
    for (int item = RepeatStartItem; item <= AnnualEndItem; ++item) {
        const bool shown = pair >= 0 && (item == pair || item == pair + 1);
        if (shown) {
            rows.ShowRow(item);
        } else {
            rows.HideRow(item);
            rows.UncheckRow(item);
        }
    }
    rows.LayoutRows(2, false);
}

bool TSummerTimeForm::RowTicked(int item) const
{
    return Rows().Rows[static_cast<std::size_t>(item)].CheckBox->Checked();
}

bool TSummerTimeForm::CheckRepeatingRow(int item)
{
    const TCtrlsList& parts = PartsOf(item);
    for (int part : {RepeatMonth, RepeatWeek, RepeatWeekday})
        if (static_cast<ui::ComboBox*>(parts[static_cast<std::size_t>(part)])->ItemIndex() < 0) {
            Say(TimeError);
            return false;
        }
    const int hour = NumberOf(PartText(parts[RepeatHour]));
    const int minute = NumberOf(PartText(parts[RepeatMinute]));
    if (hour < 0 || minute < 0 || hour > 23 || minute >= 60) {
        Say(TimeError);
        return false;
    }
    return true;
}

bool TSummerTimeForm::CheckAnnualRow(int item)
{
    const TCtrlsList& parts = PartsOf(item);
    const int day = NumberOf(PartText(parts[AnnualDay]));
    const int hour = NumberOf(PartText(parts[AnnualHour]));
    const int minute = NumberOf(PartText(parts[AnnualMinute]));
    const int monthIndex = static_cast<ui::ComboBox*>(parts[AnnualMonth])->ItemIndex();
    if (day < 0 || hour < 0 || minute < 0 || monthIndex < 0 || day > DaysOfMonth(monthIndex + 1) || hour > 23
        || minute >= 60) {
        Say(TimeError);
        return false;
    }
    return true;
}

bool TSummerTimeForm::ValidateSummerTime()
{
    if (RowTicked(StateItem) && StateCombo()->ItemIndex() < 0) {
        Say("Please choose Summer Time Status.");
        return false;
    }
    const std::string offset = OffsetEdit()->Text();
    if (RowTicked(OffsetItem) && !offset.empty()) {
        const int minutes = NumberOf(offset);
        if (minutes != 30 && minutes != 60 && minutes != 90 && minutes != 120) {
            Say("Summer Time Offset must choose from {30, 60, 90, 120}.");
            return false;
        }
    }
    int first = 0;
    int monthPart = 0;
    switch (StateCombo()->ItemIndex()) {
    case DisabledState:
        return true;
    case RepeatingState:
        first = RepeatStartItem;
        monthPart = RepeatMonth;
        for (int item : {RepeatStartItem, RepeatEndItem})
            if (RowTicked(item) && !CheckRepeatingRow(item))
                return false;
        break;
    case AnnualState:
        first = AnnualStartItem;
        monthPart = AnnualMonth;
        for (int item : {AnnualStartItem, AnnualEndItem})
            if (RowTicked(item) && !CheckAnnualRow(item))
                return false;
        break;
    default:
        return false;
    }
    if (RowTicked(first) && RowTicked(first + 1)) {
        auto monthOf = [&](int item) {
            return static_cast<ui::ComboBox*>(PartsOf(item)[static_cast<std::size_t>(monthPart)])->ItemIndex();
        };
        if (monthOf(first) == monthOf(first + 1)) {
            Say(SameMonths);
            return false;
        }
    }
    return true;
}

void TSummerTimeForm::MarkCompleteParts()
{
    for (TCtrlsList* parts : {&RepeatStartParts, &RepeatEndParts, &AnnualStartParts, &AnnualEndParts}) {
        bool complete = true;
        for (std::size_t k = 1; k < parts->size(); ++k)
            complete = complete && !PartText((*parts)[k]).empty();
        static_cast<ui::Panel*>(parts->front())->SetCaption(complete ? "-" : "");
    }
}

void TSummerTimeForm::SetSummerTime(QObject* sender)
{
    if (!SummerTimeEdits || !ValidateSummerTime())
        return;
    MarkCompleteParts();
    // An empty ticked row would refuse both writes with the same message: say it once.
    for (int item = StateItem; item < ItemCount; ++item)
        if (RowTicked(item) && Rows().IsRowEmpty(item)) {
            ui::MessageBox(SummerTimePanel, "Some items are empty!", ui::mbOK, ui::miWarning);
            return;
        }
    // The state first.
    Flag(StateItem, StateItem, false);
    Flag(OffsetItem, AnnualEndItem, true);
    WriteTickedRows(sender);
    // Then the offset with the pair of the state shown, whatever became of the first write.
    Flag(OffsetItem, OffsetItem, false);
    Flag(RepeatStartItem, AnnualEndItem, true);
    if (const int pair = PairOfState(); pair >= 0)
        Flag(pair, pair + 1, false);
    Flag(StateItem, StateItem, true);
    WriteTickedRows(sender);
}

void TSummerTimeForm::WriteTickedRows(QObject* sender)
{
    // A write whose rows are all unticked would be an empty SET: the panel's own Set Checked is
    // disabled then.
    const MvSNMPVarList& list = SummerTimeEdits->Request.VarList;
    for (int item = StateItem; item < ItemCount; ++item)
        if ((list.Item(item).access & invalid) == 0 && RowTicked(item)) {
            ui::Fire(SavedSetClick, sender);
            return;
        }
}
