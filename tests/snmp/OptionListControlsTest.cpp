// Option lists filling combo boxes and radio groups, and selecting in them by display text or
// raw value.

#include "snmp/OptionList.h"

#include "ui/ComboBox.h"
#include "ui/RadioGroup.h"

#include <gtest/gtest.h>

namespace {

constexpr OptionItem EnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem Empty[] = {{}};

struct Selection {
    const char* text;
    int index;
};
constexpr Selection Selections[] = {{"disabled", 1}, {"ENABLED", 0}, {"2", 1}, {"9", -1}, {"(NULL)", -1}};

TEST(OptionListControls, ComboBoxesAreFilledAndSelectedByTextOrValue)
{
    const MvOptionList list(EnabledDisabled, 1);
    ui::ComboBox combo;
    combo.AddItem("left over");
    list.FillComboBox(&combo);
    ASSERT_EQ(combo.ItemCount(), 2);
    EXPECT_EQ(combo.ItemText(0), "enabled");
    EXPECT_EQ(combo.ItemText(1), "disabled");
    for (const Selection& s : Selections) {
        list.SelectInComboBox(&combo, s.text);
        EXPECT_EQ(combo.ItemIndex(), s.index) << s.text;
    }

    MvOptionList(Empty, 1).FillComboBox(&combo);
    EXPECT_EQ(combo.ItemCount(), 0);
}

TEST(OptionListControls, RadioGroupsAreFilledAndSelectedByTextOrValue)
{
    const MvOptionList list(EnabledDisabled, 1);
    ui::RadioGroup group;
    group.AddItem("left over");
    list.FillRadioGroup(&group);
    ASSERT_EQ(group.ItemCount(), 2);
    EXPECT_EQ(group.ItemText(1), "disabled");
    for (const Selection& s : Selections) {
        list.SelectInRadioGroup(&group, s.text);
        EXPECT_EQ(group.ItemIndex(), s.index) << s.text;
    }
}

} // namespace
