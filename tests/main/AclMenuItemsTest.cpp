// The ACL menu items of the hand-made rule and profile windows: enabled, each opens its window
// with the switch's address in its caption, the handler's global refers to it while it is shown.
#include "HandlerFamiliesFixture.h"

#include "features/acl/EthernetProfileRuleForm.h"
#include "features/acl/IPProfileForm.h"
#include "features/acl/IPProfileRuleForm.h"
#include "features/acl/Ipv6RuleForm.h"
#include "features/acl/PktContentRuleForm.h"

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

} // namespace
