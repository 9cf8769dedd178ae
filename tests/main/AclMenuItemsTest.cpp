// The ACL menu items of the hand-made rule and profile windows: enabled, each opens its window
// with the switch's address in its caption, the handler's global refers to it while it is shown.
#include "HandlerFamiliesFixture.h"

#include "features/acl/CPUFilterEthernetRuleForm.h"
#include "features/acl/CPUFilterIPRuleForm.h"
#include "features/acl/CPUFilterIPV6RuleForm.h"
#include "features/acl/CPUFilterPktCntRuleForm.h"
#include "features/acl/EgressACLPortGroupForm.h"
#include "features/acl/EgressEthetnetProfileForm.h"
#include "features/acl/EgressIPv4ProfileForm.h"
#include "features/acl/EgressIPv4RuleForm.h"
#include "features/acl/EgressIPv6ProfileForm.h"
#include "features/acl/EgressIPv6RuleForm.h"
#include "features/acl/EgrssEthernetProfileRuleForm.h"
#include "features/acl/EthernetProfileForm.h"
#include "features/acl/EthernetProfileRuleForm.h"
#include "features/acl/IPProfileForm.h"
#include "features/acl/IPProfileRuleForm.h"
#include "features/acl/IPv6ProfileForm.h"
#include "features/acl/Ipv6RuleForm.h"
#include "features/acl/PktContentProfileForm.h"
#include "features/acl/PktContentRuleForm.h"

#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

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

// The egress rule windows and the egress port group window, in the hidden "Egress ACL" sub-menu:
// enabled, each opened by its handler reads the switch's rows.
TEST_F(HandlerTest, EgressRuleAndPortGroupItemsOpenTheirWindows)
{
    SimSwitch sim(Options());
    const auto window = StartOn(sim);
    struct Case {
        const char* item;
        const char* title;
        std::function<ui::Form*()> global;
        int rows;
    };
    const Case cases[] = {
        {"PortGroup1", "Egress ACL Port Group", GlobalOf(EgressACLPortGroupForm), 2},
        {"IPv4Rule1", "Egress ACL IPv4 Rule", GlobalOf(EgressIPv4RuleForm), 3},
        {"EthernetRule1", "Egress ACL Ethernet Rule", GlobalOf(EgrssEthernetProfileRuleForm), 3},
        {"IPv6Rule2", "Egress ACL IPv6 Rule", GlobalOf(EgressIPv6RuleForm), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(MainForm->Menu().Item(c.item)->isEnabled());
        EXPECT_FALSE(MainForm->Menu().Reachable(c.item));
        const std::string handler = std::string(c.item) + "Click";
        EXPECT_TRUE(RunInModalOf([&] { MainForm->RunHandlerNamed(handler); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget(), nullptr); // owned by the application
            auto* list = shown->findChild<ui::ListView*>("ListView1");
            ASSERT_NE(list, nullptr);
            ASSERT_TRUE(WaitFor([&] { return list->Count() == c.rows && !StatusLine(shown).empty(); }, 10000));
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
        }));
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The CPU interface filter rule windows, owned by the main window, each with its table read
// before it shows.
TEST_F(HandlerTest, CPUFilterRuleItemsOpenTheirWindows)
{
    SimSwitch sim(Options("Kb", {"cpufilter.dat"}));
    const auto window = StartOn(sim);
    struct Case {
        const char* item;
        const char* title;
        std::function<ui::Form*()> global;
        int rows;
    };
    const Case cases[] = {
        {"IPRuleCPUFilter1", "IPv4 Rule (CPU Interface Filtering)", GlobalOf(CPUFilterIPRuleForm), 3},
        {"EthernetRuleCPUFilter1", "Ethernet Rule (CPU Interface Filtering)", GlobalOf(CPUFilterEthernetRuleForm), 3},
        {"IPv6RuleCPUFilter1", "IPv6 Rule (CPU Interface Filtering)", GlobalOf(CPUFilterIPV6RuleForm), 3},
        {"PacketContentRuleCPUFilter1", "Packet Content Rule (CPU Interface Filtering)",
         GlobalOf(CPUFilterPktCntRuleForm), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(MainForm->Menu().Item(c.item)->isEnabled());
        EXPECT_TRUE(MainForm->Menu().Reachable(c.item));
        EXPECT_TRUE(RunInModalOf([&] { ClickMenuItem(MainForm, c.item); }, [&](ui::Form* shown) {
            EXPECT_NE(dynamic_cast<TCPUFilterRuleFrame*>(shown), nullptr);
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget(), MainForm);
            EXPECT_EQ(shown->findChild<ui::ListView*>("ListView1")->Count(), c.rows);
        }));
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A switch whose unit table holds no row still takes a port group: the ports unit 1 shows for
// the model count.
TEST_F(HandlerTest, APortGroupIsAddedWithoutUnitRows)
{
    SimSwitch sim(Options("Kb", {"units-empty.dat"}));
    const auto window = StartOn(sim);
    ASSERT_NE(UnitListViewRef, nullptr);
    ASSERT_EQ(UnitListViewRef->Count(), 0);
    EXPECT_TRUE(RunInModalOf([] { MainForm->RunHandlerNamed("PortGroup1Click"); }, [&](ui::Form* shown) {
        auto* form = dynamic_cast<TEgressACLPortGroupForm*>(shown);
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(WaitFor([&] { return form->DataComplete == 1; }, 10000));
        sim.ClearSetJournal();
        form->ED_PortGroupID->SetText("9");
        form->NameEdit->SetText("lab");
        form->PortPicker->PortBoxes[2]->SetChecked(true);
        Click(form->btnAdd);
        ASSERT_TRUE(WaitFor([&] { return sim.SetJournal().size() == 1; }, 10000));
        ASSERT_TRUE(WaitFor([&] { return form->ListView1->Count() == 3; }, 10000));
    }));
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
