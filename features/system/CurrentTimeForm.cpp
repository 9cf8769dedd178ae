#include "features/system/CurrentTimeForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include <array>
#include <cctype>
#include <exception>
#include <optional>

TCurrentTimeForm* CurrentTimeForm = nullptr;

namespace {

struct CapacityBit {
    unsigned long mask;
    const char* name;
};

constexpr std::array<CapacityBit, 4> CapacityBits{{
    {0x80, "systemTime"},
    {0x40, "SNTP"},
    {0x20, "SummerTime"},
    {0x10, "realTimeClock"},
}};

// The refusal of a clock text, named by the caption beside its edit.
const char* const ClockRefusal =
    "Current Clock: Please input a valid date and time, e.g.: 2007-5-26,15:30:15.0.";

// Reads a decimal number from text at pos up to the next separator; nullopt when there are no
// digits or too many for a field.
std::optional<int> ReadField(const std::string& text, std::size_t& pos)
{
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) != 0) {
        if (pos - start >= 5)
            return std::nullopt;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start)
        return std::nullopt;
    return value;
}

bool Expect(const std::string& text, std::size_t& pos, char separator)
{
    if (pos >= text.size() || text[pos] != separator)
        return false;
    ++pos;
    return true;
}

int DaysInMonth(int year, int month)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : Days[month - 1];
}

} // namespace

TCurrentTimeForm::TCurrentTimeForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    SetPosition(ui::poMainFormCenter);
    OnCreate = ui::Handler(this, &TCurrentTimeForm::FormCreate);
    OnClose = ui::Handler(this, &TCurrentTimeForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TCurrentTimeForm::GetButtonClick);
    SetButton->OnClick = ui::Handler(this, &TCurrentTimeForm::SetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TCurrentTimeForm::CloseButtonClick);
    DoCreate();
}

TCurrentTimeForm::~TCurrentTimeForm() { Request.reset(); }

void TCurrentTimeForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_time", "1.3.6.1.4.1.171.12.10.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_time 1.3.6.1.4.1.171.12.10.1");
        Request->Request.VarList = MvSNMPVarList(table, SVT_SV, 0);
        Request->BindStaticText(CapacityItem, tempText);
        Request->BindEdits(ClockItem, "%s{l22}", currentclockEdit);
        Request->BindComboBox(ResetItem, cbxReset);
        Attach(*Request, false);
        Request->OnGetEnd = [this](MvSNMPRequest2Controls* sender, const MvSNMPError& result) {
            ShowTimeCapacity(sender, result);
        };
        Read(*Request);
    });
}

void TCurrentTimeForm::GetButtonClick(QObject*)
{
    // A read still running is superseded by this one.
    if (Request)
        Guarded([&] { Read(*Request); });
}

void TCurrentTimeForm::SetButtonClick(QObject*)
{
    if (!Request)
        return;
    if (currentclockEdit->Text().empty()) {
        Say("The Current Edit should not be empty!");
        currentclockEdit->SetFocus();
        return;
    }
    // The request would send a clock it cannot read as fields of zero, and one out of range
    // cut to its octets.
    if (!IsClockText(currentclockEdit->Text())) {
        Say(ClockRefusal);
        currentclockEdit->SetFocus();
        return;
    }
    // The clock alone goes out: the other items are read-only.
    Guarded([&] { Write(*Request); });
}

void TCurrentTimeForm::CloseButtonClick(QObject*) { Close(); }

void TCurrentTimeForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, nullptr, Request); }

void TCurrentTimeForm::ShowTimeCapacity(MvSNMPRequest2Controls*, const MvSNMPError&)
{
    try {
        const std::string text = tempText->Caption();
        if (text.empty())
            return;
        CapacityText = CapacityNames(text);
        timecapacityEdit->SetText(CapacityText);
    } catch (const std::exception& e) {
        ShowInStatusLine(e.what());
    }
}

std::string TCurrentTimeForm::CapacityNames(const std::string& text)
{
    if (text.empty())
        return {};
    unsigned long value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            break;
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        value = value * 16 + static_cast<unsigned long>(digit);
    }
    std::string names = " ";
    bool first = true;
    for (const CapacityBit& bit : CapacityBits)
        if ((value & bit.mask) != 0) {
            if (!first)
                names += ",";
            names += bit.name;
            first = false;
        }
    return names;
}

bool TCurrentTimeForm::IsClockText(const std::string& text)
{
    std::size_t pos = 0;
    struct Field {
        char before; // the separator in front of the field; none for the year
        int low;
        int high;
    };
    // Year, month, day, hour, minutes, seconds (60 for a leap second) and tenths.
    constexpr Field Fields[] = {{0, 0, 65535}, {'-', 1, 12}, {'-', 1, 31}, {',', 0, 23},
                                {':', 0, 59},  {':', 0, 60}, {'.', 0, 9}};
    int values[7] = {};
    for (std::size_t k = 0; k < std::size(Fields); ++k) {
        if (Fields[k].before != 0 && !Expect(text, pos, Fields[k].before))
            return false;
        const std::optional<int> value = ReadField(text, pos);
        if (!value || *value < Fields[k].low || *value > Fields[k].high)
            return false;
        values[k] = *value;
    }
    if (values[2] > DaysInMonth(values[0], values[1]))
        return false;
    if (pos == text.size())
        return true;
    // The offset from UTC: at most 13 hours and 59 minutes either way.
    if (!Expect(text, pos, ',') || pos >= text.size() || (text[pos] != '+' && text[pos] != '-'))
        return false;
    ++pos;
    const std::optional<int> hours = ReadField(text, pos);
    if (!hours || *hours > 13 || !Expect(text, pos, ':'))
        return false;
    const std::optional<int> minutes = ReadField(text, pos);
    return minutes && *minutes <= 59 && pos == text.size();
}
