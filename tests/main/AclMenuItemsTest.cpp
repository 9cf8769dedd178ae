// The ACL menu items of the hand-made rule and profile windows: enabled, each opens its window
// with the switch's address in its caption, the handler's global refers to it while it is shown.
#include "HandlerFamiliesFixture.h"

#include "features/acl/EthernetProfileRuleForm.h"
#include "features/acl/IPProfileForm.h"
#include "features/acl/IPProfileRuleForm.h"
#include "features/acl/Ipv6RuleForm.h"
#include "features/acl/PktContentRuleForm.h"
#include "features/acl/EgressEthetnetProfileForm.h"
#include "features/acl/EgressIPv4ProfileForm.h"
#include "features/acl/EgressIPv6ProfileForm.h"
#include "features/acl/EthernetProfileForm.h"
#include "features/acl/IPv6ProfileForm.h"
#include "features/acl/PktContentProfileForm.h"

#include "snmp/DeviceState.h"

#include <functional>

#include "main/MainMenu.h"

#include <QAction>

namespace {

TEST_F(HandlerTest, IPv4RuleAndProfileItemsOpenTheirWindows)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    for (const char* item : {"IPRule1", "IPMaskInformation1"})
        EXPECT_TRUE((*window)->Menu().Item(item)->isEnabled()) << item;

    EXPECT_TRUE(RunInModalOf([] { ClickMenuItem(MainForm, "IPRule1"); }, [&](ui::Form* shown) {
        auto* form = dynamic_cast<TIPProfileRuleForm*>(shown);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Caption(), "ACL IPv4 Rule: " + sim.Address());
        EXPECT_EQ(IPProfileRuleForm, form);
        ASSERT_TRUE(WaitFor([&] { return form->DataComplete == 1; }, 10000));
        EXPECT_EQ(form->ListView1->Count(), 3);
    }));
    EXPECT_EQ(IPProfileRuleForm, nullptr);

    EXPECT_TRUE(RunInModalOf([] { ClickMenuItem(MainForm, "IPMaskInformation1"); }, [&](ui::Form* shown) {
        auto* form = dynamic_cast<TIPProfileForm*>(shown);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Caption(), "ACL IPv4 Profile: " + sim.Address());
        EXPECT_EQ(IPProfileForm, form);
        EXPECT_EQ(form->ListView1->Count(), 2);
    }));
    EXPECT_EQ(IPProfileForm, nullptr);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The Ethernet, IPv6 and packet content rule windows, each reading the switch's rules. Firmware
// SI hides "IPv6 Rule".
TEST_F(HandlerTest, EthernetIPv6AndPacketContentRuleItemsOpenTheirWindows)
{
    SimSwitch sim(Options());
    struct Case {
        const char* item;
        const char* title;
        std::function<TAclRuleFrame*()> global;
        int rows;
    };
    const Case cases[] = {
        {"RuleOfEthernetInformation1", "ACL Ethernet Rule", [] { return EthernetProfileRuleForm; }, 3},
        {"IPv6Rule1", "ACL IPv6 Rule", [] { return Ipv6RuleForm; }, 3},
        {"PayloadRule1", "ACL Packet Content Rule", [] { return PktContentRuleForm; }, 2},
    };
    {
        const auto window = StartOn(sim);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.item);
            EXPECT_TRUE((*window)->Menu().Item(c.item)->isEnabled());
            EXPECT_TRUE((*window)->Menu().Reachable(c.item));
            EXPECT_TRUE(RunInModalOf([&] { ClickMenuItem(MainForm, c.item); }, [&](ui::Form* shown) {
                auto* form = dynamic_cast<TAclRuleFrame*>(shown);
                ASSERT_NE(form, nullptr);
                EXPECT_EQ(form->Caption(), std::string(c.title) + ": " + sim.Address());
                EXPECT_EQ(c.global(), form);
                EXPECT_EQ(form->parentWidget(), nullptr); // owned by the application
                ASSERT_TRUE(WaitFor([&] { return form->DataComplete == 1; }, 10000));
                EXPECT_EQ(form->findChild<ui::ListView*>("ListView1")->Count(), c.rows);
            }));
            EXPECT_EQ(c.global(), nullptr);
        }
    }
    SimSwitch si(Options("Kb", {"identify-firmware-SI.dat"}));
    const auto window = StartOn(si);
    EXPECT_FALSE((*window)->Menu().Reachable("IPv6Rule1"));
    EXPECT_TRUE((*window)->Menu().Reachable("RuleOfEthernetInformation1"));
    EXPECT_TRUE((*window)->Menu().Reachable("PayloadRule1"));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

// The profile windows: the ingress items in the ACL menu, the egress ones in the "Egress ACL"
// sub-menu, which the main window always hides; those are opened by their handlers' names.
TEST_F(HandlerTest, ProfileItemsOpenTheirWindows)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    struct Case {
        const char* item;
        const char* title;
        std::function<ui::Form*()> global;
        bool ownedByMainWindow;
        bool reachable;
        int rows;
    };
    const Case cases[] = {
        {"EthernetMask1", "ACL Ethernet Profile", GlobalOf(EthernetProfileForm), false, true, 2},
        {"IPv6MaskInformation1", "ACL IPv6 Profile", GlobalOf(IPv6ProfileForm), true, true, 2},
        {"PayloadMaskInformation1", "ACL Packet Content Profile", GlobalOf(PktContentProfileForm), false, true, 2},
        {"EthernetProfile1", "Egress ACL Ethernet Profile", GlobalOf(EgressEthetnetProfileForm), false, false, 2},
        {"IPv4Profile1", "Egress ACL IPv4 Profile", GlobalOf(EgressIPv4ProfileForm), false, false, 2},
        {"IPv6Profile1", "Egress ACL IPv6 Profile", GlobalOf(EgressIPv6ProfileForm), false, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(MainForm->Menu().Item(c.item)->isEnabled());
        EXPECT_EQ(MainForm->Menu().Reachable(c.item), c.reachable);
        const std::string handler = std::string(c.item) + "Click";
        EXPECT_TRUE(RunInModalOf([&] { MainForm->RunHandlerNamed(handler); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget() == MainForm, c.ownedByMainWindow);
            auto* list = shown->findChild<ui::ListView*>();
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->Count(), c.rows);
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
        }));
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// "IPv6 Profile" is hidden on the SI firmware, the other profile items are not.
TEST_F(HandlerTest, IPv6ProfileItemIsHiddenOnSI)
{
    SimSwitch sim(Options("Kb", {"identify-firmware-SI.dat"}));
    const auto window = StartOn(sim);
    ASSERT_EQ(FirmwareModeText, "SI");
    EXPECT_FALSE(MainForm->Menu().Reachable("IPv6MaskInformation1"));
    EXPECT_TRUE(MainForm->Menu().Reachable("EthernetMask1"));
    EXPECT_TRUE(MainForm->Menu().Reachable("PayloadMaskInformation1"));
}

} // namespace
