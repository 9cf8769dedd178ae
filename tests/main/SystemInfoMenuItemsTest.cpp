// The menu items of the time, SMTP, information and About windows: each is enabled and opens its
// window, owned as its row says, captioned with the title and the switch's address (the SMTP
// window and the About box keep their own captions), known to its unit global while shown.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/system/AboutForm.h"
#include "features/system/CurrentTimeForm.h"
#include "features/system/EquipmentBasicInfoForm.h"
#include "features/system/ProbeBasicInformationForm.h"
#include "features/system/SMTPControlForm.h"
#include "features/system/SummerTimeForm.h"
#include "features/system/TimeRangeForm.h"

#include <QAction>

namespace {

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, TimeSMTPAndInformationItemsOpenTheirWindows)
{
    SimSwitch sim(Options("Kb", {"system-info.dat"}));
    const auto mainWindow = StartOn(sim);
    struct Case {
        const char* item;
        std::string caption;
        std::function<ui::Form*()> global;
        bool ownedByMainWindow;
        bool reachable;
        std::function<bool(ui::Form*)> isWindow;
    };
    const std::string address = ": " + sim.Address();
    const Case cases[] = {
        {"TimeRange1", "Time Range Management" + address, GlobalOf(TimeRangeForm), false, true,
         [](ui::Form* f) { return dynamic_cast<TTimeRangeForm*>(f) != nullptr; }},
        {"Time1", "Current Time" + address, GlobalOf(CurrentTimeForm), false, true,
         [](ui::Form* f) { return dynamic_cast<TCurrentTimeForm*>(f) != nullptr; }},
        {"SummerTime1", "Summer Time" + address, nullptr, false, true,
         [](ui::Form* f) { return dynamic_cast<TSummerTimeForm*>(f) != nullptr; }},
        {"GlobalSettings10", "SMTP Control Table", nullptr, false, true,
         [](ui::Form* f) { return dynamic_cast<TSMTPControlForm*>(f) != nullptr; }},
        {"Test1", "Equipment Basic Information" + address, GlobalOf(EquipmentBasicInfoForm), true, false,
         [](ui::Form* f) { return dynamic_cast<TEquipmentBasicInfoForm*>(f) != nullptr; }},
        {"ProbeBasicInformation1", "Probe Basic Information" + address, GlobalOf(ProbeBasicInformationForm), false,
         true, [](ui::Form* f) { return dynamic_cast<TProbeBasicInformationForm*>(f) != nullptr; }},
        {"About1", "About Sorvane-Kb Module", GlobalOf(AboutForm), false, true,
         [](ui::Form* f) { return dynamic_cast<TAboutForm*>(f) != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* action = MainForm->Menu().Item(c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(EnabledWhenShown(action));
        EXPECT_EQ(MainForm->Menu().Reachable(c.item), c.reachable);
        const std::string handler = std::string(c.item) + "Click";
        const bool opened = RunInModalOf([&] { MainForm->RunHandlerNamed(handler); }, [&](ui::Form* shown) {
            EXPECT_TRUE(c.isWindow(shown));
            EXPECT_EQ(shown->Caption(), c.caption);
            if (c.global)
                EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget() == MainForm, c.ownedByMainWindow);
            // The windows that read have read: their status line says so.
            if (auto* window = dynamic_cast<WindowLifecycle*>(shown)) {
                EXPECT_TRUE(WaitFor([&] {
                    return (window->Variants().LogOnly || window->DataComplete == 1) && !StatusLine(shown).empty();
                }, 10000)) << StatusLine(shown);
                EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
            }
        });
        EXPECT_TRUE(opened);
        if (c.global)
            EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
