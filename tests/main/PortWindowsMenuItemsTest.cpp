// The menu items of the port windows (mirroring, trunking, segmentation, RSPAN, voice VLAN, EEE):
// each is enabled and opens its window, captioned with the title and the switch's address and
// owned as its row says; RSPAN Table is invisible in the menu and opens through its handler.

#include "HandlerFamiliesFixture.h"

#include "features/switching/EEEStateFormUnit.h"
#include "features/switching/PortMirrorForm.h"
#include "features/switching/PortTrunkForm.h"
#include "features/switching/RSPANForm.h"
#include "features/switching/TrafficSegmentationForm.h"
#include "features/switching/VoiceVLANGlobalForm.h"

#include "main/MainMenu.h"

#include <QAction>

#include <typeinfo>

namespace {

struct ItemCase {
    const char* item;
    const char* title;
    const std::type_info& window;
    std::function<ui::Form*()> global; // the class's unit global; none without one
    bool ownedByMainWindow;
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, PortWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"portwindows.dat"}));
    const auto mainWindow = StartOn(sim);
    const ItemCase cases[] = {
        {"PortMirrorTable1", "Port Mirror Table", typeid(TPortMirrorForm), nullptr, false},
        {"PortTrunk2", "Port Trunk Table", typeid(TPortTrunkForm), nullptr, false},
        {"TrafficSegmentationTable1", "Traffic Segmentation Table", typeid(TTrafficSegmentationForm), nullptr, false},
        {"GlobalSettings3", "Voice VLAN Global Settings", typeid(TVoiceVLANGlobalForm), GlobalOf(VoiceVLANGlobalForm),
         false},
        {"EEEState1", "EEE State Settings", typeid(TEEEStateFormUnit), GlobalOf(EEEStateFormUnit), true},
        {"RSPANTable1", "RSPAN Table", typeid(TRSPANForm), GlobalOf(RSPANForm), false},
    };
    const MainMenu& menu = MainForm->Menu();
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.item);
        auto* action = Find<QAction>(MainForm, c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        const bool hidden = std::string(c.item) == "RSPANTable1";
        EXPECT_EQ(menu.Reachable(c.item), !hidden);
        const bool opened = RunInModalOf(
            [&] {
                if (hidden)
                    MainForm->RunHandlerNamed(std::string(c.item) + "Click");
                else
                    ClickMenuItem(MainForm, c.item);
            },
            [&](ui::Form* shown) {
                EXPECT_EQ(typeid(*shown), c.window);
                EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
                if (c.global) {
                    EXPECT_EQ(c.global(), shown);
                }
                EXPECT_EQ(shown->parentWidget() == MainForm, c.ownedByMainWindow);
                // Its first read has ended, and the status line says it went well.
                auto* window = dynamic_cast<WindowLifecycle*>(shown);
                ASSERT_NE(window, nullptr);
                EXPECT_TRUE(WaitFor([&] {
                    return (window->Variants().LogOnly || window->DataComplete == 1) && !StatusLine(shown).empty();
                }, 10000)) << StatusLine(shown);
                EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
            });
        EXPECT_TRUE(opened);
        if (c.global) {
            EXPECT_EQ(c.global(), nullptr);
        }
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
