// The text checks hand-made windows run before a SET: what passes, what fails, and the message
// each failure shows.

#include "support/FormTest.h"

#include "features/acl/TextChecks.h"

#include "gui/StackingPortUitForm.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

#include <functional>
#include <vector>

namespace {

class TextChecks : public FormTest {};

struct Case {
    std::string text;
    bool passes;
};

TEST_F(TextChecks, IPv4Addresses)
{
    const Case cases[] = {
        {"", false},
        {"0.0.0.0", true},
        {"255.255.255.255", true},
        {"001.2.3.4", true},
        {"1.2.3.0001", true},
        {"010.2.3.4", true},
        {"00.1.2.3", false},
        {"1.2.3.00", false},
        {"1.000.3.4", false},
        {"256.1.1.1", false},
        {"1.1.1.256", false},
        {".1.2.3", false},
        {"1..2.3", false},
        {"1.2.3.", false},
        {"1.2.3", false},
        {"1.2.3.4.5", false},
        {"1.2.3.4 ", false},
        {"1111.2.3.4", false},
        {"1.2.3.-5", false},
        {"1.2.3.99999999999", false},
        // Sixteen characters: the character after the fifteenth is examined too.
        {"192.168.100.100x", false},
        {"192.168.100.1001", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ClearMessageBoxes();
        EXPECT_EQ(CheckIPAddressText(c.text), c.passes);
        EXPECT_EQ(MessageBoxTexts(), c.passes ? std::vector<std::string>{}
                                              : std::vector<std::string>{"Please input a valid IP"});
    }
}

TEST_F(TextChecks, MacAddressesAndEightDigitValues)
{
    const Case macs[] = {
        {"00112233AABB", true}, {"00112233aabb", true}, {"00-11-22-33-AA-BB", false},
        {"00112233AAB", false}, {"00112233AABBC", false}, {"", false}, {"00112233AABG", false},
    };
    for (const Case& c : macs) {
        SCOPED_TRACE(c.text);
        ClearMessageBoxes();
        EXPECT_EQ(CheckMACAddressText(c.text), c.passes);
        EXPECT_EQ(MessageBoxTexts(),
                  c.passes ? std::vector<std::string>{} : std::vector<std::string>{"Invalid MAC address"});
    }
    // Each window's own message.
    const Case values[] = {{"0123abCD", true}, {"0123", false}, {"", false}, {"0123abCDE", false}, {"0123abCG", false}};
    for (const std::string message : {"Invalid Offset", "Invalid data."}) {
        for (const Case& c : values) {
            SCOPED_TRACE(message + ": " + c.text);
            ClearMessageBoxes();
            EXPECT_EQ(CheckHex8Text(c.text, message), c.passes);
            EXPECT_EQ(MessageBoxTexts(), c.passes ? std::vector<std::string>{} : std::vector<std::string>{message});
        }
    }
}

TEST_F(TextChecks, IPv6AddressesAndTheirTwoMessages)
{
    const std::string named32 = IPv6LengthMessage;
    const std::string less = IPv6LengthLessMessage;
    struct V6Case {
        std::string text;
        std::string lengthMessage;
        std::string shown; // empty: passes
    };
    const V6Case cases[] = {
        {"FE800000000000000000000000000001", named32, ""},
        {"fe800000000000000000000000000001", less, ""},
        {"FE80::1", named32, named32},
        {"FE80::1", less, less},
        {"", less, less},
        // Thirty-two characters with a wrong one: always the message that names 32.
        {"FE80000000000000000000000000000g", less, named32},
        {"FE80:000000000000000000000000001", named32, named32},
    };
    for (const V6Case& c : cases) {
        SCOPED_TRACE(c.text);
        ClearMessageBoxes();
        EXPECT_EQ(CheckIPv6Text(c.text, nullptr, c.lengthMessage), c.shown.empty());
        EXPECT_EQ(MessageBoxTexts(), c.shown.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.shown});
    }
    // On an edit the check takes the edit's text.
    ui::Form form;
    auto* edit = new ui::Edit(&form);
    edit->SetText("FE800000000000000000000000000001");
    EXPECT_TRUE(CheckIPv6Text(edit));
    edit->SetText("FE80::1");
    ClearMessageBoxes();
    EXPECT_FALSE(CheckIPv6Text(edit));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{named32});
}

TEST_F(TextChecks, SelectedPortsAreLookedForAmongUnitOnesSixtyFourBoxes)
{
    TStackingPortUitForm picker;
    EXPECT_FALSE(HasSelectedPorts(nullptr));
    EXPECT_FALSE(HasSelectedPorts(&picker)); // no unit yet
    picker.AddUnit("Unit1", 1, 64, 12);
    picker.AddUnit("Unit2", 65, 64, 12);
    picker.ShowUnit("1", "Sorvane-Ka", 1, 10);
    EXPECT_FALSE(HasSelectedPorts(&picker));
    // Unit 2's boxes are not looked at.
    picker.PortBoxes[64]->SetChecked(true);
    EXPECT_FALSE(HasSelectedPorts(&picker));
    // Port 64 counts though the model shows ten boxes.
    picker.PortBoxes[63]->SetChecked(true);
    EXPECT_TRUE(HasSelectedPorts(&picker));
    EXPECT_TRUE(MessageBoxes().empty());
}

// The present-units form: the unit list bounds what is read, a unit's model bounds its boxes.
TEST_F(TextChecks, SelectedPortsOfPresentUnits)
{
    struct UnitRow {
        std::string id, model, exist;
    };
    struct PresentCase {
        const char* name;
        int pickerUnits;
        std::vector<UnitRow> rows;
        int unitCount;
        std::vector<int> checked; // box indexes
        bool expected;
    };
    const UnitRow kb1{"1", "Sorvane-Kb", "exist"};
    const PresentCase cases[] = {
        {"box 3 of a Kb unit 1", 1, {kb1}, 1, {2}, true},
        {"only box 27, beyond the Kb's 26 ports", 1, {kb1}, 1, {26}, false},
        {"unit 1 no-exist with boxes checked", 1, {{"1", "Sorvane-Kb", "no-exist"}}, 1, {0, 2}, false},
        {"no unit row: unit 1's visible boxes", 1, {}, 1, {2}, true},
        {"no unit row: a box unit 1 hides", 1, {}, 1, {26}, false},
        {"an ID beyond a one-unit picker", 1, {{"2", "Sorvane-Kb", "exist"}}, 1, {2, 66}, false},
        {"an ID that is no number", 2, {{"x", "Sorvane-Kb", "exist"}}, 1, {2}, false},
        {"UnitCount 2 with one row", 2, {kb1}, 2, {2}, true},
        {"UnitCount 2 with one row, nothing on it", 2, {kb1}, 2, {66}, false},
        {"unit 2 present", 2, {kb1, {"2", "Sorvane-Kb", "exist"}}, 2, {66}, true},
        {"rows beyond UnitCount are not read", 2, {kb1, {"2", "Sorvane-Kb", "exist"}}, 1, {66}, false},
    };
    for (const PresentCase& c : cases) {
        SCOPED_TRACE(c.name);
        TStackingPortUitForm picker;
        for (int u = 1; u <= c.pickerUnits; ++u)
            picker.AddUnit("Unit" + std::to_string(u), (u - 1) * 64 + 1, 64, 12);
        picker.ShowUnit("1", "Sorvane-Kb", 1, 26);
        for (int box : c.checked)
            if (static_cast<std::size_t>(box) < picker.PortBoxes.size())
                picker.PortBoxes[static_cast<std::size_t>(box)]->SetChecked(true);
        ui::ListView units;
        for (const UnitRow& r : c.rows) {
            ui::ListItem* row = units.AddItem();
            row->SetCaption(r.id);
            // Sub-items 0 to 5 (MAC address ... version) play no part.
            for (int k = 0; k < 6; ++k)
                row->AddSubItem("-");
            row->AddSubItem(r.model);
            row->AddSubItem(r.exist);
        }
        EXPECT_EQ(HasSelectedPorts(&picker, &units, c.unitCount, "Sorvane-Kb"), c.expected);
    }
    EXPECT_FALSE(HasSelectedPorts(nullptr, nullptr, 1, "Sorvane-Kb"));
    EXPECT_TRUE(MessageBoxes().empty());
}

} // namespace
