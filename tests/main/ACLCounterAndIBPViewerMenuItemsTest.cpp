// The menu items of the ACL counter windows and the IP-MAC binding ACL viewers: enabled, each
// opens its window (the hidden ones by their handlers' names) under its title and the switch's
// address, its global refers to it while it is shown; and the counter windows speak SNMPv2c when
// the command line chose SNMPv1, which the next window speaks again.
#include "HandlerFamiliesFixture.h"

#include "features/acl/ACLCounterForm.h"
#include "features/acl/EgressACLCounterForm.h"
#include "features/acl/IBPACLEtherMaskForm.h"
#include "features/acl/IBPEtherRuleForm.h"
#include "features/acl/IBPIPMaskForm.h"
#include "features/acl/IBPIPRuleForm.h"

#include "gui/SNMPEditorPanel.h"
#include "snmp/DeviceState.h"

#include "ui/ListView.h"

#include "main/MainMenu.h"

#include <functional>
#include <typeinfo>

namespace {

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, CounterAndBindingViewerItemsOpenTheirWindows)
{
    SimSwitch sim(Options("Kb", {"acl-counters-bindings.dat"}));
    const auto window = StartOn(sim);
    struct Case {
        const char* item;
        const char* title;
        const std::type_info& type;
        std::function<ui::Form*()> global;
        bool reachable;
        int rows;
    };
    const Case cases[] = {
        {"ACLCounterTable1", "ACL Counter Table", typeid(TACLCounterForm), GlobalOf(ACLCounterForm), true, 3},
        {"CounterTable1", "Egress ACL Counter Table", typeid(TEgressACLCounterForm), GlobalOf(EgressACLCounterForm),
         false, 2},
        {"IPMACBindingEthernetMask1", "ACL IP-MAC Binding Ethernet Mask", typeid(TIBPACLEtherMaskForm),
         GlobalOf(IBPACLEtherMaskForm), false, 2},
        {"IPMACBindingEthernetRule1", "ACL IP-MAC Binding Ethernet Rule", typeid(TIBPEtherRuleForm),
         GlobalOf(IBPEtherRuleForm), false, 3},
        {"IPMACBindingIPMask1", "ACL IP-MAC Binding IP Mask", typeid(TIBPIPMaskForm), GlobalOf(IBPIPMaskForm), false,
         2},
        {"IPMACBindingIPRule1", "ACL IP-MAC Binding IP Rule", typeid(TIBPIPRuleForm), GlobalOf(IBPIPRuleForm), false,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(EnabledWhenShown(MainForm->Menu().Item(c.item)));
        EXPECT_EQ(MainForm->Menu().Reachable(c.item), c.reachable);
        const auto open = [&] {
            if (c.reachable)
                ClickMenuItem(MainForm, c.item);
            else
                MainForm->RunHandlerNamed(std::string(c.item) + "Click");
        };
        EXPECT_TRUE(RunInModalOf(open, [&](ui::Form* shown) {
            EXPECT_EQ(typeid(*shown), c.type);
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget(), nullptr); // owned by the application
            auto* list = shown->findChild<ui::ListView*>("ListView1");
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(WaitFor([&] { return list->Count() == c.rows && !StatusLine(shown).empty(); }, 10000));
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
        }));
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Started for SNMPv1, which cannot carry the counters: the counter windows read them over
// SNMPv2c, and a generated window opened afterwards reads over SNMPv1 again.
TEST_F(HandlerTest, CounterWindowsReadTheirCountersWhenTheCommandLineChoseSNMPv1)
{
    SimSwitch sim(Options("Kb", {"acl-counters-bindings.dat"}));
    const auto window = StartOn(sim, 0);
    const std::pair<const char*, const char*> windows[] = {{"ACLCounterTable1Click", "8589934597"},
                                                           {"CounterTable1Click", "6442450944"}};
    for (const auto& opened : windows) {
        const std::string handler = opened.first;
        const std::string total = opened.second;
        SCOPED_TRACE(handler);
        EXPECT_TRUE(RunInModalOf([&] { MainForm->RunHandlerNamed(handler); }, [&](ui::Form* shown) {
            auto* form = dynamic_cast<TAclCounterFrame*>(shown);
            ASSERT_NE(form, nullptr);
            ASSERT_TRUE(WaitFor([&] { return form->DataComplete == 1; }, 10000));
            EXPECT_EQ(form->Request->Request.Security.Version, 1);
            ASSERT_GE(form->ListView1->Count(), 2);
            EXPECT_EQ(form->ListView1->Item(0)->SubItem(2), total);
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
        }));
        EXPECT_EQ(DefaultSecurity.Version, 0);
    }
    EXPECT_TRUE(OpenItem("ACLInformation1", [&](TConfigForm& form) {
        ASSERT_NE(form.CurrentRequest, nullptr);
        EXPECT_EQ(form.CurrentRequest->Request.Security.Version, 0);
        EXPECT_EQ(EditorTexts(PanelOf<TSNMPEditorPanel>(&form)), (std::vector<std::string>{"40", "216"}));
    }));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
