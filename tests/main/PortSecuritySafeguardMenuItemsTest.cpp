// The menu items of the port security, safeguard engine and RPC port mapper windows: each is
// enabled and opens its window, owned as its row says, captioned with the title and the switch's
// address, known to its unit global while shown, and reading the switch. "RPC PortMapper Filter
// Settings" is hidden in the menu and opened by its handler.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/system/PortSecurityGlobalSettingsForm.h"
#include "features/system/PortSecurityVLANOnPortForm.h"
#include "features/system/PortSecurityVLANTableForm.h"
#include "features/system/RPCPortMapperForm.h"
#include "features/system/SafeguardCtrlForm.h"

#include "ui/Edit.h"
#include "ui/ListView.h"

#include <QAction>

namespace {

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, PortSecuritySafeguardAndRPCItemsOpenTheirWindows)
{
    SimSwitch sim(Options("Kb", {"portsecurity-safeguard.dat"}));
    const auto mainWindow = StartOn(sim);
    struct Case {
        const char* item;
        std::string title;
        std::function<ui::Form*()> global;
        bool ownedByMainWindow;
        bool reachable;
        // What the window read, once its read has ended.
        std::function<bool(ui::Form*)> read;
    };
    const Case cases[] = {
        {"GlobalSettings9", "Port Security Global Settings", GlobalOf(PortSecurityGlobalSettingsForm), false, true,
         [](ui::Form* f) {
             auto* w = dynamic_cast<TPortSecurityGlobalSettingsForm*>(f);
             return w != nullptr && w->EdSystemMaxLearnAddress->Text() == "-1";
         }},
        {"VLANTable6", "Port Security VLAN Table", GlobalOf(PortSecurityVLANTableForm), false, true,
         [](ui::Form* f) {
             auto* w = dynamic_cast<TPortSecurityVLANTableForm*>(f);
             return w != nullptr && w->ListView1->Count() == 3;
         }},
        {"VLANOnPort1", "Port Security VLAN On Port", GlobalOf(PortSecurityVLANOnPortForm), false, true,
         [](ui::Form* f) {
             auto* w = dynamic_cast<TPortSecurityVLANOnPortForm*>(f);
             return w != nullptr && w->ListView1->Count() == 2;
         }},
        {"ProtectControl1", "Safeguard Control Settings", GlobalOf(SafeguardCtrlForm), true, true,
         [](ui::Form* f) {
             auto* w = dynamic_cast<TSafeguardCtrlForm*>(f);
             return w != nullptr && w->edtRising->Text() == "80";
         }},
        {"RPCPortMapperFilterSettings1", "RPC PortMapper Filter Settings", GlobalOf(RPCPortMapperForm), false, false,
         [](ui::Form* f) {
             auto* w = dynamic_cast<TRPCPortMapperForm*>(f);
             return w != nullptr && w->PortPicker != nullptr && w->PortPicker->PortBoxes[1]->Checked();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* action = MainForm->Menu().Item(c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(EnabledWhenShown(action));
        EXPECT_EQ(MainForm->Menu().Reachable(c.item), c.reachable);
        const std::string handler = std::string(c.item) + "Click";
        const bool opened = RunInModalOf([&] { MainForm->RunHandlerNamed(handler); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), c.title + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget() == MainForm, c.ownedByMainWindow);
            auto* window = dynamic_cast<WindowLifecycle*>(shown);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(WaitFor([&] {
                return (window->Variants().LogOnly || window->DataComplete == 1) && c.read(shown);
            }, 10000));
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
