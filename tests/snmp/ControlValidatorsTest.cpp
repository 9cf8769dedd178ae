// The address and number checks applied to controls: which speak on refusal, which stay silent,
// and that they read the control they are given.

#include "support/FormTest.h"

#include "snmp/ControlValidators.h"
#include "snmp/EditConstraint.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ControlValidators : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        edit = new ui::Edit(&form);
    }

    ui::Form form;
    ui::Edit* edit = nullptr;
};

TEST_F(ControlValidators, RefusalsSpeakOnlyWhereTheCheckHasATextOfItsOwn)
{
    const struct {
        const char* name;
        EditCheck check;
        const char* passes;
        const char* fails;
        const char* message; // nullptr: silent
    } cases[] = {
        {"IPv4", ValidateIPv4Text, "192.168.0.1", "192.168.0.256", "Please input a valid IP."},
        {"multicast IPv4", IsMulticastIPv4Text, "224.0.0.1", "223.1.1.1", nullptr},
        {"IPv6", ValidateIPv6Text, "20010db8000000000000000000000001", "2001:db8::1",
         "Please enter a valid IPv6 address whose length is 32 without ':'."},
        {"MAC", IsValidMACText, "00-11-22-33-44-55", "00:11:22:33:44:55", nullptr},
        {"multicast MAC", IsMulticastMACText, "01-00-5E-00-00-01", "FF-FF-FF-FF-FF-FF", nullptr},
        {"unicast MAC", IsUnicastMACText, "02-00-00-00-00-01", "000000000000", nullptr},
        {"mask", IsValidSubnetMaskText, "255.255.254.0", "255.0.255.0", nullptr},
        {"recover timer", CheckRecoverTimerText, "60", "59", "Pleaase Input a Number between 60 and 1000000 or 0."},
        {"rate limit", CheckRateLimitText, "64", "10240001", "Pleaase Input a Number between 64-10240000 or 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        edit->SetText(c.passes);
        EXPECT_TRUE(c.check(edit));
        EXPECT_TRUE(MessageBoxes().empty());
        edit->SetText(c.fails);
        EXPECT_FALSE(c.check(edit));
        EXPECT_EQ(edit->Text(), c.fails);
        if (c.message == nullptr) {
            EXPECT_TRUE(MessageBoxes().empty());
        } else {
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
            EXPECT_EQ(MessageBoxes().back().Owner, &form);
        }
    }
}

TEST_F(ControlValidators, ReadTheTextOfAComboBox)
{
    auto* combo = new ui::ComboBox(&form);
    combo->SetStyle(ui::csDropDown);
    combo->SetText("10.0.0.1");
    EXPECT_TRUE(ValidateIPv4Text(combo));
    combo->SetText("10.0.0");
    EXPECT_FALSE(ValidateIPv4Text(combo));
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

} // namespace
