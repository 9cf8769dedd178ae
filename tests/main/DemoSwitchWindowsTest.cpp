// The demo switch (sorvane-sim --demo, the data the build writes for each model): every window a
// menu item opens on the model reads at least one row from it. One case per model and top-level
// menu; the items the model's or the firmware's menu hides are no item of that switch.
#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "main/HandlerTable.h"
#include "main/MenuTree.h"
#include "ui/Chart.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"
#include "ui/Memo.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

const char* const Models[] = {"Ka", "Kb", "Kc", "Kd"};


// The top-level menu an item lies under.
std::string TopMenuOf(const std::string& name)
{
    std::string current = name;
    for (bool found = true; found;) {
        found = false;
        for (const MenuTreeRow& row : MenuTree())
            if (current == row.Name && !std::string(row.Parent).empty()) {
                current = row.Parent;
                found = true;
                break;
            }
    }
    return current;
}

// Whether the handler opens a window that reads the switch (the About box shows the module's
// own texts).
bool OpensReadingWindow(const HandlerRow& handler)
{
    if (handler.Family == HandlerFamily::HandMadeForm && std::string(handler.WindowClass) == "TAboutForm")
        return false;
    switch (handler.Family) {
    case HandlerFamily::ExternalTool:
    case HandlerFamily::Help:
    case HandlerFamily::Refresh:
    case HandlerFamily::Empty:
        return false;
    default:
        return true;
    }
}

// What the window shows of what it read: rows of a list, a text read into an edit, a memo or a
// drop-down list, a ticked check box, or points of a chart.
bool ShowsRead(QWidget* form)
{
    for (const ui::ListView* list : form->findChildren<ui::ListView*>())
        if (list->Count() > 0)
            return true;
    for (const ui::Edit* edit : form->findChildren<ui::Edit*>())
        if (!edit->Text().empty())
            return true;
    for (const ui::Memo* memo : form->findChildren<ui::Memo*>())
        if (!memo->Text().empty())
            return true;
    for (const ui::CheckBox* box : form->findChildren<ui::CheckBox*>())
        if (box->Checked())
            return true;
    for (const ui::ComboBox* combo : form->findChildren<ui::ComboBox*>())
        if (combo->ItemIndex() >= 0)
            return true;
    for (const ui::Chart* chart : form->findChildren<ui::Chart*>())
        for (int s = 0; s < chart->SeriesCount(); ++s)
            if (!chart->Values(s).empty())
                return true;
    return false;
}

// The top-level menus with windows that read the switch, in menu order.
std::vector<std::string> TopMenus()
{
    std::vector<std::string> menus;
    for (const MenuTreeRow& row : MenuTree()) {
        const HandlerRow* handler = row.SubMenu ? nullptr : FindHandler(row.OnClick);
        if (handler == nullptr || !OpensReadingWindow(*handler))
            continue;
        const std::string menu = TopMenuOf(row.Name);
        if (std::find(menus.begin(), menus.end(), menu) == menus.end())
            menus.push_back(menu);
    }
    return menus;
}

class DemoSwitchWindows : public HandlerTest, public testing::WithParamInterface<std::tuple<const char*, std::string>> {
protected:
    // The window's first read has ended (a hand-made window that keeps no DataComplete says so
    // by what it shows alone); only then does a window that refuses to close while it reads close.
    static bool ReadDone(ui::Form* form)
    {
        if (auto* generated = dynamic_cast<TConfigForm*>(form))
            return ReadEnded(*generated);
        if (auto* window = dynamic_cast<WindowLifecycle*>(form); window != nullptr && !window->Variants().LogOnly)
            return window->DataComplete != 0;
        return ShowsRead(form);
    }
};

TEST_P(DemoSwitchWindows, EveryWindowReadsRows)
{
    const auto& [model, menu] = GetParam();
    SimSwitch sim({model, {"--demo"}});
    const auto window = StartOn(sim);
    int opened = 0;
    for (const MenuTreeRow& row : MenuTree()) {
        if (row.SubMenu || std::string(row.OnClick).empty() || TopMenuOf(row.Name) != menu)
            continue;
        const HandlerRow* handler = FindHandler(row.OnClick);
        if (handler == nullptr || !OpensReadingWindow(*handler) || !MainForm->Menu().Reachable(row.Name))
            continue;
        SCOPED_TRACE(row.Name);
        ASSERT_TRUE(EnabledWhenShown(MainForm->Menu().Item(row.Name)));
        const bool shown = RunInModalOf([&] { ClickMenuItem(MainForm, row.Name); }, [&](ui::Form* form) {
            EXPECT_TRUE(WaitFor([&] { return ReadDone(form); }, 10000)) << "read not ended; " << StatusLine(form);
            EXPECT_TRUE(WaitFor([&] { return ShowsRead(form); }, 2000)) << "no row read; " << StatusLine(form);
        });
        EXPECT_TRUE(shown) << "no window opened";
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        ++opened;
        ClearMessageBoxes();
    }
    EXPECT_GT(opened, 0);
}

INSTANTIATE_TEST_SUITE_P(ModelsAndMenus, DemoSwitchWindows,
                         testing::Combine(testing::ValuesIn(Models), testing::ValuesIn(TopMenus())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param);
                         });

} // namespace
