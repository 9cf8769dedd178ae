// A rule window on the base form against the simulated switch: which columns a write leaves out,
// the port picker's list as the switch receives it, and deleting the selected row.

#include "RuleTestForm.h"

#include "support/FormTest.h"
#include "support/SimSwitch.h"
#include "support/SnmpTools.h"

#include "snmp/DeviceState.h"
#include "snmp/RequestFixture.h" // the tests' global session and aiming a request at an agent
#include "snmp/VarDescriptor.h"

#include "ui/Guard.h"
#include "ui/ModalResult.h"

#include <QTimer>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char* const RuleEntry = "1.3.6.1.3.4242.30.1";

using Rows = std::vector<std::vector<std::string>>;

class RuleForm : public FormTest {
protected:
    static void SetUpTestSuite() { requesttest::EnsureGlobalSession(); }

    void SetUp() override
    {
        FormTest::SetUp();
        SimSwitchOptions options;
        options.extraArgs = {"--data", SimSwitch::DataFile("formkit.dat")};
        sim = std::make_unique<SimSwitch>(options);
        ModelNameCopy = "Sorvane-Kb";
        form = std::make_unique<TRuleTestForm>();
        requesttest::AimAt(form->Driver->Request, *sim);
        ShowAndActivate(form.get());
    }

    void TearDown() override
    {
        form.reset();
        sim.reset();
        ClearDeviceState();
        FormTest::TearDown();
    }

    // Starts the window's read and waits for its end.
    void Read()
    {
        ASSERT_TRUE(form->Driver->Get());
        ASSERT_TRUE(WaitFor([this] { return form->Driver->Busy == 0; }));
    }

    // Every row the agent holds: name, number, note, ports (hex), status.
    Rows AgentRows()
    {
        Rows rows;
        for (int column = 2; column <= 6; ++column) {
            std::vector<std::string> args = SimSecurityArgs("v2c");
            args.insert(args.end(), {"-Oqv", "-t", "2", sim->Endpoint(), std::string(RuleEntry) + "." + std::to_string(column)});
            const ToolResult result = RunSnmpTool("snmpwalk", args);
            EXPECT_EQ(result.exitCode, 0) << result.output;
            std::size_t row = 0;
            std::size_t start = 0;
            while (start < result.output.size()) {
                std::size_t end = result.output.find('\n', start);
                if (end == std::string::npos)
                    end = result.output.size();
                std::string value = result.output.substr(start, end - start);
                start = end + 1;
                while (!value.empty() && std::string_view(" \"").find(value.back()) != std::string_view::npos)
                    value.pop_back();
                if (!value.empty() && value.front() == '"')
                    value.erase(0, 1);
                if (rows.size() <= row)
                    rows.emplace_back();
                rows[row++].push_back(value);
            }
        }
        return rows;
    }

    // The bindings of every SET PDU the agent received since the last call, as column.row and
    // value (texts as they are, the port list in hexadecimal).
    std::vector<std::vector<std::pair<std::string, std::string>>> Received()
    {
        std::vector<std::vector<std::pair<std::string, std::string>>> pdus;
        const std::string prefix = std::string(RuleEntry) + ".";
        for (const SetJournalPdu& pdu : sim->SetJournal()) {
            pdus.emplace_back();
            for (const SetJournalBinding& binding : pdu) {
                std::string cell = binding.oid.rfind(prefix, 0) == 0 ? binding.oid.substr(prefix.size()) : binding.oid;
                const bool text = binding.type == 'x' && cell.rfind("5.", 0) != 0;
                pdus.back().emplace_back(cell, text ? binding.Octets() : binding.value);
            }
        }
        sim->ClearSetJournal();
        return pdus;
    }

    int Stat(const std::string& name)
    {
        const std::string stats = sim->Control("stats");
        return std::stoi(stats.substr(stats.find(name + "=") + name.size() + 1));
    }

    // The port boxes of unit 1 with only these ports checked.
    void CheckPorts(const std::vector<int>& ports)
    {
        form->PortSelector->UncheckAll();
        for (int port : ports)
            form->PortSelector->PortBoxes[static_cast<std::size_t>(port - 1)]->SetChecked(true);
    }

    // No column stays left out after a write.
    bool NoColumnLeftOut() const
    {
        const MvSNMPVarList& list = form->Driver->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            if (list.Item(i).access & invalid)
                return false;
        return true;
    }

    std::unique_ptr<SimSwitch> sim;
    std::unique_ptr<TRuleTestForm> form;
};

struct SkipCase {
    const char* name;
    bool nameChecked;
    bool nameEnabled;
    bool numberEnabled;
    bool portsChecked;
    int skipIndex;
    bool nameSent;
    bool numberSent;
    bool portsSent;
};

TEST_F(RuleForm, OnlyCheckedAndEnabledColumnsAreWritten)
{
    Read();
    ClickRow(form->ListView1, 0);
    const SkipCase cases[] = {
        {"all checked", true, true, true, true, 0, true, true, true},
        {"name unchecked", false, true, true, true, 0, false, true, true},
        {"name checked but disabled", true, false, true, true, 0, false, true, true},
        {"radio button checked but disabled", true, true, false, true, 0, true, false, true},
        {"ports unchecked", true, true, true, false, 0, true, true, false},
        {"name unchecked but never left out", false, true, true, true, TRuleTestForm::NameColumn, true, true, true},
    };
    std::vector<std::string> held = AgentRows().at(0);
    sim->ClearSetJournal();
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n) {
        const SkipCase& c = cases[n];
        const std::string tag = std::to_string(n);
        form->NameCheck->setEnabled(true);
        form->NameCheck->SetChecked(c.nameChecked);
        form->NameCheck->setEnabled(c.nameEnabled);
        form->NumberRadio->setEnabled(true);
        form->NumberRadio->SetChecked(true);
        form->NumberRadio->setEnabled(c.numberEnabled);
        form->PortsCheck->SetChecked(c.portsChecked);
        form->SkipIndex = c.skipIndex;
        form->NameEdit->SetText("name" + tag);
        form->NumberEdit->SetText(std::to_string(100 + n));
        form->NoteEdit->SetText("note" + tag);
        CheckPorts({n + 1});

        ASSERT_TRUE(form->EditClick()) << c.name << ": " << LastMessageBoxText();
        EXPECT_TRUE(NoColumnLeftOut()) << c.name;

        // One PDU for row 1. The note has no box: always written; the status goes out as the
        // row's own.
        std::string ports(16, '0');
        ports[static_cast<std::size_t>(n / 4)] = "8421"[n % 4];
        std::vector<std::pair<std::string, std::string>> sent;
        if (c.nameSent)
            sent.emplace_back("2.1", "name" + tag);
        if (c.numberSent)
            sent.emplace_back("3.1", std::to_string(100 + n));
        sent.emplace_back("4.1", "note" + tag);
        if (c.portsSent)
            sent.emplace_back("5.1", ports);
        sent.emplace_back("6.1", "1");
        EXPECT_EQ(Received(), (std::vector<decltype(sent)>{sent})) << c.name;

        if (c.nameSent)
            held[0] = "name" + tag;
        if (c.numberSent)
            held[1] = std::to_string(100 + n);
        held[2] = "note" + tag;
        if (c.portsSent)
            held[3] = ports;
    }
    form->SkipIndex = 0;
    // What the agent holds: row 1 as the writes left it, the other rows untouched.
    std::string heldPorts;
    for (std::size_t k = 0; k < held[3].size(); k += 2)
        heldPorts += (k ? " " : "") + held[3].substr(k, 2);
    held[3] = heldPorts;
    const Rows rows = AgentRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], held);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"two", "22", "note two", "80 00 00 00 00 00 00 00", "1"}));
}

TEST_F(RuleForm, CheckAllWritesTheModelsPortsOnly)
{
    Read();
    ClickRow(form->ListView1, 2);
    form->NameCheck->SetChecked(false);
    form->PortsCheck->SetChecked(true);
    // Without a port the window refuses before anything is sent.
    CheckPorts({});
    EXPECT_FALSE(form->EditClick());
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"You must choose at least 1 port!"});
    EXPECT_TRUE(Received().empty());
    EXPECT_TRUE(NoColumnLeftOut());

    form->PortSelector->CheckAll();
    EXPECT_EQ(form->PortSelector->CountChecked(), 26);
    ASSERT_TRUE(form->EditClick()) << LastMessageBoxText();
    // The name's box and the number's radio button are not checked.
    using Pdu = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Received(), std::vector<Pdu>{(Pdu{{"4.3", "note three"}, {"5.3", "FFFFFFC000000000"}, {"6.3", "1"}})});
    EXPECT_EQ(AgentRows().at(2).at(3), "FF FF FF C0 00 00 00 00");
}

TEST_F(RuleForm, DeleteAsksFirstAndCancelWritesAndReadsNothing)
{
    Read();
    ClickRow(form->ListView1, 1);
    const int reads = Stat("getnext");
    AnswerNextMessageBox(ui::mrCancel);
    form->DeleteClick();
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].Text, "Are you sure to delete it?");
    EXPECT_EQ(MessageBoxes()[0].Buttons, ui::mbOKCancel);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(Stat("getnext"), reads);
    EXPECT_EQ(AgentRows().size(), 3u);
}

TEST_F(RuleForm, DeleteRemovesTheSelectedRowAndReadsAgain)
{
    Read();
    ClickRow(form->ListView1, 1);
    form->Driver->Request.VarList.Item(TRuleTestForm::NoteColumn).access |= invalid; // the window's own
    form->DeleteClick();
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Are you sure to delete it?"});
    // The window's mode is back, and the new read runs in it.
    EXPECT_EQ(form->Driver->Mode, 1);
    ASSERT_TRUE(WaitFor([this] { return form->Driver->Busy == 0; }));
    // Only the status went out, at the selected row.
    using Pdu = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Received(), std::vector<Pdu>{(Pdu{{"6.2", "6"}})});
    const Rows rows = AgentRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "one");
    EXPECT_EQ(rows[1][0], "three");
    ASSERT_EQ(form->ListView1->Count(), 2);
    EXPECT_EQ(Cells(form->ListView1)[1][1], "three");
    // The items' flags are as the window left them.
    const MvSNMPVarList& list = form->Driver->Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ((list.Item(i).access & invalid) != 0, i == TRuleTestForm::NoteColumn) << i;
}

TEST_F(RuleForm, AFailedDeleteIsShownAndTheWindowIsAsBefore)
{
    Read();
    ClickRow(form->ListView1, 1);
    ASSERT_EQ(sim->Control("error 1.3.6.1.3.4242.30.1.6.2 genErr"), "ok");
    const int reads = Stat("getnext");
    form->DeleteClick();
    ASSERT_TRUE(WaitFor([this] { return form->Driver->Busy == 0; }));
    ASSERT_GE(MessageBoxes().size(), 2u);
    EXPECT_EQ(MessageBoxTexts()[0], "Are you sure to delete it?");
    EXPECT_EQ(MessageBoxTexts()[1], "(SNMP) Cannot perform operation, General Error!");
    // Mode and flags as before, and the table was read again.
    EXPECT_EQ(form->Driver->Mode, 1);
    EXPECT_TRUE(NoColumnLeftOut());
    EXPECT_GT(Stat("getnext"), reads);
    sim->Control("reset");
    EXPECT_EQ(AgentRows().size(), 3u);
}

TEST_F(RuleForm, ARowClickedDuringASlowReadIsTheOneDeleted)
{
    sim->Control("delay 150");
    ASSERT_TRUE(form->Driver->Get());
    ASSERT_TRUE(WaitFor([this] { return form->ListView1->Count() >= 1; }));
    ASSERT_TRUE(form->Driver->Busy);
    ClickRow(form->ListView1, 0);
    form->DeleteClick();
    ASSERT_TRUE(WaitFor([this] { return form->Driver->Busy == 0; }));
    sim->Control("reset");
    using Pdu = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Received(), std::vector<Pdu>{(Pdu{{"6.1", "6"}})});

    const Rows rows = AgentRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "two");
    EXPECT_EQ(rows[1][0], "three");
    const Rows cells = Cells(form->ListView1);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0][1], "two");
    EXPECT_EQ(cells[1][1], "three");
}

TEST_F(RuleForm, ADeleteAskedForWhileARowIsListedWritesOnceTheReadStopped)
{
    sim->Control("delay 60");
    bool asked = false;
    form->ListView1->OnChange = [&](QObject*, ui::ListItem*) {
        // The user's row click and Delete click, dispatched while the window lists a row.
        if (form->ListView1->Count() == 1 && !asked) {
            asked = true;
            QTimer::singleShot(0, form->ListView1, [&] {
                ClickRow(form->ListView1, 0);
                ui::RunGuarded([&] { form->DeleteClick(); });
            });
        }
    };
    ASSERT_TRUE(form->Driver->Get());
    ASSERT_TRUE(WaitFor([&] { return asked && form->Driver->Busy == 0 && form->ListView1->Count() == 2; }, 10000));
    WaitFor([] { return false; }, 200);
    sim->Control("reset");
    using Pdu = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Received(), std::vector<Pdu>{(Pdu{{"6.1", "6"}})});
    const Rows cells = Cells(form->ListView1);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0][1], "two");
    EXPECT_EQ(cells[1][1], "three");
}

TEST_F(RuleForm, DeleteWithoutASelectedRowWritesNothing)
{
    Read();
    form->DeleteClick();
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(AgentRows().size(), 3u);
}

} // namespace
