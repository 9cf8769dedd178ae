// Every bound menu item, generated and hand-made, opened under every start-up condition: each
// model identified, a sysObjectID of no known model, an identification that raised, a silent
// switch, SI firmware, two stacked units, and a switch that answers with the wrong things. Each
// window opens (a shown item from the menu, a hidden one through its handler), lets its first
// read end, and is closed as a user closes it: its Close button, else Escape. Nothing may crash,
// hang or leave the sanitizers a report, and a window whose reads found no switch says so.
// One case per condition and top-level menu group, each with one simulated switch.
#include "HandlerFamiliesFixture.h"
#include "main/MenuTree.h"
#include "snmp/DeviceState.h"
#include "snmp/RequestActivity.h"
#include "snmp/SnmpSettings.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/StatusBar.h"

#include <QAbstractButton>
#include <QTest>

#include <chrono>
#include <map>
#include <set>
#include <tuple>

namespace {

enum class Condition { Ka, Kb, Kc, Kd, UnknownModel, IdentificationRaised, Silent, FirmwareSI, Stacked, Garbled };

const struct {
    Condition condition;
    const char* name;
} Conditions[] = {
    {Condition::Ka, "Ka"},
    {Condition::Kb, "Kb"},
    {Condition::Kc, "Kc"},
    {Condition::Kd, "Kd"},
    {Condition::UnknownModel, "UnknownModel"},
    {Condition::IdentificationRaised, "IdentificationRaised"},
    {Condition::Silent, "Silent"},
    {Condition::FirmwareSI, "FirmwareSI"},
    {Condition::Stacked, "Stacked"},
    {Condition::Garbled, "Garbled"},
};

// Whether no window can read anything (a switch that is not there, does not answer, or answers
// nothing a window can decode): the user must be told.
bool NothingReadable(Condition condition)
{
    return condition == Condition::IdentificationRaised || condition == Condition::Silent ||
           condition == Condition::Garbled;
}

const MenuTreeRow* RowNamed(const std::string& name)
{
    static const std::map<std::string, const MenuTreeRow*> rows = [] {
        std::map<std::string, const MenuTreeRow*> named;
        for (const MenuTreeRow& row : MenuTree())
            named.emplace(row.Name, &row);
        return named;
    }();
    const auto found = rows.find(name);
    return found == rows.end() ? nullptr : found->second;
}

// The item on the menu bar an item lies under.
std::string TopOf(const MenuTreeRow& row)
{
    const MenuTreeRow* at = &row;
    while (*at->Parent != '\0')
        at = RowNamed(at->Parent);
    return at->Name;
}

// The menu items that open something of this module: the external tools and the help file are
// other programs.
bool OpensAWindowOfItsOwn(const MenuTreeRow& item)
{
    const HandlerRow* row = FindHandler(item.OnClick);
    return row != nullptr && row->Family != HandlerFamily::ExternalTool && row->Family != HandlerFamily::Help;
}

// The groups whose windows take much longer than the others', and in how many parts their
// items are worked, so that the cases run evenly in parallel.
const std::map<std::string, int> PartsOfGroup{{"Layer2", 2}};

// An item of the menu bar as a case names it: the letters and digits of its caption.
std::string GroupName(const std::string& group)
{
    std::string name;
    for (const char* c = RowNamed(group)->Caption; *c != '\0'; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name.push_back(*c);
    return name;
}

// One case's items: a part of the bound items under one item of the menu bar, in menu order.
struct Slice {
    std::string group; // the item of the menu bar
    int part = 0;
    int parts = 1;
    std::vector<const MenuTreeRow*> items;
};

// Every case's items, the menu bar's items with bound items under them (or bound themselves)
// in menu order.
const std::vector<Slice>& Slices()
{
    static const std::vector<Slice> slices = [] {
        std::vector<std::string> groups;
        std::map<std::string, std::vector<const MenuTreeRow*>> items;
        for (const MenuTreeRow& row : MenuTree()) {
            if (*row.OnClick == '\0')
                continue;
            const std::string top = TopOf(row);
            if (items.count(top) == 0)
                groups.push_back(top);
            if (OpensAWindowOfItsOwn(row))
                items[top].push_back(&row);
            else
                items[top]; // a group of other programs' items only still has its case
        }
        std::vector<Slice> all;
        for (const std::string& group : groups) {
            const auto parts = PartsOfGroup.find(GroupName(group));
            const int count = parts == PartsOfGroup.end() ? 1 : parts->second;
            const std::vector<const MenuTreeRow*>& mine = items[group];
            for (int part = 0; part < count; ++part) {
                const auto from = mine.begin() + static_cast<std::ptrdiff_t>(mine.size() * part / count);
                const auto to = mine.begin() + static_cast<std::ptrdiff_t>(mine.size() * (part + 1) / count);
                all.push_back({group, part, count, {from, to}});
            }
        }
        return all;
    }();
    return slices;
}

std::string Stripped(const QString& caption)
{
    return QString(caption).remove('&').trimmed().toStdString();
}

using Case = std::tuple<int, int>; // condition, slice

class EveryWindow : public HandlerTest, public testing::WithParamInterface<Case> {
protected:
    void TearDown() override
    {
        window_.reset();
        sim_.reset();
        TimeoutCeiling = 0;
        HandlerTest::TearDown();
    }

    void Start(Condition condition)
    {
        if (condition == Condition::IdentificationRaised) {
            window_ = std::make_unique<StartedMainWindow>(std::vector<std::string>{"/I999.999.999.999", "/v1"});
            ASSERT_EQ(UnitCount, 0);
            return;
        }
        static const std::map<Condition, std::string> models{
            {Condition::Ka, "Ka"}, {Condition::Kc, "Kc"}, {Condition::Kd, "Kd"}};
        const std::string model = models.count(condition) ? models.at(condition) : "Kb";
        // The build writes each model's generated data, and the garbled data, once.
        const std::string data = std::string(SORVANE_MENU_DATA_DIR) +
                                 (condition == Condition::Garbled ? "/garbled-" : "/menu-") + model + ".dat";
        SimSwitchOptions options{model, {"--data", data}};
        const std::map<Condition, const char*> more{{Condition::UnknownModel, "identify-other-series.dat"},
                                                    {Condition::FirmwareSI, "identify-firmware-SI.dat"},
                                                    {Condition::Stacked, "stack-two.dat"}};
        if (more.count(condition))
            options.extraArgs.insert(options.extraArgs.end(), {"--data", SimSwitch::DataFile(more.at(condition))});
        sim_ = std::make_unique<SimSwitch>(options);
        if (condition == Condition::Silent)
            sim_->Control("silence on");
        window_ = StartOn(*sim_);
        // The condition holds as start-up found it.
        switch (condition) {
        case Condition::Silent: ASSERT_TRUE(ModelNameText.empty()); break;
        case Condition::UnknownModel: ASSERT_TRUE(ModelNameText.empty()) << ModelNameText; break;
        case Condition::FirmwareSI: ASSERT_EQ(FirmwareModeText, "SI"); break;
        case Condition::Stacked:
            ASSERT_NE(UnitListViewRef, nullptr);
            ASSERT_EQ(UnitListViewRef->Count(), 2);
            break;
        default: ASSERT_EQ(ModelNameText, "Sorvane-" + model); break;
        }
        // Short time-outs for every request, also those that ask for long ones, so that each
        // read of a silent switch ends soon.
        if (condition == Condition::Silent)
            TimeoutCeiling = 10;
    }

    // What the window shows in its status lines and log memos.
    static std::string WhatItSays(QWidget* form)
    {
        std::string said;
        for (const ui::StatusBar* bar : form->findChildren<ui::StatusBar*>()) {
            said += bar->SimpleText();
            for (int i = 0; i < bar->PanelCount(); ++i)
                said += bar->Panel(i)->Text();
        }
        for (const ui::Memo* memo : form->findChildren<ui::Memo*>())
            said += memo->Text();
        return said;
    }

    static QAbstractButton* CloseButton(QWidget* form)
    {
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
            if (button->isVisibleTo(form) && button->isEnabled() && Stripped(button->text()) == "Close" &&
                button->window() == form)
                return button;
        return nullptr;
    }

    // One window being worked: it reads, then is closed as a user closes it, its Close button
    // first, Escape when it has none or that does not close it. The steps run from a poll and
    // never wait inside it: a close asked for inside a handler takes effect once the handler has
    // returned.
    struct Worked {
        QPointer<ui::Form> form;
        enum { Reading, Closing, Escaped, Done } step = Reading;
        std::chrono::steady_clock::time_point since = std::chrono::steady_clock::now();
        std::chrono::steady_clock::time_point quietSince = std::chrono::steady_clock::now();
        std::uint64_t reads = 0;
        std::size_t boxes = 0;
    };

    // Opens the item (from the menu when a user can reach it, else through its handler) and works
    // every window that shows while it runs.
    void Exercise(const MenuTreeRow& item, Condition condition)
    {
        using Clock = std::chrono::steady_clock;
        const std::size_t boxesBefore = MessageBoxes().size();
        int windows = 0;
        std::set<QWidget*> seen{QApplication::activeModalWidget()};
        std::vector<Worked> working;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (SnmpEventProcessor != nullptr && !SnmpEventProcessor->Enabled())
                return;
            if (auto* shown = dynamic_cast<ui::Form*>(QApplication::activeModalWidget());
                shown != nullptr && seen.insert(shown).second) {
                ++windows;
                Worked w;
                w.form = shown;
                w.reads = RequestActivity::ReadsBegun();
                w.boxes = MessageBoxes().size();
                working.push_back(w);
            }
            const auto now = Clock::now();
            for (Worked& w : working) {
                if (w.step == Worked::Done)
                    continue;
                if (w.form.isNull() || !w.form->isVisible()) {
                    w.step = Worked::Done;
                    continue;
                }
                // Only the window on top can be worked.
                if (QApplication::activeModalWidget() != w.form.data())
                    continue;
                if (w.step == Worked::Reading) {
                    if (RequestActivity::OutstandingExchanges() != 0)
                        w.quietSince = now;
                    const bool quiet = now - w.quietSince > std::chrono::milliseconds(150);
                    if (!quiet && now - w.since < std::chrono::seconds(30))
                        continue;
                    EXPECT_TRUE(quiet) << "its reads never end";
                    if (NothingReadable(condition) && RequestActivity::ReadsBegun() != w.reads) {
                        // Boxes shown while the handler made the window count as the window's.
                        EXPECT_TRUE(!WhatItSays(w.form).empty() || MessageBoxes().size() != boxesBefore)
                            << w.form->Caption() << ": nothing could be read and the window says nothing";
                    }
                    w.since = now;
                    if (QAbstractButton* close = CloseButton(w.form)) {
                        w.step = Worked::Closing;
                        Click(close);
                    } else {
                        w.step = Worked::Escaped;
                        QTest::keyClick(w.form.data(), Qt::Key_Escape);
                    }
                } else if (w.step == Worked::Closing && now - w.since > std::chrono::seconds(8)) {
                    w.step = Worked::Escaped;
                    w.since = now;
                    QTest::keyClick(w.form.data(), Qt::Key_Escape);
                } else if (w.step == Worked::Escaped && now - w.since > std::chrono::seconds(8)) {
                    ADD_FAILURE() << w.form->Caption() << ": neither Close nor Escape closes the window";
                    w.step = Worked::Done;
                    w.form->SetModalResult(ui::mrAbort);
                }
                return;
            }
        });
        poll.start(5);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            ADD_FAILURE() << "the item's handler does not return";
            if (auto* form = dynamic_cast<ui::Form*>(QApplication::activeModalWidget()))
                form->SetModalResult(ui::mrAbort);
        });
        watchdog.start(90000);

        QAction* action = MainForm->Menu().Item(item.Name);
        if (action != nullptr && action->isEnabled() && MainForm->Menu().Reachable(item.Name))
            action->trigger();
        else
            MainForm->RunHandlerNamed(item.OnClick);
        poll.stop();
        const HandlerRow* row = FindHandler(item.OnClick);
        if (windows == 0 && row->Family != HandlerFamily::Empty) {
            EXPECT_NE(MessageBoxes().size(), boxesBefore) << "no window opened and nothing said why";
        }
    }

    std::unique_ptr<SimSwitch> sim_;
    std::unique_ptr<StartedMainWindow> window_;
};

TEST_P(EveryWindow, OpensReadsAndCloses)
{
    const auto [conditionIndex, sliceIndex] = GetParam();
    const Condition condition = Conditions[conditionIndex].condition;
    Start(condition);
    ASSERT_NE(MainForm, nullptr);
    int exercised = 0;
    for (const MenuTreeRow* row : Slices().at(static_cast<std::size_t>(sliceIndex)).items) {
        const MenuTreeRow& item = *row;
        QAction* action = MainForm->Menu().Item(item.Name);
        ASSERT_NE(action, nullptr) << item.Name;
        if (!EnabledWhenShown(action))
            continue; // its window class is not registered: the item stays greyed
        SCOPED_TRACE(std::string(item.Name) + " (" + item.OnClick + ")");
        Exercise(item, condition);
        ++exercised;
    }
    EXPECT_GT(exercised, 0);
}

std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    const auto [condition, slice] = info.param;
    const Slice& items = Slices().at(static_cast<std::size_t>(slice));
    std::string name = Conditions[condition].name + std::string("_") + GroupName(items.group);
    if (items.parts > 1)
        name += "_" + std::to_string(items.part + 1) + "of" + std::to_string(items.parts);
    return name;
}

INSTANTIATE_TEST_SUITE_P(Conditions, EveryWindow,
                         testing::Combine(testing::Range(0, static_cast<int>(std::size(Conditions))),
                                          testing::Range(0, static_cast<int>(Slices().size()))),
                         CaseName);

} // namespace
