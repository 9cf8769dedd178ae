// The menu items of the VLAN windows: each is enabled and opens its window, owned as its row
// says, captioned with the title and the switch's address, known to its unit global while it is
// shown, and reading its table. The handlers of the hidden items and the one without an item
// open their windows through the handler table.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/switching/GARPForm.h"
#include "features/switching/MulticastForwardingInformationForm.h"
#include "features/switching/PrivateVLANForm.h"
#include "features/switching/ProtocolVLANGroupForm.h"
#include "features/switching/SecondaryVlanForm.h"
#include "features/switching/TpGroupDestinationForwardedForm.h"
#include "features/switching/VLanCurrentTableForm.h"
#include "features/switching/VLanPortInfomationForm.h"
#include "features/switching/VlanStaticForm.h"

#include "ui/ListView.h"

#include <QAction>

namespace {

struct VlanCase {
    const char* item;    // the menu item, or none for a handler run by name
    const char* handler;
    const char* title;
    std::function<ui::Form*()> global; // the class's unit global
    bool ownedByMainWindow;
    bool itemVisible;
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, VlanWindowsOpenFromTheirMenuItemsAndHandlers)
{
    SimSwitch sim(Options("Kb", {"vlan.dat"}));
    const auto mainWindow = StartOn(sim);
    const VlanCase cases[] = {
        {"StaticForm1", "StaticForm1Click", "802.1Q Static VLAN Table", GlobalOf(VlanStaticForm), true, true},
        {"CurrentForm1", "CurrentForm1Click", "802.1Q Current VLAN Table", GlobalOf(VLanCurrentTableForm), true, true},
        {"PortsInfo1", "PortsInfo1Click", "802.1Q VLAN Port Information Table", GlobalOf(VLanPortInfomationForm),
         false, true},
        {"GVRP1", "GVRP1Click", "802.1p GARP Timer", GlobalOf(GARPForm), false, true},
        {"ProtocolVLANGroup1", "ProtocolVLANGroup1Click", "Protocol VLAN Group Table", GlobalOf(ProtocolVLANGroupForm),
         false, true},
        {"mniPrivateVLANSettings1", "mniPrivateVLANSettings1Click", "Private VLAN Settings", GlobalOf(PrivateVLANForm),
         false, true},
        {"mniSecondaryVlanSettings1", "mniSecondaryVlanSettings1Click", "Secondary VLAN Settings",
         GlobalOf(SecondaryVlanForm), false, true},
        {"TpGroupDestinationForwarded1", "TpGroupDestinationForwarded1Click", "Tp Group Destination Forwarded",
         GlobalOf(TpGroupDestinationForwardedForm), true, false},
        {"MulticastForwardingInformation1", "MulticastForwardingInformation1Click", "Multicast Forwarding Information",
         GlobalOf(MulticastForwardingInformationForm), true, false},
        {nullptr, "ProtocolVLAN1Click", "Protocol VLAN", GlobalOf(ProtocolVLANGroupForm), false, false},
    };
    for (const VlanCase& c : cases) {
        SCOPED_TRACE(c.handler);
        std::function<void()> open = [&] { MainForm->RunHandlerNamed(c.handler); };
        if (c.item != nullptr) {
            auto* action = Find<QAction>(MainForm, c.item);
            ASSERT_NE(action, nullptr);
            // An item the menu hides is never enabled in Qt's eyes; its handler still opens it.
            EXPECT_EQ(action->isVisible(), c.itemVisible);
            if (c.itemVisible) {
                EXPECT_TRUE(action->isEnabled());
                open = [&] { ClickMenuItem(MainForm, c.item); };
            }
        }
        const bool opened = RunInModalOf(open, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget() == MainForm, c.ownedByMainWindow);
            auto* list = shown->findChild<ui::ListView*>();
            ASSERT_NE(list, nullptr);
            auto* window = dynamic_cast<WindowLifecycle*>(shown);
            ASSERT_NE(window, nullptr);
            // The read has ended: the window is idle, its rows are in and its status line says so.
            EXPECT_TRUE(WaitFor([&] {
                return (window->Variants().LogOnly || window->DataComplete == 1) && list->Count() > 0 &&
                       StatusLine(shown).find("Get: Ok!") != std::string::npos;
            }, 10000)) << StatusLine(shown);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
