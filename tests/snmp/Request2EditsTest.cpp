// Windows whose controls are bound to the items of their request, against the simulated switch:
// read into the controls or the list view, edited as a user edits, written, and read back from
// the agent.

#include "BindingFixture.h"
#include "RequestFixture.h"
#include "support/SnmpTools.h"

#include "snmp/OptionList.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpError.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Edit.h"
#include "ui/ListView.h"
#include "ui/MessageLoop.h"
#include "ui/StatusBar.h"

#include <QApplication>

#include <memory>
#include <set>

using namespace requesttest;

namespace {

MvOptionList EnabledDisabled(bindingtest::EnabledDisabledTable, 1);

// Objects of tests/snmp/data/bindings.dat.
const char* const NumberOid = "1.3.6.1.3.4242.20.1.0";
const char* const StateOid = "1.3.6.1.3.4242.20.2.0";
const char* const FlagsOid = "1.3.6.1.3.4242.20.3.0";
const char* const PortsOid = "1.3.6.1.3.4242.20.4.1.4";

// Every settable item is written, bound or not: each window lists only what it shows.
const VarDescriptor NumberAndState[] = {
    {"1.3.6.1.3.4242.20.1", "Number", integer, readwrite, nullptr}, // 0..100
    {"1.3.6.1.3.4242.20.2", "State", integer, readwrite, &EnabledDisabled},
    {},
};

const VarDescriptor StateAndFlags[] = {
    {"1.3.6.1.3.4242.20.2", "State", integer, readwrite, &EnabledDisabled},
    {"1.3.6.1.3.4242.20.3", "Flags", octetstr, readwrite, nullptr}, // one octet
    {},
};

const VarDescriptor PortTable[] = {
    {"1.3.6.1.3.4242.20.4.1.1", "Row", integer, notaccess, nullptr},
    {"1.3.6.1.3.4242.20.4.1.2", "Note", displaystr, readonly | hidden, nullptr},
    {"1.3.6.1.3.4242.20.4.1.3", "Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.20.4.1.4", "Ports", bitlist, readwrite, nullptr},
    {},
};

std::string AllPortBits()
{
    std::string bits;
    for (int k = 0; k < 64; ++k)
        bits += (k ? "," : "") + std::to_string(k);
    return bits;
}

// A window and its driver, aimed at a simulated switch of its own serving bindings.dat (the
// tests write).
class BoundForm : public bindingtest::BindingTest {
protected:
    static void SetUpTestSuite() { EnsureGlobalSession(); }

    void SetUp() override
    {
        BindingTest::SetUp();
        SimSwitchOptions options;
        options.extraArgs = {"--data", std::string(SORVANE_SOURCE_DIR) + "/tests/snmp/data/bindings.dat"};
        sim = std::make_unique<SimSwitch>(options);
        AimAt(driver->Request, *sim);
    }

    void TearDown() override
    {
        BindingTest::TearDown();
        sim.reset();
    }

    MvSNMPRequest2Edits& Driver(const VarDescriptor* table, std::uint8_t kind, int keyCount)
    {
        driver->Request.VarList = MvSNMPVarList(table, kind, keyCount);
        return *driver;
    }

    bool ReadAsync()
    {
        return driver->Get() && WaitFor([this] { return driver->Busy == 0; });
    }

    // The user replaces the edit's text.
    static void Retype(ui::Edit* edit, const std::string& text)
    {
        TypeInto(edit, "");
        edit->selectAll();
        TypeInto(edit, text);
    }

    static void Settle()
    {
        for (int k = 0; k < 3; ++k)
            ui::ProcessMessages();
    }

    // The value the agent holds, as snmpget prints it.
    std::string AgentValue(const std::string& oid)
    {
        std::vector<std::string> args = SimSecurityArgs("v2c");
        args.insert(args.end(), {"-Oqv", "-t", "2", sim->Endpoint(), oid});
        const ToolResult result = RunSnmpTool("snmpget", args);
        EXPECT_EQ(result.exitCode, 0) << result.output;
        std::string value = result.output;
        while (!value.empty() && std::string_view("\n \"").find(value.back()) != std::string_view::npos)
            value.pop_back();
        if (!value.empty() && value.front() == '"')
            value.erase(0, 1);
        return value;
    }

    int SetCount()
    {
        const std::string stats = sim->Control("stats");
        return std::stoi(stats.substr(stats.find("set=") + 4));
    }

    std::unique_ptr<SimSwitch> sim;
};

TEST_F(BoundForm, ScalarsAreReadEditedWrittenAndReadBack)
{
    MvSNMPRequest2Edits& d = Driver(NumberAndState, SVT_SV, 0);
    auto* number = Add<ui::Edit>(10, 10, 80, 24);
    auto* state = Add<ui::ComboBox>(10, 40, 120, 24);
    std::vector<QObject*> stateChanges;
    state->OnChange = [&](QObject* sender) { stateChanges.push_back(sender); };
    d.BindEdits(0, "%i{n0x100l3}", number);
    d.BindComboBox(1, state);
    EXPECT_EQ(state->Style(), ui::csDropDownList);
    ASSERT_EQ(state->ItemCount(), 2);
    EXPECT_EQ(state->ItemText(1), "disabled");
    ShowAndActivate(form.get());

    ASSERT_TRUE(ReadAsync());
    EXPECT_EQ(number->Text(), "5");
    EXPECT_EQ(state->Text(), "enabled");

    Retype(number, "42");
    state->setFocus();
    PressKey(Qt::Key_Down, state);
    EXPECT_EQ(state->Text(), "disabled");
    // The window's own handler still hears the user's choice.
    EXPECT_EQ(stateChanges, std::vector<QObject*>{state});

    d.Mode = 0;
    ASSERT_TRUE(d.Set());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(AgentValue(NumberOid), "42");
    EXPECT_EQ(AgentValue(StateOid), "2");

    number->SetText("");
    state->SetItemIndex(-1);
    ASSERT_TRUE(d.Get());
    EXPECT_EQ(number->Text(), "42");
    EXPECT_EQ(state->Text(), "disabled");
}

TEST_F(BoundForm, ARefusedInputStaysAsTypedNamesItsFieldAndIsNeverSent)
{
    MvSNMPRequest2Edits& d = Driver(NumberAndState, SVT_SV, 0);
    auto* number = Add<ui::Edit>(10, 10, 80, 24);
    Add<ui::Edit>(10, 40, 80, 24);
    d.BindEdits(0, "%i{n0x100}", number);
    d.Request.VarList.Item(1).access |= invalid; // the state stays out of this window
    ShowAndActivate(form.get());
    ASSERT_TRUE(ReadAsync());
    ASSERT_EQ(number->Text(), "5");

    Retype(number, "500");
    PressKey(Qt::Key_Tab);
    Settle();
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Number: Please enter a number between 0 and 100!"});
    EXPECT_EQ(number->Text(), "500") << "the value read is no fallback";
    EXPECT_TRUE(number->hasFocus());

    const int sets = SetCount();
    d.Mode = 0;
    // Written without the focus leaving the edit, from a handler under the guard: the rule tells
    // the user again, the guard adds nothing, nothing is sent.
    EXPECT_FALSE(ui::RunGuarded([&] { d.Set(); }));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>(2, "Number: Please enter a number between 0 and 100!"));
    EXPECT_EQ(SetCount(), sets);
    EXPECT_EQ(AgentValue(NumberOid), "5");

    Retype(number, "50");
    ASSERT_TRUE(d.Set());
    EXPECT_EQ(SetCount(), sets + 1);
    EXPECT_EQ(AgentValue(NumberOid), "50");
}

TEST_F(BoundForm, ATableWalkFillsTheListAndTheSelectedRowDrivesThePortBoxes)
{
    MvSNMPRequest2Edits& d = Driver(PortTable, MVT_FMV, 1);
    const std::vector<ui::CheckBox*> ports = AddMany<ui::CheckBox>(64);
    auto* list = Add<ui::ListView>(10, 150, 500, 120);
    auto* name = Add<ui::Edit>(10, 280, 80, 24);
    std::vector<bool> ownSelections;
    list->OnSelectItem = [&](QObject*, ui::ListItem*, bool selected) { ownSelections.push_back(selected); };

    d.AttachListView(list);
    d.BindEdits(2, "%s{l16}", name);
    d.BindControlList(3, AllPortBits(), ports);
    ASSERT_EQ(d.Bindings.size(), 2u);
    EXPECT_EQ(d.Bindings[1].ControlCount(), 64);

    // The hidden column first, at width 0, then the shown ones in list order.
    ASSERT_EQ(list->ColumnCount(), 4);
    EXPECT_EQ(list->ColumnCaption(0), "Note");
    EXPECT_EQ(list->ColumnWidth(0), 0);
    for (int c = 1; c < 4; ++c) {
        EXPECT_EQ(list->ColumnCaption(c), PortTable[c == 1 ? 0 : c].caption);
        EXPECT_GT(list->ColumnWidth(c), 0);
    }

    ShowAndActivate(form.get());
    ASSERT_TRUE(ReadAsync());
    EXPECT_EQ(Cells(list), (Rows{{"note one", "1", "uplinks", "1-3,5[E800000000000000]"},
                                 {"note two", "2", "servers", "64[0000000000000001]"}}));
    // A walked table's controls wait for a row.
    EXPECT_FALSE(name->isEnabled());
    EXPECT_FALSE(ports[0]->isEnabled());

    ClickRow(list, 1);
    EXPECT_TRUE(name->isEnabled());
    EXPECT_TRUE(ports[63]->isEnabled());
    EXPECT_EQ(name->Text(), "servers");
    EXPECT_EQ(Checked(ports), std::set<int>{63});
    ClickRow(list, 0);
    EXPECT_EQ(name->Text(), "uplinks");
    EXPECT_EQ(Checked(ports), (std::set<int>{0, 1, 2, 4}));
    EXPECT_EQ(ownSelections, (std::vector<bool>{true, false, true}));

    Click(ports[6]);
    d.Mode = 0;
    ASSERT_TRUE(d.Set());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(AgentValue(std::string(PortsOid) + ".1"), "EA 00 00 00 00 00 00 00");
    EXPECT_EQ(AgentValue(std::string(PortsOid) + ".2"), "00 00 00 00 00 00 00 01");
    // The write is followed by a new read.
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Item(0)->Cell(3), "1-3,5,7[EA00000000000000]");
}

TEST_F(BoundForm, CheckBoxesShowBitsAndAnEnumeratedValue)
{
    MvSNMPRequest2Edits& d = Driver(StateAndFlags, SVT_SV, 0);
    const std::vector<ui::CheckBox*> flags = AddMany<ui::CheckBox>(8);
    auto* state = Add<ui::CheckBox>(10, 60, 120, 24);
    state->SetCaption("Disabled");
    std::vector<QObject*> stateClicks;
    state->OnClick = [&](QObject* sender) { stateClicks.push_back(sender); };
    d.BindCheckBoxes(1, "0,1,2,3,4,5,6,7", flags);
    d.BindControl(0, state);
    ShowAndActivate(form.get());

    d.Mode = 0;
    ASSERT_TRUE(d.Get());
    EXPECT_EQ(Checked(flags), (std::set<int>{0, 2})); // A0
    EXPECT_FALSE(state->Checked());                    // "enabled", the first option

    Click(flags[1]);
    Click(state);
    EXPECT_EQ(stateClicks, std::vector<QObject*>{state}); // the window still hears its box
    ASSERT_TRUE(d.Set());
    EXPECT_EQ(AgentValue(FlagsOid), "E0");
    EXPECT_EQ(AgentValue(StateOid), "2"); // checked: "disabled"
}

TEST_F(BoundForm, AFailureDuringAnAsynchronousReadEndsItInTheStatusLine)
{
    MvSNMPRequest2Edits& d = Driver(NumberAndState, SVT_SV, 0);
    auto* bar = new ui::StatusBar(form.get());
    d.SetLogTarget(bar);
    // A number shown in a check box has no option to check it by.
    d.BindControl(0, Add<ui::CheckBox>());
    ASSERT_TRUE(ReadAsync());
    EXPECT_EQ(bar->SimpleText().rfind("Get: " + MessageOfCode(MvCode::BadPartSyntax) + " Receive at ", 0), 0u)
        << bar->SimpleText();
    EXPECT_TRUE(MessageBoxes().empty());
}

} // namespace
