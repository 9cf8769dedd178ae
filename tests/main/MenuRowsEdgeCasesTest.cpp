// The windows of System, Layer 3 and Management where a user's input meets the switch, against a
// simulated Sorvane-Kb serving the data generated from the handler rows: what each dialog lets
// through, and what the switch received (its SET journal). Also the items firmware SI takes away
// from these groups, and the editor width and height of the one-value windows at both scales.
#include "HandlerFamiliesFixture.h"
#include "simdata/MenuSimData.h"

#include "catalogue/Catalogue.h"
#include "main/Families.h"
#include "main/MenuTree.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace {

using Journal = std::vector<std::vector<std::string>>;

// The handlers whose rows the tests address, with their generated rows' indexes in walk order.
const char* const Indexed[] = {"FTPSystemTable1Click", "SourceIPInterfaceSettings1Click", "SecurityTable1Click"};

std::vector<unsigned long> Arcs(const std::string& oid)
{
    std::vector<unsigned long> arcs;
    std::istringstream in(oid);
    for (std::string arc; std::getline(in, arc, '.');)
        arcs.push_back(std::stoul(arc));
    return arcs;
}

// A text as the SET journal writes an octet string: hexadecimal.
std::string Hex(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

bool Holds(const std::vector<std::string>& pdu, const std::string& binding)
{
    return std::find(pdu.begin(), pdu.end(), binding) != pdu.end();
}

class MenuRowEdgeCases : public HandlerTest {
protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
        SimDataGenerator data = menusimdata::MenuSimData("Kb");
        // The DDM items open windows of their own functions on these tables.
        for (const auto& [oid, kind, keys] : {std::tuple{"1.3.6.1.4.1.171.12.72.1.1", MVT_FMV, 0},
                                              std::tuple{"1.3.6.1.4.1.171.12.72.2.1.1.1.1", MVT_FMV, 1},
                                              std::tuple{"1.3.6.1.4.1.171.12.72.3.1.1.1.1", MVT_UMV, 2},
                                              std::tuple{"1.3.6.1.4.1.171.12.72.3.2.2.1.1", MVT_UMV, 1}})
            data.Add({.table = FindTable("Oid_ddm", oid), .kind = static_cast<std::uint8_t>(kind), .keyCount = keys});
        dataFile_ = data.WriteFile(dir_.path().toStdString() + "/menu-Kb.dat");
        for (const char* name : Indexed) {
            const HandlerRow* row = FindHandler(name);
            SimWindowData window{.table = FindTable(row->Table.Module, row->Table.Oid, row->Table.Caption,
                                                    row->Table.Rows, row->Table.Row),
                                 .kind = row->Kind,
                                 .keyCount = row->Keys};
            std::vector<std::string> indexes = data.RowIndexes(window);
            std::sort(indexes.begin(), indexes.end(),
                      [](const std::string& a, const std::string& b) { return Arcs(a) < Arcs(b); });
            indexes_[name] = indexes;
        }
        FreeCatalogue();
    }

    static SimSwitchOptions Data(const std::vector<std::string>& more = {})
    {
        SimSwitchOptions options{"Kb", {"--data", dataFile_}};
        for (const std::string& file : more)
            options.extraArgs.insert(options.extraArgs.end(), {"--data", SimSwitch::DataFile(file)});
        return options;
    }

    // Replaces what the edit holds by the text, typed as a user types it.
    static void Retype(QWidget* edit, const std::string& text)
    {
        TypeInto(edit, "");
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        TypeInto(edit, text);
    }

    static void Choose(QWidget* combo, const std::string& text)
    {
        auto* box = dynamic_cast<ui::ComboBox*>(combo);
        ASSERT_NE(box, nullptr);
        box->SetItemIndex(box->IndexOf(text));
    }

    static TSNMPPanel* DialogPanelOf(TEditsPanel* rows) { return EnclosingSNMPPanel(rows->Rows[0].Editor); }

    // Runs script in the dialog the button opens; the dialog's rows are the panel's.
    static bool InDialog(QWidget* button, const std::function<void(TEditsPanel*)>& script, TSNMPEditorPanel* panel)
    {
        return RunInModalOf([&] { Click(button); }, [&](ui::Form*) { script(panel->EditsPanel); });
    }

    static bool ListReadAgain(TConfigForm& form, ui::ListView* view, int rows)
    {
        return WaitFor([&] { return view->Count() == rows && !form.CurrentRequest->Busy; }, 10000);
    }

    static inline QTemporaryDir dir_;
    static inline std::string dataFile_;
    static inline std::map<std::string, std::vector<std::string>> indexes_;
};

TEST_F(MenuRowEdgeCases, FtpFileSystemTableLeavesOnlyUserNameAndPasswordEmpty)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const std::string first = indexes_.at("FTPSystemTable1Click").at(0);
    const std::string column = "1.3.6.1.4.1.171.12.1.2.25.1.";
    EXPECT_TRUE(OpenItem("FTPSystemTable1", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ui::ListView* view = panel->ListViewPanel->ListView;
        ASSERT_GE(view->Count(), 1);
        ClickRow(view, 0);
        // User Name (row 8) and Password (row 9) emptied and checked: written empty.
        EXPECT_TRUE(InDialog(panel->Buttons->EditButton, [&](TEditsPanel* rows) {
            for (int row : {8, 9}) {
                Retype(rows->Rows[static_cast<std::size_t>(row)].Editor, "");
                rows->Rows[static_cast<std::size_t>(row)].CheckBox->SetChecked(true);
            }
            Click(DialogPanelOf(rows)->Buttons->SetCheckedButton);
        }, panel));
        EXPECT_EQ(sim.TakeSetJournal(), (Journal{{column + "9." + first + "=", column + "10." + first + "="}}))
            << LastMessageBoxText();
        ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy; }));

        // The TCP Port emptied and checked is refused, whatever else is checked.
        ClearMessageBoxes();
        ClickRow(view, 0);
        EXPECT_TRUE(InDialog(panel->Buttons->EditButton, [&](TEditsPanel* rows) {
            Retype(rows->Rows[5].Editor, "");
            rows->Rows[5].CheckBox->SetChecked(true);
            rows->Rows[8].CheckBox->SetChecked(true);
            Click(DialogPanelOf(rows)->Buttons->SetCheckedButton);
            EXPECT_EQ(LastMessageBoxText(), "Some items are empty!");
        }, panel));
        EXPECT_TRUE(sim.TakeSetJournal().empty());
    }));
}

TEST_F(MenuRowEdgeCases, SourceIpInterfaceSettingsRefusesABadAddressBeforeAnySet)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const std::vector<std::string>& indexes = indexes_.at("SourceIPInterfaceSettings1Click");
    ASSERT_FALSE(indexes.empty());
    const std::string last = indexes.back();
    const std::string column = "1.3.6.1.4.1.171.12.81.3.1.1.";
    EXPECT_TRUE(OpenItem("SourceIPInterfaceSettings1", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ui::ListView* view = panel->ListViewPanel->ListView;
        const int rows = view->Count();
        ASSERT_EQ(rows, static_cast<int>(indexes.size()));
        // Its keys are two: the last row goes, so that Add may create it again.
        const std::string type = Cells(view).back().at(0);
        ClickRow(view, rows - 1);
        Click(panel->Buttons->DeleteButton);
        EXPECT_EQ(sim.TakeSetJournal(), (Journal{{column + "2." + last + "=6"}})) << "destroy";
        ASSERT_TRUE(ListReadAgain(form, view, rows - 1));

        struct Attempt {
            const char* ipv4;
            const char* ipv6;
            int last;            // the row typed last, which the click on Set leaves
            const char* refusal; // none: the row is written
        };
        const Attempt attempts[] = {
            {"10.90.90.300", "20010DB8000000000000000000000001", 3, "Please input a valid IP."},
            {"10.90.90.30", "2001:db8::1", 4, "Please enter a valid IPv6 address whose length is 32 without ':'."},
            {"10.90.90.30", "20010DB8000000000000000000000001", 4, nullptr},
        };
        for (const Attempt& attempt : attempts) {
            SCOPED_TRACE(std::string(attempt.ipv4) + " " + attempt.ipv6);
            ClearMessageBoxes();
            std::string field; // the caption of the row typed last
            EXPECT_TRUE(InDialog(panel->Buttons->AddButton, [&](TEditsPanel* dialog) {
                field = dialog->Rows[static_cast<std::size_t>(attempt.last)].Label->Caption();
                Choose(dialog->Rows[0].Editor, type);
                Retype(dialog->Rows[2].Editor, "mgmt");
                const int first = attempt.last == 3 ? 4 : 3;
                Retype(dialog->Rows[static_cast<std::size_t>(first)].Editor, first == 3 ? attempt.ipv4 : attempt.ipv6);
                Retype(dialog->Rows[static_cast<std::size_t>(attempt.last)].Editor,
                       attempt.last == 3 ? attempt.ipv4 : attempt.ipv6);
                for (int row : {2, 3, 4})
                    dialog->Rows[static_cast<std::size_t>(row)].CheckBox->SetChecked(true);
                Click(DialogPanelOf(dialog)->Buttons->SetCheckedButton);
            }, panel));
            const Journal journal = sim.TakeSetJournal();
            if (attempt.refusal != nullptr) {
                EXPECT_TRUE(journal.empty()) << "nothing is sent";
                ASSERT_FALSE(MessageBoxes().empty());
                EXPECT_EQ(MessageBoxTexts().front(), field + ": " + attempt.refusal);
            } else {
                ASSERT_EQ(journal.size(), 1u) << LastMessageBoxText();
                EXPECT_TRUE(Holds(journal[0], column + "2." + last + "=4")) << "createAndGo";
                EXPECT_TRUE(Holds(journal[0], column + "4." + last + "=10.90.90.30"));
                EXPECT_TRUE(Holds(journal[0], column + "5." + last + "=20010DB8000000000000000000000001"));
            }
            ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy; }));
        }
        EXPECT_TRUE(ListReadAgain(form, view, rows));
    }));
}

TEST_F(MenuRowEdgeCases, Ipv6AddressControlAddsTheRowAtItsThreeKeys)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenItem("IPv6AddressControl1", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ui::ListView* view = panel->ListViewPanel->ListView;
        const int rows = view->Count();
        for (const char* address : {"fe80::1", "FE800000000000000000000000000001"}) {
            SCOPED_TRACE(address);
            ClearMessageBoxes();
            EXPECT_TRUE(InDialog(panel->Buttons->AddButton, [&](TEditsPanel* dialog) {
                Retype(dialog->Rows[0].Editor, "System");
                Retype(dialog->Rows[2].Editor, "64");
                Retype(dialog->Rows[1].Editor, address);
                Click(DialogPanelOf(dialog)->Buttons->SetCheckedButton);
            }, panel));
            if (std::string(address).find(':') != std::string::npos)
                EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{
                                                 "IPv6 Address: Please enter a valid IPv6 address whose length is 32 without ':'."});
            else
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
            ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy; }));
        }
        // Interface name with its length, the address's 16 octets without one, the prefix length.
        const std::string instance = "6.83.121.115.116.101.109.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.64";
        EXPECT_EQ(sim.TakeSetJournal(), (Journal{{"1.3.6.1.4.1.171.11.133.2.1.3.2.1.5.1.8." + instance + "=4"}}))
            << "the address with colons is refused before anything is sent; " << LastMessageBoxText();
        EXPECT_TRUE(ListReadAgain(form, view, rows + 1));
    }));
}

TEST_F(MenuRowEdgeCases, IpTableSetsDefaultTtlWhereItWasRead)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenItem("IPTable1", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPEditorPanel>(&form);
        ASSERT_EQ(panel->EditsPanel->RowCount(), 10);
        EXPECT_EQ(panel->EditsPanel->Rows[1].Label->Caption(), "Default TTL");
        Retype(panel->EditsPanel->Rows[1].Editor, "128");
        panel->EditsPanel->Rows[1].CheckBox->SetChecked(true);
        Click(panel->Buttons->SetCheckedButton);
        ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy; }));
        EXPECT_EQ(sim.TakeSetJournal(), (Journal{{"1.3.6.1.2.1.4.2.0=128"}})) << LastMessageBoxText();
        Click(panel->Buttons->RefreshButton);
        EXPECT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy && EditorTexts(panel).at(1) == "128"; }, 10000))
            << "read back from the switch";
    }));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(MenuRowEdgeCases, SnmpV3EditLeftAtActiveWritesTheStatusColumn)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const std::string first = indexes_.at("SecurityTable1Click").at(0);
    const std::string column = "1.3.6.1.6.3.16.1.2.1.";
    EXPECT_TRUE(OpenItem("SecurityTable1", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ui::ListView* view = panel->ListViewPanel->ListView;
        ASSERT_GE(view->Count(), 1);
        ClickRow(view, 0);
        EXPECT_TRUE(InDialog(panel->Buttons->EditButton, [&](TEditsPanel* rows) {
            EXPECT_TRUE(ui::Visible(rows->Rows[4].CheckBox)) << "the status row is offered";
            EXPECT_EQ(EditorText(rows->Rows[4].Editor), "active");
            Retype(rows->Rows[2].Editor, "operators");
            rows->Rows[2].CheckBox->SetChecked(true);
            rows->Rows[4].CheckBox->SetChecked(true);
            Click(DialogPanelOf(rows)->Buttons->SetCheckedButton);
        }, panel));
        EXPECT_EQ(sim.TakeSetJournal(),
                  (Journal{{column + "3." + first + "=" + Hex("operators"), column + "5." + first + "=1"}}))
            << LastMessageBoxText();
    }));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(MenuRowEdgeCases, DdmItemsOpenTheirWindows)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    for (const auto& [item, title] : {std::pair{"ControlTable6", "DDM Information Settings"},
                                      std::pair{"StatusTable1", "DDM Status Table"},
                                      std::pair{"ThresholdManagementTable1", "DDM Threshold Management Table"},
                                      std::pair{"PortManagementTable3", "DDM Port Management Table"}}) {
        SCOPED_TRACE(item);
        EXPECT_TRUE(OpenItem(item, [&](TConfigForm& form) {
            EXPECT_EQ(form.Caption(), std::string(title) + ": " + sim.Address());
            EXPECT_NE(StatusLine(&form).find("Ok!"), std::string::npos) << StatusLine(&form);
            if (auto* list = form.findChild<TSNMPListViewPanel*>())
                EXPECT_EQ(list->ListViewPanel->ListView->Count(), 3);
            else
                EXPECT_EQ(EditorTexts(PanelOf<TSNMPEditorPanel>(&form)).size(), 3u);
        }));
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The bound leaves of System, Management, Layer 3 and Help: those a user can reach, or those the
// layout shows.
std::set<std::string> Leaves(bool reachable)
{
    std::map<std::string, const MenuTreeRow*> rows;
    for (const MenuTreeRow& row : MenuTree())
        rows[row.Name] = &row;
    const std::set<std::string> groups = {"Configuration1", "Management2", "Layer3Management1", "Help1"};
    std::set<std::string> leaves;
    for (const MenuTreeRow& row : MenuTree()) {
        if (row.SubMenu || *row.OnClick == '\0')
            continue;
        bool laidOut = true;
        const MenuTreeRow* top = &row;
        for (; *top->Parent != '\0'; top = rows.at(top->Parent))
            laidOut = laidOut && top->Visible;
        if (groups.count(top->Name) > 0 && (reachable ? MainForm->Menu().Reachable(row.Name) : laidOut))
            leaves.insert(row.Name);
    }
    return leaves;
}

TEST_F(MenuRowEdgeCases, FirmwareSiTakesNineItemsAwayWhoseHandlersStillRun)
{
    std::set<std::string> onEI;
    {
        SimSwitch sim(Data());
        const auto window = StartOn(sim);
        onEI = Leaves(true);
    }
    // Multiple Configuration Management is hidden at start-up whatever the firmware.
    std::set<std::string> shown = Leaves(false);
    for (const char* item : {"GeneralInformation2", "MultipleConfigInformation1", "MultipleConfigControl1"})
        EXPECT_EQ(shown.erase(item), 1u) << item;
    EXPECT_EQ(onEI, shown);

    SimSwitch sim(Data({"identify-firmware-SI.dat"}));
    const auto window = StartOn(sim);
    const std::set<std::string> onSI = Leaves(true);
    std::set<std::string> gone;
    std::set_difference(onEI.begin(), onEI.end(), onSI.begin(), onSI.end(), std::inserter(gone, gone.end()));
    EXPECT_EQ(gone, (std::set<std::string>{"ControlTable6", "StatusTable1", "ThresholdManagementTable1",
                                           "PortManagementTable3", "IPv6ControlTable1", "IPv6AddressControl1",
                                           "IPv6StaticRoute1", "IPv6NeighborCache1",
                                           "IPv6NeighborCacheDeleteAction1"}));
    EXPECT_TRUE(std::includes(onEI.begin(), onEI.end(), onSI.begin(), onSI.end())) << "nothing appears";
    for (const char* handler : {"IPv6NeighborCacheDeleteAction1Click", "IPv6AddressControl1Click"}) {
        SCOPED_TRACE(handler);
        EXPECT_TRUE(InWindow([&] { MainForm->RunHandlerNamed(handler); }, [&](TConfigForm& form) {
            EXPECT_EQ(form.Caption(), std::string(FindHandler(handler)->Title) + ": " + sim.Address());
            EXPECT_NE(StatusLine(&form).find("Ok!"), std::string::npos) << StatusLine(&form);
        }));
    }
}

// The one-value windows widen their editor to scaled 142 and grow by scaled 10 from their fit.
TEST_F(MenuRowEdgeCases, OneValueWindowsAtBothScales)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    struct Measured {
        int editorWidth = -1;
        QSize size;
    };
    const auto measure = [&](const HandlerRow& row, float scale) {
        Measured measured;
        std::string caption;
        HandlerContext context{MainForm, &caption, sim.Address(), scale};
        EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(row, context); }, [&](ui::Form* form) {
            measured.size = form->size();
            measured.editorWidth = form->findChild<TSNMPEditorPanel*>()->EditsPanel->Rows.at(0).Editor->width();
        }));
        return measured;
    };
    for (const char* name : {"SerialNamber1Click", "SnmpTrapState1Click", "SystemReset1Click", "SystemReboot1Click"}) {
        const HandlerRow& row = *FindHandler(name);
        HandlerRow fitted = row;
        std::replace_if(std::begin(fitted.Tweaks), std::end(fitted.Tweaks),
                        [](const Tweak& t) { return t.Kind == TweakKind::GrowHeight; }, Tweak{});
        for (const auto& [scale, width, growth] : {std::tuple{1.0f, 142, 10}, std::tuple{1.25f, 177, 12}}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(scale));
            const Measured tweaked = measure(row, scale);
            EXPECT_EQ(tweaked.editorWidth, width);
            EXPECT_EQ(tweaked.size, measure(fitted, scale).size + QSize(0, growth));
        }
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
