// The 802.1p basic configuration and port capability windows against the simulated switch: the
// fixed device capabilities, the traffic classes state, and each port's capabilities octets
// named.

#include "SwitchingFixture.h"

#include "features/switching/NewRequest2Edits4.h"
#include "features/switching/PBridgeConfigForm.h"
#include "features/switching/PortCapabilities8021dForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Label.h"

namespace {

class BridgeCapabilityWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"livecounters.dat"}; }
};

// The switch serves ports 1 to 9 with these octets, in this order.
TEST_F(BridgeCapabilityWindows, EachPortsCapabilitiesAreNamed)
{
    struct Case {
        const char* hex;
        const char* names;
    };
    const Case cases[] = {
        {"E0", "Dot1qTagging,ConfigurableAcceptableFrameTypes,IngressFiltering"},
        {"60", "ConfigurableAcceptableFrameTypes,IngressFiltering"},
        {"A0", "Dot1qTagging,IngressFiltering"},
        {"C0", "Dot1qTagging,ConfigurableAcceptableFrameTypes"},
        {"20", "IngressFiltering"},
        {"80", "Dot1qTagging"},
        {"40", "ConfigurableAcceptableFrameTypes"},
        {"00", ""},
        {"E000", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CapabilityNamesOf(c.hex), c.names) << c.hex;

    InWindow<TPortCapabilities8021dForm>([&](TPortCapabilities8021dForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000)) << StatusLine(&w);
        const auto rows = Cells(w.LV_dot1dPortCapabilitiesEntry);
        ASSERT_EQ(rows.size(), std::size(cases));
        for (std::size_t port = 0; port < rows.size(); ++port) {
            SCOPED_TRACE(cases[port].hex);
            EXPECT_EQ(rows[port][0], std::to_string(port + 1));
            EXPECT_EQ(rows[port][1], cases[port].names);
        }
        EXPECT_EQ(w.ST_Count->Caption(), "9");
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(BridgeCapabilityWindows, RefreshDuringTheReadIsRefused)
{
    InWindow<TPortCapabilities8021dForm>([&](TPortCapabilities8021dForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        sim->Control("delay 500");
        Click(w.RefreshBtn);
        EXPECT_EQ(w.DataComplete, 0);
        Click(w.RefreshBtn);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 20000));
        EXPECT_EQ(w.LV_dot1dPortCapabilitiesEntry->Count(), 9) << "listed once";
    });
}

TEST_F(BridgeCapabilityWindows, BasicConfigurationShowsTheFixedCapabilitiesAndTheTrafficClassesState)
{
    const std::string capabilities =
        "dot1dExtendedFilteringServices,dot1dTrafficClasses,dot1qIVLCapable,dot1qConfigurablePvidTagging";
    InWindow<TPBridgeConfigForm>([&](TPBridgeConfigForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }, 10000));
        EXPECT_EQ(w.Edit_DeviceCapabilities->Caption(), capabilities);
        EXPECT_EQ(ui::Hint(w.Edit_DeviceCapabilities), capabilities);
        EXPECT_EQ(w.TrafficClassesState->Text(), "true");
        EXPECT_FALSE(w.TrafficClassesState->isEnabled());
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);

        // Refresh while a read runs: the later read supersedes it, the state is shown once.
        sim->Control("data 1.3.6.1.2.1.17.6.1.1.2.0 i 2");
        sim->Control("delay 300");
        Click(w.BT_Get);
        Click(w.BT_Get);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.TrafficClassesState->Text() == "false"; }, 10000));
        EXPECT_EQ(w.Edit_DeviceCapabilities->Caption(), capabilities) << "whatever the switch reports";
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
