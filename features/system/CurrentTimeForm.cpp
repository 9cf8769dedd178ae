#include "features/system/CurrentTimeForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"

#include <array>
#include <cctype>
#include <exception>

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
