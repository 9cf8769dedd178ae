// The Layer 2 rows end to end, through the main window against a simulated Sorvane-Kb that serves
// data generated from the handler rows: what their deviations do to the windows and what the
// switch receives from them.
#include "HandlerFamiliesFixture.h"
#include "simdata/MenuSimData.h"

#include "catalogue/Catalogue.h"
#include "features/switching/McastProxyGroupForm.h"
#include "gui/ConfigForm.h"
#include "main/Families.h"
#include "main/HandMadeWindows.h"
#include "main/MenuTree.h"
#include "snmp/DeviceState.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"

#include <QTemporaryDir>
#include <QtTest/QTest>

#include <algorithm>

namespace {

using Journal = std::vector<std::vector<std::string>>;

bool Holds(const std::vector<std::string>& pdu, const std::string& binding)
{
    return std::find(pdu.begin(), pdu.end(), binding) != pdu.end();
}

class Layer2Rows : public HandlerTest {
protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
        SimDataGenerator data = menusimdata::MenuSimData("Kb");
        // A forwarding table long enough to be stopped while it is walked.
        data.Add({.table = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.4.3.1.1"), .kind = MVT_FMV, .keyCount = 1,
                  .rows = LongWalk});
        dataFile_ = data.WriteFile(dir_.path().toStdString() + "/layer2-Kb.dat");
        FreeCatalogue();
    }

    static SimSwitchOptions Data(const std::vector<std::string>& more = {})
    {
        SimSwitchOptions options{"Kb", {"--data", dataFile_}};
        for (const std::string& file : more)
            options.extraArgs.insert(options.extraArgs.end(), {"--data", SimSwitch::DataFile(file)});
        return options;
    }

    bool OpenHandler(const std::string& name, const std::function<void(TConfigForm&)>& script,
                     bool waitForRead = true)
    {
        return InWindow([&] { MainForm->RunHandlerNamed(name); }, script, waitForRead);
    }

    // Runs script in the dialog that the button of the list panel opens.
    static bool InDialog(TSNMPListViewPanel* panel, QWidget* button, const std::function<void(TEditsPanel*)>& script)
    {
        return RunInModalOf([&] { Click(button); }, [&](ui::Form*) { script(panel->EditsPanel); });
    }

    // The Set button of the dialog or window that shows the editor rows.
    static void ClickSet(TEditsPanel* rows)
    {
        Click(EnclosingSNMPPanel(rows->Rows[0].Editor)->Buttons->SetCheckedButton);
    }

    // Selects the editor's text and types text over it, as a user replaces a value.
    static void Retype(QWidget* editor, const std::string& text)
    {
        TypeInto(editor, "");
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (text.empty())
            QTest::keyClick(editor, Qt::Key_Delete);
        else
            TypeInto(editor, text);
    }

    static QWidget* Editor(TEditsPanel* rows, int row) { return rows->Rows.at(static_cast<std::size_t>(row)).Editor; }

    static void Choose(TEditsPanel* rows, int row, const std::string& text)
    {
        auto* combo = dynamic_cast<ui::ComboBox*>(Editor(rows, row));
        ASSERT_NE(combo, nullptr) << "row " << row << " is a drop-down list";
        combo->SetItemIndex(combo->IndexOf(text));
    }

    static constexpr int LongWalk = 200;
    static inline QTemporaryDir dir_;
    static inline std::string dataFile_;
};

// The four generated LLDP items whose layout spells their handler in another letter case open
// their windows; the four hand-made ones are enabled as their windows are registered.
TEST_F(Layer2Rows, ItemsBoundInAnotherLetterCaseOpenTheirWindows)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const std::pair<const char*, const char*> generated[] = {
        {"PortVLAN1", "LLDP-Dot1 Port VLAN Status"},
        {"VLANName2", "LLDP-Dot1 Local VLAN Name"},
        {"VLANName3", "LLDP-Dot1 Remote VLAN Name"},
        {"ProtocolVLAN3", "LLDP-Dot1 Local Protocol VLAN Table"},
    };
    for (const auto& [item, title] : generated) {
        SCOPED_TRACE(item);
        EXPECT_TRUE(OpenItem(item, [&](TConfigForm& form) {
            EXPECT_EQ(form.Caption(), std::string(title) + ": " + sim.Address());
            EXPECT_GT(PanelOf<TSNMPListViewPanel>(&form)->ListViewPanel->ListView->Count(), 0);
        }));
    }
    for (const char* item : {"RemoteTable1", "VLANName1", "ProtocolVLAN2", "LinkAggregationTable1"}) {
        SCOPED_TRACE(item);
        const MenuTreeRow* row = nullptr;
        for (const MenuTreeRow& r : MenuTree())
            if (std::string(r.Name) == item)
                row = &r;
        ASSERT_NE(row, nullptr);
        const HandlerRow* handler = FindHandler(row->OnClick);
        ASSERT_NE(handler, nullptr) << row->OnClick;
        EXPECT_NE(std::string(handler->Name), row->OnClick) << "bound in another letter case";
        EXPECT_EQ(MainForm->Menu().Item(item)->isEnabled(), FindHandMadeWindow(handler->WindowClass) != nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(Layer2Rows, TwoWindowsWaitLongerForTheSwitch)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const std::pair<const char*, int> cases[] = {
        {"VLANTrunk1Click", 600}, {"DeviceControl1Click", 600},
        {"TrunkBasicInformation1Click", 100}, {"VLANPortInfomation1Click", 100}, {"BasicConfigureClick", 100},
    };
    for (const auto& [handler, timeout] : cases) {
        SCOPED_TRACE(handler);
        EXPECT_TRUE(OpenHandler(handler, [&](TConfigForm& form) {
            EXPECT_EQ(form.Requests.at(0)->Request.Timeout, timeout);
        }));
    }
}

TEST_F(Layer2Rows, VoiceAndMacBasedVlanWindowsSizesAndDoubleClicks)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    std::string caption;
    HandlerContext context{MainForm, &caption, sim.Address(), 1.25f};
    const auto run = [&](const char* handler, const std::function<void(TConfigForm&, TSNMPListViewPanel*)>& script) {
        SCOPED_TRACE(handler);
        EXPECT_TRUE(InWindow([&] { RunHandlerRow(*FindHandler(handler), context); }, [&](TConfigForm& form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(&form);
            ASSERT_GT(panel->ListViewPanel->ListView->Count(), 0);
            script(form, panel);
        }));
    };
    run("OUITable1Click", [&](TConfigForm& form, TSNMPListViewPanel* panel) {
        EXPECT_EQ(form.width(), 480) << "not scaled";
        EXPECT_FALSE(OpensDialog([&] { DoubleClickRow(panel->ListViewPanel->ListView, 0); }));
    });
    run("UNI1Click", [&](TConfigForm& form, TSNMPListViewPanel*) { EXPECT_EQ(form.width(), 400) << "not scaled"; });
    run("MACBasedVLAN2Click", [&](TConfigForm&, TSNMPListViewPanel* panel) {
        EXPECT_FALSE(ui::Visible(panel->Buttons->EditButton));
        EXPECT_TRUE(OpensDialog([&] { DoubleClickRow(panel->ListViewPanel->ListView, 0); }));
    });
}

// A refused key stays in the Add dialog as typed, and the Set refuses it in turn: nothing is
// written. A good one creates the row at its instance: the IPv6 address as 16 sub-identifiers.
TEST_F(Layer2Rows, SubnetVlanAddRefusesBadAddressesAndMasks)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const std::string ipv6Refused = "Please enter a valid IPv6 address whose length is 32 without ':'.";
    EXPECT_TRUE(OpenHandler("IPv6Table1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_TRUE(InDialog(panel, panel->Buttons->AddButton, [&](TEditsPanel* rows) {
            TypeInto(Editor(rows, 0), "2001:db8::1");
            TypeInto(Editor(rows, 1), "64");
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Address: " + ipv6Refused});
            EXPECT_EQ(EditorText(Editor(rows, 0)), "2001:db8::1");
            ClickSet(rows);
            EXPECT_EQ(LastMessageBoxText(), "Address: " + ipv6Refused);
            EXPECT_TRUE(sim.TakeSetJournal().empty());

            Retype(Editor(rows, 0), "20010db8000000000000000000000001");
            Retype(Editor(rows, 1), "64");
            Retype(Editor(rows, 2), "5");
            rows->Rows[2].CheckBox->SetChecked(true);
            ClickSet(rows);
        }));
        const Journal written = sim.TakeSetJournal();
        ASSERT_EQ(written.size(), 1u) << LastMessageBoxText();
        EXPECT_TRUE(Holds(written[0], "1.3.6.1.4.1.171.12.75.3.3.1.5.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1.64=4"));
        EXPECT_TRUE(Holds(written[0], "1.3.6.1.4.1.171.12.75.3.3.1.3.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1.64=5"));
    }));
    ClearMessageBoxes();
    EXPECT_TRUE(OpenHandler("VLANTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_TRUE(InDialog(panel, panel->Buttons->AddButton, [&](TEditsPanel* rows) {
            TypeInto(Editor(rows, 0), "10.1.0.0");
            TypeInto(Editor(rows, 1), "255.0.255.0");
            TypeInto(Editor(rows, 2), "5");
            EXPECT_EQ(EditorText(Editor(rows, 1)), "255.0.255.0") << "the mask is refused, and stays as typed";
            ClickSet(rows);
            EXPECT_TRUE(Editor(rows, 1)->isVisible()) << "the dialog stays open";
        }));
        EXPECT_TRUE(sim.TakeSetJournal().empty());
    }));
}

TEST_F(Layer2Rows, LacpPortStateLeftActiveIsWritten)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenItem("LACPPortTable1", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ui::ListView* list = panel->ListViewPanel->ListView;
        ASSERT_GT(list->Count(), 0);
        ClickRow(list, 0);
        EXPECT_TRUE(InDialog(panel, panel->Buttons->EditButton, [&](TEditsPanel* rows) {
            EXPECT_EQ(EditorText(Editor(rows, 1)), "active");
            ClickSet(rows);
        }));
        EXPECT_EQ(sim.TakeSetJournal(), (Journal{{"1.3.6.1.4.1.171.11.133.2.1.2.9.5.1.2.1=1"}})) << LastMessageBoxText();
    }));
}

TEST_F(Layer2Rows, ForwardingTableStopEndsALongWalk)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    sim.Control("delay 30");
    EXPECT_TRUE(OpenItem(
        "ForwardingTable1",
        [&](TConfigForm& form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(&form);
            QWidget* stop = panel->Buttons->StopButton;
            QWidget* close = panel->Buttons->CloseButton;
            ASSERT_TRUE(ui::Visible(stop)) << "Stop shows from the start";
            EXPECT_FALSE(stop->geometry().intersects(close->geometry())) << "Stop lies clear of Close";
            EXPECT_LT(stop->y(), close->y());
            ui::ListView* list = panel->ListViewPanel->ListView;
            ASSERT_TRUE(WaitFor([&] { return list->Count() >= 5; }));
            Click(stop);
            ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy; }, 10000));
            const int stopped = list->Count();
            EXPECT_LT(stopped, LongWalk);
            WaitFor([] { return false; }, 300);
            EXPECT_EQ(list->Count(), stopped) << "the walk has ended";
        },
        false));
    sim.Control("reset");
}

// Row 17 of the two snooping control tables takes only its kind of address, and may stay empty.
TEST_F(Layer2Rows, SnoopingControlTablesCheckTheProxyReportingSource)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    struct Case {
        const char* handler;
        const char* refused;
        const char* message;
        const char* accepted;
        const char* written;
    };
    const Case cases[] = {
        {"ControlTable4Click", "10.0.0", "Please input a valid IP.", "10.0.0.9",
         "1.3.6.1.4.1.171.12.73.3.1.1.1.81.1=10.0.0.9"},
        {"ControlTable5Click", "fe80::9", "Please enter a valid IPv6 address whose length is 32 without ':'.",
         "fe800000000000000000000000000009", "1.3.6.1.4.1.171.12.73.3.2.1.1.81.1=FE800000000000000000000000000009"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        ClearMessageBoxes();
        EXPECT_TRUE(OpenHandler(c.handler, [&](TConfigForm& form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(&form);
            ui::ListView* list = panel->ListViewPanel->ListView;
            const auto edit = [&](const std::function<void(TEditsPanel*)>& script) {
                ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy && list->Count() > 0; }));
                ClickRow(list, 0);
                EXPECT_TRUE(InDialog(panel, panel->Buttons->EditButton, script));
            };
            edit([&](TEditsPanel* rows) {
                const std::string before = EditorText(Editor(rows, 17));
                rows->Rows[17].CheckBox->SetChecked(true);
                Retype(Editor(rows, 17), c.refused);
                PressKey(Qt::Key_Tab);
                EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Proxy Reporting Source IP: " + std::string(c.message)});
                EXPECT_EQ(EditorText(Editor(rows, 17)), c.refused) << "the text stays as typed";
                ASSERT_TRUE(WaitFor([&] { return Editor(rows, 17)->hasFocus(); }));
                ClickSet(rows);
                EXPECT_TRUE(sim.TakeSetJournal().empty()) << "the value read before is not written";
                Retype(Editor(rows, 17), c.accepted);
                ClickSet(rows);
            });
            EXPECT_EQ(sim.TakeSetJournal(), (Journal{{c.written}})) << LastMessageBoxText();
            // Checked and left empty, row 17 is not refused as empty.
            ClearMessageBoxes();
            edit([&](TEditsPanel* rows) {
                rows->Rows[17].CheckBox->SetChecked(true);
                Retype(Editor(rows, 17), "");
                rows->Rows[1].CheckBox->SetChecked(true);
                ClickSet(rows);
                const std::vector<std::string> boxes = MessageBoxTexts();
                EXPECT_EQ(std::find(boxes.begin(), boxes.end(), "Some items are empty!"), boxes.end());
            });
            sim.ClearSetJournal();
        }));
    }
}

TEST_F(Layer2Rows, ReplicationTablesKeysFromTheInstance)
{
    SimSwitch sim(Data({"layer2-replication.dat"}));
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenHandler("InformationTable1Click", [&](TConfigForm& form) {
        const auto cells = Cells(PanelOf<TSNMPListViewPanel>(&form)->ListViewPanel->ListView);
        const std::vector<std::string> tv = {"tv", "ipv4", "239.1.1.1", "ipv4", "10.1.1.7", "active"};
        EXPECT_NE(std::find(cells.begin(), cells.end(), tv), cells.end()) << "the source address ends the instance";
    }));
    EXPECT_TRUE(OpenHandler("SourceTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_TRUE(InDialog(panel, panel->Buttons->AddButton, [&](TEditsPanel* rows) {
            TypeInto(Editor(rows, 0), "red");
            Choose(rows, 1, "ipv4");
            TypeInto(Editor(rows, 2), "239.1.1.1");
            TypeInto(Editor(rows, 3), "239.1.1.9");
            Choose(rows, 4, "ipv4");
            TypeInto(Editor(rows, 5), "10.1.1.1");
            ClickSet(rows);
        }));
        EXPECT_EQ(sim.TakeSetJournal(),
                  (Journal{{"1.3.6.1.4.1.171.12.71.3.4.1.6.3.114.101.100.1.4.239.1.1.1.4.239.1.1.9.1.4.10.1.1.1=4"}}))
            << LastMessageBoxText();
        ui::ListView* list = panel->ListViewPanel->ListView;
        ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy; }));
        const std::vector<std::string> red = {"red", "ipv4", "239.1.1.1", "239.1.1.9", "ipv4", "10.1.1.1", "active"};
        const auto cells = Cells(list);
        EXPECT_NE(std::find(cells.begin(), cells.end(), red), cells.end()) << "the new row reads back";
    }));
}

TEST_F(Layer2Rows, LldpBasicConfigurationRefusesOutOfRangeIntervals)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenHandler("ConfigInfomation1Click", [&](TConfigForm& form) {
        TEditsPanel* rows = PanelOf<TSNMPEditorPanel>(&form)->EditsPanel;
        ui::Label* note = rows->MessageLabel;
        EXPECT_TRUE(note->isVisible());
        EXPECT_EQ(note->Caption(), "Notes : Message TX Interval >=  4*TX Delay");
        EXPECT_EQ(ui::FontColorOf(note), ui::clRed);
        EXPECT_EQ(note->font().pointSize(), 8);

        const std::tuple<int, const char*, const char*> refused[] = {
            {3, "0", " Please enter a number between 1 and 8192!"},
            {3, "8193", " Please enter a number between 1 and 8192!"},
            {0, "4", " Please enter a number between 5 and 32768!"},
        };
        for (const auto& [row, text, message] : refused) {
            SCOPED_TRACE(text);
            ClearMessageBoxes();
            const std::string before = EditorText(Editor(rows, row));
            Retype(Editor(rows, row), text);
            PressKey(Qt::Key_Tab);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{rows->Rows[row].Label->Caption() + ":" + message});
            EXPECT_EQ(EditorText(Editor(rows, row)), text);
            ASSERT_TRUE(WaitFor([&] { return Editor(rows, row)->hasFocus(); }));
            Retype(Editor(rows, row), before.c_str());
        }
        EXPECT_TRUE(sim.TakeSetJournal().empty());
    }));
}

TEST_F(Layer2Rows, LldpStatisticsAreOneRowThatRefreshReplaces)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenHandler("StatisticsInfomation1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ui::ListView* list = panel->ListViewPanel->ListView;
        ASSERT_EQ(list->Count(), 1);
        EXPECT_EQ(list->ColumnCount(), 5);
        sim.Control("data 1.0.8802.1.1.2.1.2.2.0 u 77");
        Click(panel->Buttons->RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return !form.CurrentRequest->Busy && list->Count() == 1 && Cells(list)[0][1] == "77"; }))
            << list->Count();
    }));
}

TEST_F(Layer2Rows, QinQTpidIsPaddedToFourHexadecimalDigits)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    EXPECT_TRUE(OpenHandler("QinQPortTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ClickRow(panel->ListViewPanel->ListView, 0);
        EXPECT_TRUE(InDialog(panel, panel->Buttons->EditButton, [&](TEditsPanel* rows) {
            rows->Rows[3].CheckBox->SetChecked(true);
            Retype(Editor(rows, 3), "8a8");
            PressKey(Qt::Key_Tab);
            EXPECT_EQ(EditorText(Editor(rows, 3)), "08A8");
            Retype(Editor(rows, 3), "8a8g");
            PressKey(Qt::Key_Tab);
            EXPECT_EQ(EditorText(Editor(rows, 3)), "8a8g") << "refused: the text stays as typed";
            ASSERT_TRUE(WaitFor([&] { return Editor(rows, 3)->hasFocus(); }));
            ASSERT_FALSE(MessageBoxTexts().empty());
            EXPECT_EQ(MessageBoxTexts()[0].rfind(rows->Rows[3].Label->Caption() + ":", 0), 0u) << MessageBoxTexts()[0];
            ClickSet(rows);
            EXPECT_TRUE(sim.TakeSetJournal().empty()) << "the text read before is not written in its place";
            Retype(Editor(rows, 3), "8a8");
            ClickSet(rows);
        }));
        EXPECT_EQ(sim.TakeSetJournal(), (Journal{{"1.3.6.1.4.1.171.12.57.3.1.1.4.1=08A8"}})) << LastMessageBoxText();
    }));
}

// The spanning tree port table reads the STP version into the main window first; a switch that
// does not answer delays the window by that read's time-out and no more.
TEST_F(Layer2Rows, StpPortTableReadsTheVersionFirst)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    MainForm->ST_STPVersion->SetCaption("stale");
    EXPECT_TRUE(OpenHandler("PortTableClick", [&](TConfigForm&) {
        EXPECT_EQ(MainForm->ST_STPVersion->Caption(), "rstp");
    }));

    sim.Control("silence on");
    MainForm->ST_STPVersion->SetCaption("stale");
    EXPECT_TRUE(OpenHandler("PortTableClick", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "Spanning Tree Port Table: " + sim.Address());
    }, false));
    EXPECT_EQ(MainForm->ST_STPVersion->Caption(), "stale") << "a failed read leaves the text";
    sim.Control("silence off");
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A window class standing in for the proxy group window: it notes the kind it was made for.
class ProxyGroupProbe : public ui::Form {
public:
    explicit ProxyGroupProbe(QWidget* owner) : ui::Form(owner), Kind(ProxyGroupKind) {}
    int Kind;
};

TEST_F(Layer2Rows, ProxyGroupItemsSetTheKindBeforeTheWindowIsMade)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    Register<ProxyGroupProbe>("TProxyGroupProbe");
    std::string caption;
    HandlerContext context{MainForm, &caption, sim.Address(), 1.0f};
    for (const auto& [handler, kind] : std::vector<std::pair<const char*, int>>{
             {"GroupTable3Click", 1}, {"GroupTable4Click", 2}, {"GroupTable3Click", 1}}) {
        SCOPED_TRACE(handler);
        HandlerRow row = *FindHandler(handler);
        EXPECT_STREQ(row.WindowClass, "TMcastProxyGroupForm");
        row.WindowClass = "TProxyGroupProbe";
        EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(row, context); }, [&](ui::Form* shown) {
            EXPECT_EQ(dynamic_cast<ProxyGroupProbe*>(shown)->Kind, kind);
        }));
        EXPECT_EQ(ProxyGroupKind, kind) << "the kind stays set";
    }
}

// Of the Layer 2 items that open a window, those hidden in the layout, those hidden at start-up
// and, on the SI firmware, Q-in-Q's and ERPS's cannot be reached.
TEST_F(Layer2Rows, FirmwareSIHidesQinQAndErps)
{
    for (const bool si : {false, true}) {
        SCOPED_TRACE(si ? "SI" : "EI");
        SimSwitch sim(Data(si ? std::vector<std::string>{"identify-firmware-SI.dat"} : std::vector<std::string>{}));
        const auto window = StartOn(sim);
        int reachable = 0;
        for (const MenuTreeRow& item : MenuTree()) {
            const MenuTreeRow* top = &item;
            while (*top->Parent != '\0')
                for (const MenuTreeRow& r : MenuTree())
                    if (std::string(r.Name) == top->Parent) {
                        top = &r;
                        break;
                    }
            if (*item.OnClick != '\0' && std::string(top->Name) == "Layer2Management2")
                reachable += MainForm->Menu().Reachable(item.Name);
        }
        EXPECT_EQ(reachable, si ? 145 : 151);
        for (const char* item : {"QinQControlState1", "QinQPortTable1", "VLANTranslateTable1", "GlobalSettings8",
                                 "VLANTable5", "SubRingSetting1"})
            EXPECT_EQ(MainForm->Menu().Reachable(item), !si) << item;
    }
}

} // namespace
