// Values shown in their bound controls and read back from them: whole values, parts and bits
// of values, values spread over several edits, check boxes, combo boxes and radio groups.

#include "BindingFixture.h"

#include "snmp/OctetText.h"

#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/RadioGroup.h"

#include <algorithm>
#include <cstring>

using namespace bindingtest;

namespace {

using Strings = std::vector<std::string>;

class Transfer : public BindingTest {};

TEST_F(Transfer, EditsShowTheirFieldsAndRebuildTheValue)
{
    struct Case {
        const char* name;
        std::int32_t syntax;
        std::string value;
        int offset;
        std::int32_t partSyntax;
        Strings shown;
        Strings typed;
        std::string collected;
    };
    const Case cases[] = {
        // An octet string is rebuilt from its parts alone: octet 0 is zero, nothing follows.
        {"uint16 part", octetstr, "00010203", 1, uint16, {"258"}, {"772"}, "000304"},
        {"uint8 part", octetstr, "0102", 1, uint8, {"2"}, {"255"}, "00FF"},
        // Other values keep what their parts do not cover.
        {"uint16 part of a number", integer, "258", 0, uint16, {"513"}, {"1"}, "256"},
        {"display string", displaystr, "a longer text", 0, displaystr, {"a longer text"}, {"short"}, "short"},
        {"port list", bitlist, "E8", 0, bitlist, {"1-3,5"}, {"1-2"}, "C0"},
        {"no port", bitlist, "00", 0, bitlist, {"0"}, {"0"}, "00"},
        {"octets", octetstr, "0A0B", 0, octetstr, {"0A", "0B", ""}, {"1", "", "FF"}, "0100FF"},
        {"object identifier", objectid, "1.3.6.1", 0, objectid, {"1", "3", "6", "1", ""},
         {"1", "3", "6", "1", "9"}, "1.3.6.1.9"},
        {"IPv4 address", ipaddress, "10.1.2.3", 0, ipaddress, {"10", "1", "2", "3"}, {"192", "168", "0", "1"},
         "192.168.0.1"},
        {"Internet address", inetaddress, "10.0.0.1", 0, inetaddress, {"10", "0", "0", "1"},
         {"10", "0", "0", "2"}, "10.0.0.2"},
        {"MAC address", macaddress, "001122334455", 0, macaddress, {"00", "11", "22", "33", "44", "55"},
         {"0A", "11", "", "33", "4", "55"}, "0A1100330455"},
        {"time ticks", timeticks, TimeTicksToText(9378405), 0, timeticks, {"1", "2", "3", "4", "5"},
         {"0", "1", "0", "0", "7"}, TimeTicksToText(360007)},
        {"date and time", datetime, "2024-5-17,13:45:30.5,+2:0", 0, datetime,
         {"2024", "5", "17", "13", "45", "30", "5", "+", "2", "0"},
         {"2025", "5", "17", "13", "45", "30", "5", "-", "2", "0"}, "2025-5-17,13:45:30.5,-2:0"},
        {"calendar date", bcdatetime, "2024/05/17 13:45:30", 0, bcdatetime, {"2024", "5", "17", "13", "45", "30", "0"},
         {"2024", "5", "18", "13", "45", "30", "0"}, "2024/05/18 13:45:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver->Unbind(0);
        Items({{"1.3.6.1.3.1", "Value", c.syntax, readwrite, nullptr}}, {c.value});
        const std::vector<ui::Edit*> edits = AddMany<ui::Edit>(static_cast<int>(c.shown.size()));
        std::string rule;
        for (std::size_t k = 0; k < edits.size(); ++k)
            rule += "%s";
        driver->BindEditsPart(0, c.offset, c.partSyntax, nullptr, rule, edits[0], {edits.begin() + 1, edits.end()});

        driver->ValuesToControls();
        EXPECT_EQ(Texts(edits), c.shown);
        for (std::size_t k = 0; k < edits.size(); ++k)
            edits[k]->SetText(c.typed[k]);
        driver->ControlsToValues();
        EXPECT_EQ(Value(0), c.collected);
    }
}

TEST_F(Transfer, NullAndLeftOutValuesLeaveTheControlsAlone)
{
    Items({{"1.3.6.1.3.1", "Address", ipaddress, readwrite, nullptr},
           {"1.3.6.1.3.2", "Name", displaystr, readwrite | invalid, nullptr}},
          {"(NULL)", "left out"});
    const std::vector<ui::Edit*> address = AddMany<ui::Edit>(4);
    auto* name = Add<ui::Edit>();
    driver->BindEdits(0, "%s%s%s%s", address[0], {address[1], address[2], address[3]});
    driver->BindEdits(1, "%s", name);
    for (ui::Edit* edit : address)
        edit->SetText("7");
    name->SetText("typed");

    driver->ValuesToControls();
    EXPECT_EQ(Texts(address), Strings(4, "7"));
    EXPECT_EQ(name->Text(), "typed");
}

TEST_F(Transfer, CheckBoxesShowBitsTruthsAndAnyOptionButTheFirst)
{
    struct Case {
        const char* name;
        std::int32_t syntax;
        bool withOptions;
        std::string value;
        const char* bits; // none: one box on the whole value
        std::set<int> checked;
        int clicked;
        std::string collected;
    };
    const Case cases[] = {
        {"bits of an octet", octetstr, false, "A0", "0,1,2,3,4,5,6,7", {0, 2}, 1, "E0"},
        {"bits in another order", octetstr, false, "A0", "2,0", {0, 1}, 0, "80"},
        {"port 64 of a port list", bitlist, false, "0000000000000001", "63", {0}, 0, "0000000000000000"},
        {"first option", integer, true, "enabled", nullptr, {}, 0, "disabled"},
        {"second option", integer, true, "disabled", nullptr, {0}, 0, "enabled"},
        {"raw value of an option", integer, true, "2", nullptr, {0}, -1, "disabled"},
        {"truth value", boolean, false, "true", nullptr, {0}, 0, "false"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver->Unbind(0);
        Items({{"1.3.6.1.3.1", "Value", c.syntax, readwrite, c.withOptions ? &enabledDisabled : nullptr}}, {c.value});
        std::vector<ui::CheckBox*> boxes;
        if (c.bits != nullptr) {
            boxes = AddMany<ui::CheckBox>(static_cast<int>(std::count(c.bits, c.bits + std::strlen(c.bits), ',')) + 1);
            driver->BindCheckBoxes(0, c.bits, boxes);
        } else {
            boxes = {Add<ui::CheckBox>()};
            driver->BindControl(0, boxes[0]);
        }
        boxes[0]->setEnabled(false);

        driver->ValuesToControls();
        EXPECT_EQ(Checked(boxes), c.checked);
        EXPECT_FALSE(boxes[0]->isEnabled());
        if (c.clicked >= 0)
            boxes[static_cast<std::size_t>(c.clicked)]->SetChecked(!boxes[static_cast<std::size_t>(c.clicked)]->Checked());
        driver->ControlsToValues();
        EXPECT_EQ(Value(0), c.collected);
    }
}

TEST_F(Transfer, OptionControlsSelectByTextOrValueAndCollectTheOption)
{
    Items({{"1.3.6.1.3.1", "Flags", octetstr, readwrite, nullptr},
           {"1.3.6.1.3.2", "State", integer, readwrite, &enabledDisabled},
           {"1.3.6.1.3.3", "Mode", integer, readwrite, &enabledDisabled},
           {"1.3.6.1.3.4", "Shown", integer, readonly, &enabledDisabled}},
          {"0102", "disabled", "1", "2"});
    auto* part = Add<ui::ComboBox>();
    auto* group = Add<ui::RadioGroup>();
    auto* mode = Add<ui::ComboBox>();
    auto* shown = Add<ui::Label>();
    driver->BindComboBoxPart(0, 1, uint8, &enabledDisabled, part);
    driver->BindControl(1, group);
    driver->BindComboBox(2, mode);
    driver->BindStaticText(3, shown);
    EXPECT_EQ(group->ItemCount(), 2);

    driver->ValuesToControls();
    EXPECT_EQ(part->Text(), "disabled"); // octet 1 holds 2
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(mode->Text(), "enabled"); // by raw value
    EXPECT_EQ(shown->Caption(), "disabled");

    part->SetItemIndex(0);
    group->SetItemIndex(0);
    mode->SetItemIndex(1);
    driver->ControlsToValues();
    EXPECT_EQ(Value(0), "0001");
    EXPECT_EQ(Value(1), "enabled");
    EXPECT_EQ(Value(2), "disabled");
    EXPECT_EQ(Value(3), "2"); // not settable: untouched
}

TEST_F(Transfer, APortListEditTakesItsWidthFromTheValueItReplaces)
{
    struct Case {
        const char* name;
        std::string before;
        const char* typed;
        std::string collected;
    };
    const Case cases[] = {
        {"the width of the value read", "E8", "1-2", "C0"},
        {"one unit when there was none", "", "3", "2000000000000000"},
        {"a list of no port", "FFFF", "0", "0000"},
    };
    Items({{"1.3.6.1.3.1", "Ports", bitlist, readwrite, nullptr}});
    auto* ports = Add<ui::Edit>();
    driver->BindEdits(0, "%s", ports);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Value(0) = c.before;
        ports->SetText(c.typed);
        // A write empties every value before it collects the controls.
        driver->CollectValues();
        EXPECT_EQ(Value(0), c.collected);
    }
}

} // namespace
