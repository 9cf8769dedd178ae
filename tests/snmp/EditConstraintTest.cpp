// Input rules on edits, driven as a user drives them: typing, pasting, leaving with Tab.

#include "TestHelpers.h"
#include "support/FormTest.h"

#include "snmp/EditConstraint.h"
#include "snmp/Exception.h"

#include "ui/Beep.h"
#include "ui/Button.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A shown window with three edits in tab order.
class EditRules : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        form = std::make_unique<ui::Form>();
        for (int k = 0; k < 3; ++k) {
            edits[k] = new ui::Edit(form.get());
            ui::SetBounds(edits[k], 10, 10 + 30 * k, 100, 24);
        }
        ShowAndActivate(form.get());
        constraint = std::make_unique<MvEditConstraint>(form.get(), true);
        Focus(edits[0]);
    }

    void TearDown() override
    {
        constraint.reset();
        form.reset();
        FormTest::TearDown();
    }

    static void Focus(ui::Edit* edit)
    {
        edit->SetFocus();
        ui::ProcessMessages();
    }

    // Types into the edit that has the focus.
    static void Type(const char* keys) { TypeInto(QApplication::focusWidget(), keys); }

    // Leaves the focused edit with Tab and lets the posted and queued messages run.
    static void Tab()
    {
        PressKey(Qt::Key_Tab);
        Settle();
    }

    static void Settle()
    {
        for (int k = 0; k < 3; ++k)
            ui::ProcessMessages();
    }

    std::unique_ptr<ui::Form> form;
    ui::Edit* edits[3] = {};
    std::unique_ptr<MvEditConstraint> constraint;
};

TEST_F(EditRules, KeyFilterDropsRefusedCharactersWithABeep)
{
    const struct {
        const char* rule;
        const char* typed;
        const char* text;
        int beeps;
    } cases[] = {
        {"%i{n1x4094l4}", "12a", "12", 1},
        {"%i{n1x4094l4}", "123456", "1234", 0}, // the edit takes at most four characters
        {"%i", "-1-2", "-12", 1},
        {"%u", "-5", "5", 1},
        {"%f", "-1.2.3", "-1.23", 1},
        {"%h{l4f}", "1G2z", "12", 2},
        {"%n,", ",1,,2", "1,2", 2},
        {"%s", "any text-%.", "any text-%.", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rule) + " " + c.typed);
        edits[0]->SetText("");
        const int before = BeepCount();
        constraint->Attach(c.rule, edits[0]);
        TypeInto(edits[0], c.typed);
        EXPECT_EQ(edits[0]->Text(), c.text);
        EXPECT_EQ(BeepCount() - before, c.beeps);
    }
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(EditRules, TextSetByTheProgramIsFilteredCharacterByCharacter)
{
    // One beep of 1000 Hz for 200 ms per refused character.
    std::vector<std::pair<int, int>> sounds;
    const ui::BeepHandler counting = ui::SetBeepHandler([&](int hz, int ms) { sounds.emplace_back(hz, ms); });
    constraint->Attach("%i", edits[0]);
    edits[0]->SetText("1a2b3");
    ui::SetBeepHandler(counting);
    EXPECT_EQ(edits[0]->Text(), "123");
    EXPECT_EQ(sounds, (std::vector<std::pair<int, int>>{{1000, 200}, {1000, 200}}));

    // The framework's placeholders pass untouched.
    for (const char* placeholder : {"(NULL)", "(NOTDONE)"}) {
        edits[0]->SetText(placeholder);
        EXPECT_EQ(edits[0]->Text(), placeholder);
        Tab();
        Focus(edits[0]);
    }
    EXPECT_EQ(BeepCount(), 0);
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(EditRules, ARefusedCharacterInTheMiddleKeepsTheCaretThere)
{
    constraint->Attach("%u", edits[0]);
    Type("1234");
    edits[0]->setCursorPosition(2);
    Type("x9");
    EXPECT_EQ(edits[0]->Text(), "129" "34");
}

TEST_F(EditRules, ExitCheckShowsTheMessageKeepsTheRefusedTextAndTakesTheFocusBack)
{
    constraint->Attach("%i{n1x4094l4}", edits[0]);
    Type("-5"); // a minus sign passes the filter ...
    EXPECT_EQ(edits[0]->Text(), "-5");
    Tab(); // ... and fails on exit
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{" Please enter a number between 1 and 4094!"});
    EXPECT_EQ(MessageBoxes()[0].Caption, "Sorvane-Series");
    EXPECT_EQ(MessageBoxes()[0].Owner, form.get());
    EXPECT_EQ(edits[0]->Text(), "-5");
    EXPECT_TRUE(edits[0]->hasFocus());

    edits[0]->selectAll();
    Type("12");
    Tab();
    EXPECT_EQ(MessageBoxes().size(), 1u);
    EXPECT_TRUE(edits[1]->hasFocus());

    // A text that passed before is no fallback: what the user sees is what was typed last.
    Focus(edits[0]);
    edits[0]->selectAll();
    Type("5000");
    Tab();
    EXPECT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(edits[0]->Text(), "5000");
    EXPECT_TRUE(edits[0]->hasFocus());
}

TEST_F(EditRules, ARuleWithAFieldNamesItInItsFirstMessage)
{
    constraint->Attach("%i{n1x4094l4}", edits[0]);
    constraint->FindRule(edits[0])->Field = "VLAN ID";
    constraint->Attach("%s{I6}", edits[1]);
    constraint->FindRule(edits[1])->Field = "Server";
    Type("0");
    Tab();
    Settle();
    Type("12"); // replaces the refused text, which comes back selected
    Tab();
    ASSERT_TRUE(edits[1]->hasFocus());
    Type("12");
    Tab();
    const std::vector<std::string> shown = MessageBoxTexts();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "VLAN ID: Please enter a number between 1 and 4094!");
    EXPECT_EQ(shown[1], "Server: Please enter a valid IPv6 address whose length is 32 without ':'.");
    EXPECT_EQ(shown[2].find("Server"), std::string::npos) << "the further message stands as it is";

    // A check function's own message names the field too.
    ClearMessageBoxes();
    constraint->Attach("%i{Z}", edits[2], [](QWidget* control) {
        ui::ShowMessage(control->window(), "Not seven.");
        return false;
    });
    constraint->FindRule(edits[2])->Field = "Count";
    constraint->Detach(edits[1]); // its refused text would hold the focus
    Focus(edits[2]);
    Type("7");
    Tab();
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Count: Not seven."});
}

TEST_F(EditRules, EmptyTextPassesUnlessTheRuleForbidsIt)
{
    constraint->Attach("%i{n1x4094l4}", edits[0]);
    Tab();
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(edits[1]->hasFocus());

    constraint->Attach("%s{l8n}", edits[1]);
    Tab();
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{" Empty value is not allowed!"});
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(EditRules, AddressRuleShowsTheValidatorsMessageOnce)
{
    constraint->Attach("%s{I}", edits[0]);
    Type("10.1.1.1");
    Tab();
    EXPECT_TRUE(MessageBoxes().empty());

    Focus(edits[0]);
    edits[0]->SetText("10.1.1.300");
    Tab();
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a valid IP."});
    EXPECT_EQ(edits[0]->Text(), "10.1.1.300");
}

TEST_F(EditRules, AutoAdvanceAndJumpCharacterMoveTheFocusOn)
{
    constraint->Attach("%i{n0x65535l5a}", edits[0]);
    Type("1234");
    Settle();
    EXPECT_TRUE(edits[0]->hasFocus());
    Type("5");
    Settle();
    EXPECT_TRUE(edits[1]->hasFocus());

    constraint->Attach("%s{e.}", edits[1]);
    Type("10.");
    Settle();
    EXPECT_EQ(edits[1]->Text(), "10");
    EXPECT_TRUE(edits[2]->hasFocus());
    EXPECT_EQ(BeepCount(), 0);
}

TEST_F(EditRules, CheckFunctionAloneDecidesForRulesWithZ)
{
    std::vector<std::string> checked;
    constraint->Attach("%i{Z}", edits[0], [&](QWidget* control) {
        checked.push_back(static_cast<ui::Edit*>(control)->Text());
        return checked.back() != "7";
    });
    Type("99999999999"); // beyond the type's range: not tested
    Tab();
    Focus(edits[0]);
    edits[0]->SetText("7");
    Tab();
    EXPECT_EQ(checked, (std::vector<std::string>{"99999999999", "7"}));
    // A function that refuses without a word leaves the framework's bad-value text to be shown.
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Bad value of the associated SNMP variable's (partial) data!"});
    EXPECT_EQ(edits[0]->Text(), "7");
    EXPECT_TRUE(edits[0]->hasFocus());
}

TEST_F(EditRules, TheEditsOwnHandlersRunAfterAPassAndMayVeto)
{
    int changes = 0;
    edits[0]->OnChange = [&](QObject*) { ++changes; };
    edits[0]->OnExit = [&](QObject* sender) {
        if (static_cast<ui::Edit*>(sender)->Text() == "13")
            ui::SetTag(sender, -1);
    };
    constraint->Attach("%i{n0x99l2a}", edits[0]);
    Type("1x2");
    EXPECT_EQ(changes, 3); // "1", "1" again after the refused "x", and "12"
    Settle();
    EXPECT_TRUE(edits[1]->hasFocus()); // auto-advance after two characters

    Focus(edits[0]);
    edits[0]->selectAll();
    Type("13");
    Settle(); // the exit handler vetoes: "12" comes back, without a message
    EXPECT_EQ(edits[0]->Text(), "12");
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(edits[1]->hasFocus());

    // A Tag of -1 after the change handler also stops the auto-advance.
    Focus(edits[0]);
    edits[0]->selectAll();
    Type("4");
    Type("5");
    Settle();
    EXPECT_TRUE(edits[0]->hasFocus());
    EXPECT_EQ(edits[0]->Text(), "45");

    constraint->Detach(edits[0]);
    ui::SetTag(edits[0], 0);
    changes = 0;
    edits[0]->selectAll();
    Type("x");
    EXPECT_EQ(edits[0]->Text(), "x");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(BeepCount(), 1); // only the "x" typed under the rule
}

TEST_F(EditRules, RememberedTextIsWhatAVetoedInputFallsBackTo)
{
    edits[0]->OnExit = [&](QObject* sender) {
        if (static_cast<ui::Edit*>(sender)->Text() == "13")
            ui::SetTag(sender, -1);
    };
    constraint->Attach("%i{n1x4094l4}", edits[0]);
    edits[0]->SetText("100"); // a value filled in by the program
    constraint->RememberText(edits[0]);
    edits[0]->selectAll();
    Type("13");
    Tab();
    EXPECT_EQ(edits[0]->Text(), "100");

    // Other texts the program sets are not remembered.
    Focus(edits[0]);
    ui::SetTag(edits[0], 0);
    edits[0]->SetText("7");
    edits[0]->selectAll();
    Type("13");
    Tab();
    EXPECT_EQ(edits[0]->Text(), "100");

    // Attaching another rule keeps the remembered text.
    Focus(edits[0]);
    ui::SetTag(edits[0], 0);
    constraint->Attach("%i{n1x50}", edits[0]);
    edits[0]->selectAll();
    Type("13");
    Tab();
    EXPECT_EQ(edits[0]->Text(), "100");
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(EditRules, AFailedExitCheckDoesNotCascade)
{
    // Both edits refuse their empty text; the second is never left by the user.
    MvEditConstraint other(form.get(), true);
    constraint->Attach("%s{l8n}", edits[0]);
    other.Attach("%s{l8n}", edits[1]);
    Tab();
    Settle();
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{" Empty value is not allowed!"});
    EXPECT_TRUE(edits[0]->hasFocus());

    Type("ok");
    Tab();
    EXPECT_EQ(MessageBoxes().size(), 1u);
    EXPECT_TRUE(edits[1]->hasFocus());
}

// Closing a window is no write: its Close or Cancel button takes the focus without the check, and
// clicks.
TEST_F(EditRules, CloseAndCancelButtonsLeaveARefusedTextUnchecked)
{
    constraint->Attach("%i{n1x4094l4}", edits[0]);
    for (const char* caption : {"Close", "Cancel"}) {
        SCOPED_TRACE(caption);
        auto* button = new ui::Button(form.get());
        button->SetCaption(caption);
        ui::SetBounds(button, 120, 10, 75, 25);
        int clicks = 0;
        button->OnClick = [&](QObject*) { ++clicks; };
        Focus(edits[0]);
        edits[0]->selectAll();
        Type("5000");
        Click(button);
        Settle();
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        delete button;
    }
}

TEST_F(EditRules, AButtonPressedToLeaveARefusedTextDoesNotClick)
{
    auto* button = new ui::Button(form.get());
    ui::SetBounds(button, 120, 10, 75, 25);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    constraint->Attach("%i{n1x4094l4}", edits[0]);
    Type("5000");
    Click(button);
    Settle();
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{" Please enter a number between 1 and 4094!"});
    EXPECT_EQ(clicks, 0) << "the action never sees the refused text";
    EXPECT_EQ(edits[0]->Text(), "5000");
    EXPECT_TRUE(edits[0]->hasFocus());

    // Pressed again with the text unchanged: still refused, still no click.
    Click(button);
    Settle();
    EXPECT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(clicks, 0);

    edits[0]->selectAll();
    Type("12");
    Click(button);
    Settle();
    EXPECT_EQ(clicks, 1);
    Click(button);
    EXPECT_EQ(clicks, 2) << "a press on the focused button clicks";
    EXPECT_EQ(MessageBoxes().size(), 2u);
}

TEST_F(EditRules, CompoundRulesAttachPieceByPiece)
{
    constraint->AttachCompound("%i{n0x255}%u{l2}", {edits[0], edits[1]});
    EXPECT_NE(constraint->FindRule(edits[0]), nullptr);
    EXPECT_EQ(constraint->FindRule(edits[1])->MaxLength, 2);

    EXPECT_EQ(CodeOf([&] { constraint->AttachCompound("%i%i%i", {edits[0], edits[1]}); }), -522);
    // A malformed piece leaves every edit as it was.
    EXPECT_THROW(constraint->AttachCompound("%s%i{q}", {edits[2], edits[1]}), Exception);
    EXPECT_EQ(constraint->FindRule(edits[2]), nullptr);
    EXPECT_EQ(constraint->FindRule(edits[1])->Type, 'u');
}

TEST_F(EditRules, MalformedRuleLeavesTheEditUntouched)
{
    bool ownHandler = false;
    edits[0]->OnChange = [&](QObject*) { ownHandler = true; };
    edits[0]->SetMaxLength(7);
    try {
        constraint->Attach("%s{Il4}", edits[0]);
        ADD_FAILURE() << "accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext(), -2);
        EXPECT_EQ(e.Message(), " Bad format specifier of edit's constraint!");
    }
    EXPECT_EQ(constraint->FindRule(edits[0]), nullptr);
    EXPECT_EQ(edits[0]->MaxLength(), 7);
    Type("x");
    EXPECT_TRUE(ownHandler);
}

TEST_F(EditRules, WidthOptionSizesTheEdit)
{
    constraint->Attach("%s{w150l3}", edits[0]);
    EXPECT_EQ(edits[0]->width(), 150);
    EXPECT_EQ(edits[0]->MaxLength(), 3);
}

TEST_F(EditRules, EditsThatOutliveTheirRulesGetTheirHandlersBack)
{
    int changes = 0;
    edits[0]->OnChange = [&](QObject*) { ++changes; };
    constraint->Attach("%u", edits[0]);
    constraint->Attach("%u", edits[2]);
    delete edits[2]; // an edit that goes first is simply forgotten
    constraint.reset();
    Type("a");
    EXPECT_EQ(edits[0]->Text(), "a");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(BeepCount(), 0);
}

} // namespace
