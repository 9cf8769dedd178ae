// The ACL menu items of the IPv4 rule and profile windows: enabled, each opens its window with
// the switch's address in its caption, the handler's global refers to it while it is shown.
#include "HandlerFamiliesFixture.h"

#include "features/acl/IPProfileForm.h"
#include "features/acl/IPProfileRuleForm.h"

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

} // namespace
