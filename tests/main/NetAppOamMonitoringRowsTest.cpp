// The Network Application, OAM and Monitoring windows where they differ from their families, run
// through the menu handlers against a simulated Sorvane-Kb serving the data generated from the
// handler rows: what the user sees and what the switch receives.
#include "HandlerFamiliesFixture.h"
#include "simdata/MenuSimData.h"

#include "catalogue/Catalogue.h"
#include "gui/ConfigForm.h"
#include "main/Families.h"
#include "main/HandMadeWindows.h"
#include "ui/ComboBox.h"
#include "ui/PageControl.h"

#include <QAction>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

using Journal = std::vector<std::vector<std::string>>;

const char* const IPv6Refusal = "Please enter a valid IPv6 address whose length is 32 without ':'.";

class NetAppOamMonitoringRows : public HandlerTest {
protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
        SimDataGenerator data = menusimdata::MenuSimData("Kb");
        // Five OAM peers, whose "Functions Supported" oam-peers.dat sets.
        data.Add({.table = FindTable("Oid_lacpoam", "1.3.6.1.2.1.158.1.2.1.1", nullptr, 8), .kind = MVT_FMV,
                  .keyCount = 1, .rows = 5});
        dataFile_ = data.WriteFile(dir_.path().toStdString() + "/menu-Kb.dat");
        FreeCatalogue();
    }

    static SimSwitchOptions Data(const std::vector<std::string>& more = {})
    {
        SimSwitchOptions options{"Kb", {"--data", dataFile_}};
        for (const std::string& file : more)
            options.extraArgs.insert(options.extraArgs.end(), {"--data", SimSwitch::DataFile(file)});
        return options;
    }

    bool Open(const std::string& handler, const std::function<void(TConfigForm&)>& script)
    {
        return InWindow([&] { MainForm->RunHandlerNamed(handler); }, script);
    }

    // The list of a table window, with its rows read.
    static TSNMPListViewPanel* ListOf(QWidget* form)
    {
        return PanelOf<TSNMPListViewPanel>(form);
    }

    static std::vector<std::string> Column(ui::ListView* view, const std::string& caption)
    {
        std::vector<std::string> cells;
        int column = -1;
        for (int c = 0; c < view->ColumnCount(); ++c)
            if (view->ColumnCaption(c) == caption)
                column = c;
        if (column < 0) {
            ADD_FAILURE() << "no column " << caption;
            return cells;
        }
        for (int r = 0; r < view->Count(); ++r)
            cells.push_back(view->Item(r)->Cell(column));
        return cells;
    }

    // Runs script in the dialog that action opens (Add or Edit of the list).
    static bool InDialog(const std::function<void()>& action, const std::function<void(TEditsPanel*)>& script,
                         TSNMPListViewPanel* list)
    {
        return RunInModalOf(action, [&](ui::Form*) { script(list->EditsPanel); });
    }

    static TCtrlBtnPanel* DialogButtons(TEditsPanel* rows)
    {
        return EnclosingSNMPPanel(rows->Rows[0].Editor)->Buttons;
    }

    // A click on the page's tab, as a user changes pages.
    static void ClickTab(ui::PageControl* pages, int index)
    {
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(index).center());
    }

    // The editor's text replaced by typing, as a user selects it all and types over it.
    static void Retype(QWidget* editor, const std::string& text)
    {
        editor->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        TypeInto(editor, text);
    }

    static bool Contains(const std::vector<std::string>& pdu, const std::string& binding)
    {
        return std::find(pdu.begin(), pdu.end(), binding) != pdu.end();
    }

    static inline QTemporaryDir dir_;
    static inline std::string dataFile_;
};

TEST_F(NetAppOamMonitoringRows, DHCPv6RelaySettingsPagesAndTheirButtons)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const HandlerRow* row = FindHandler("DHCPv6RelaySettings1Click");
    ASSERT_NE(row, nullptr);
    for (float scale : {1.0f, 1.25f}) {
        std::string caption;
        HandlerContext context{MainForm, &caption, sim.Address(), scale};
        EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(*row, context); },
                                 [&](ui::Form* form) { EXPECT_EQ(form->width(), 650) << "at " << scale; }));
    }

    EXPECT_TRUE(Open("DHCPv6RelaySettings1Click", [&](TConfigForm& form) {
        ASSERT_EQ(form.Pages->PageCount(), 3);
        auto* hop = PanelOf<TSNMPEditorPanel>(form.Pages->Page(0));
        auto* control = ListOf(form.Pages->Page(1));
        auto* information = ListOf(form.Pages->Page(2));
        for (TSNMPPanel* panel : std::vector<TSNMPPanel*>{hop, control}) {
            const std::vector<std::string> buttons = ShownButtons(panel);
            for (const char* name : {"Add", "Delete", "Stop"})
                EXPECT_EQ(std::find(buttons.begin(), buttons.end(), name), buttons.end()) << name;
        }
        EXPECT_EQ(ShownButtons(information), (std::vector<std::string>{"Refresh", "Add", "Delete", "Stop", "Close"}));

        // A page is read when it becomes the active one.
        ui::ListView* controls = control->ListViewPanel->ListView;
        EXPECT_EQ(controls->Count(), 0);
        ClickTab(form.Pages, 1);
        EXPECT_TRUE(WaitFor([&] { return controls->Count() == 3 && ReadEnded(form); }, 10000)) << controls->Count();

        ClickTab(form.Pages, 2);
        ui::ListView* addresses = information->ListViewPanel->ListView;
        ASSERT_TRUE(WaitFor([&] { return addresses->Count() == 3 && ReadEnded(form); }, 10000));
        EXPECT_FALSE(OpensDialog([&] { DoubleClickRow(addresses, 0); })) << "a double click opens nothing";

        sim.ClearSetJournal();
        EXPECT_TRUE(InDialog([&] { Click(information->Buttons->AddButton); },
                             [&](TEditsPanel* rows) {
                                 TypeInto(rows->Rows[0].Editor, "System");
                                 auto* type = dynamic_cast<ui::ComboBox*>(rows->Rows[1].Editor);
                                 ASSERT_NE(type, nullptr);
                                 type->SetItemIndex(type->IndexOf("ipv6"));
                                 TypeInto(rows->Rows[2].Editor, "20010DB8000000000000000000000001");
                                 Click(DialogButtons(rows)->SetCheckedButton);
                             },
                             information));
        const Journal journal = sim.TakeSetJournal();
        ASSERT_EQ(journal.size(), 1u) << LastMessageBoxText();
        // Interface name "System", address type 2 (ipv6), the address with its length.
        EXPECT_TRUE(Contains(journal[0], "1.3.6.1.4.1.171.12.84.1.4.1.3.6.83.121.115.116.101.109.2.16.32.1.13.184."
                                         "0.0.0.0.0.0.0.0.0.0.0.1=4"))
            << testing::PrintToString(journal[0]);
    }));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(NetAppOamMonitoringRows, OptionTablesWaitLongerForTheSwitch)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    for (const auto& [handler, timeout] : std::vector<std::pair<std::string, int>>{
             {"Option60Table1Click", 2000}, {"Option61Table1Click", 1000}, {"Option125Table1Click", 500},
             {"ControlStatus1Click", 3000}, {"QULDTable1Click", 100}}) {
        SCOPED_TRACE(handler);
        EXPECT_TRUE(Open(handler, [&](TConfigForm& form) {
            EXPECT_EQ(form.Requests.at(0)->Request.Timeout, timeout);
        }));
    }
}

TEST_F(NetAppOamMonitoringRows, PoolWithAnEmptyOption43ValueIsWritten)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    EXPECT_TRUE(Open("PoolTable1Click", [&](TConfigForm& form) {
        TSNMPListViewPanel* list = ListOf(&form);
        sim.ClearSetJournal();
        EXPECT_TRUE(InDialog([&] { Click(list->Buttons->AddButton); },
                             [&](TEditsPanel* rows) {
                                 const std::pair<int, const char*> texts[] = {
                                     {0, "pool9"},     {1, "10.9.0.0"}, {2, "255.255.0.0"}, {3, "example.org"},
                                     {6, "1"},         {7, "2"},        {8, "3"},           {9, "boot.bin"},
                                     {10, "10.9.0.1"}};
                                 for (const auto& [row, text] : texts)
                                     TypeInto(rows->Rows[static_cast<std::size_t>(row)].Editor, text);
                                 for (int row : {4, 5}) {
                                     QWidget* editor = rows->Rows[static_cast<std::size_t>(row)].Editor;
                                     auto* combo = dynamic_cast<ui::ComboBox*>(editor);
                                     ASSERT_NE(combo, nullptr);
                                     combo->SetItemIndex(0);
                                 }
                                 Click(DialogButtons(rows)->CheckAllButton);
                                 EXPECT_EQ(EditorText(rows->Rows[12].Editor), "");
                                 Click(DialogButtons(rows)->SetCheckedButton);
                             },
                             list));
        const Journal journal = sim.TakeSetJournal();
        ASSERT_EQ(journal.size(), 1u) << LastMessageBoxText();
        const std::string pool = "112.111.111.108.57"; // "pool9"
        EXPECT_TRUE(Contains(journal[0], "1.3.6.1.4.1.171.12.38.3.2.1.1.12.5." + pool + "=4"));
        EXPECT_TRUE(Contains(journal[0], "1.3.6.1.4.1.171.12.38.3.2.1.1.13.5." + pool + "="))
            << testing::PrintToString(journal[0]);
    }));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(NetAppOamMonitoringRows, AddressesAreRefusedBeforeAnythingIsSent)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    sim.ClearSetJournal();
    // DHCPv6 pool: a begin address with colons.
    EXPECT_TRUE(Open("PoolTable2Click", [&](TConfigForm& form) {
        TSNMPListViewPanel* list = ListOf(&form);
        EXPECT_TRUE(InDialog([&] { Click(list->Buttons->AddButton); },
                             [&](TEditsPanel* rows) {
                                 TypeInto(rows->Rows[0].Editor, "pool9");
                                 TypeInto(rows->Rows[1].Editor, "2001:db8::1");
                                 PressKey(Qt::Key_Tab);
                                 EXPECT_EQ(LastMessageBoxText(), "Begin Address: " + std::string(IPv6Refusal));
                                 EXPECT_EQ(EditorText(rows->Rows[1].Editor), "2001:db8::1") << "the text stays";
                                 Click(DialogButtons(rows)->CheckAllButton);
                                 Click(DialogButtons(rows)->SetCheckedButton);
                             },
                             list));
    }));
    // Basic file system: the server's IPv4 and IPv6 addresses in the Edit dialog.
    ClearMessageBoxes();
    EXPECT_TRUE(Open("ControlStatus1Click", [&](TConfigForm& form) {
        TSNMPListViewPanel* list = ListOf(&form);
        ClickRow(list->ListViewPanel->ListView, 0);
        EXPECT_TRUE(InDialog([&] { Click(list->Buttons->EditButton); },
                             [&](TEditsPanel* rows) {
                                 Retype(rows->Rows[2].Editor, "10.90.90.256");
                                 PressKey(Qt::Key_Tab);
                                 EXPECT_EQ(LastMessageBoxText(), "Server Address: Please input a valid IP.");
                                 // The refused edit takes the focus back before the user goes on.
                                 QWidget* server = rows->Rows[2].Editor;
                                 EXPECT_TRUE(WaitFor([&] { return QApplication::focusWidget() == server; }, 5000));
                                 EXPECT_EQ(EditorText(server), "10.90.90.256") << "the text stays";
                                 Retype(server, "10.90.90.9");
                                 TypeInto(rows->Rows[3].Editor, "2001:db8::1");
                                 PressKey(Qt::Key_Tab);
                                 EXPECT_EQ(LastMessageBoxText(),
                                           rows->Rows[3].Label->Caption() + ": " + std::string(IPv6Refusal));
                             },
                             list));
    }));
    EXPECT_EQ(MessageBoxTexts().size(), 2u);
    EXPECT_TRUE(sim.TakeSetJournal().empty());
}

TEST_F(NetAppOamMonitoringRows, OamPeersShowTheirFunctionsByName)
{
    SimSwitch sim(Data({"oam-peers.dat"}));
    const auto window = StartOn(sim);
    EXPECT_TRUE(Open("PeerTable1Click", [&](TConfigForm& form) {
        EXPECT_EQ(Column(ListOf(&form)->ListViewPanel->ListView, "Functions Supported"),
                  (std::vector<std::string>{"Variable Request, Link Monitoring, Remote Loopback, Unidirection",
                                            "Variable Request, Remote Loopback", "Link Monitoring, Unidirection",
                                            "(NULL)", ""}));
    }));
}

TEST_F(NetAppOamMonitoringRows, ErrorFramePeriodWindowKeepsItsRange)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    const std::string oid = "1.3.6.1.2.1.158.1.5.1.6.1=";
    for (const auto& [text, accepted] : std::vector<std::pair<std::string, bool>>{
             {"148810", true}, {"100000000", true}, {"148809", false}}) {
        SCOPED_TRACE(text);
        ClearMessageBoxes();
        sim.ClearSetJournal();
        EXPECT_TRUE(Open("EventConfigurationTable1Click", [&](TConfigForm& form) {
            TSNMPListViewPanel* list = ListOf(&form);
            ClickRow(list->ListViewPanel->ListView, 0);
            EXPECT_TRUE(InDialog([&] { Click(list->Buttons->EditButton); },
                                 [&](TEditsPanel* rows) {
                                     const std::string before = EditorText(rows->Rows[6].Editor);
                                     Retype(rows->Rows[6].Editor, text);
                                     PressKey(Qt::Key_Tab);
                                     EXPECT_EQ(MessageBoxes().empty(), accepted) << LastMessageBoxText();
                                     EXPECT_EQ(EditorText(rows->Rows[6].Editor), text) << "a refused text stays too";
                                     rows->Rows[6].CheckBox->SetChecked(true);
                                     Click(DialogButtons(rows)->SetCheckedButton);
                                 },
                                 list));
        }));
        // A refused period sends nothing, not the period read before.
        const Journal journal = sim.TakeSetJournal();
        ASSERT_EQ(journal.size(), accepted ? 1u : 0u);
        if (accepted) {
            EXPECT_TRUE(Contains(journal[0], oid + text)) << testing::PrintToString(journal[0]);
        }
    }
}

TEST_F(NetAppOamMonitoringRows, HistoricalCountersSpeakSNMPv2cOnlyWhileOpen)
{
    SimSwitch sim(Data());
    const auto window = StartOn(sim, 0);
    const HandlerRow* row = FindHandler("Historical1Click");
    ASSERT_NE(row, nullptr);
    // Without the tweak, SNMPv1 reads none of the Counter64 columns: each walk leaves its column.
    HandlerRow plain = *row;
    std::fill(std::begin(plain.Tweaks), std::end(plain.Tweaks), Tweak{});
    std::string caption;
    HandlerContext context{MainForm, &caption, sim.Address(), 1.0f};
    EXPECT_TRUE(InWindow([&] { RunHandlerRow(plain, context); }, [&](TConfigForm& form) {
        EXPECT_EQ(form.Requests.at(0)->Request.Security.Version, 0);
        const std::vector<std::string> packets = Column(ListOf(&form)->ListViewPanel->ListView, "Packets TX");
        EXPECT_FALSE(packets.empty()) << "the other columns are read";
        for (const std::string& cell : packets)
            EXPECT_EQ(cell, "(NOTDONE)");
    }));

    EXPECT_TRUE(Open("Historical1Click", [&](TConfigForm& form) {
        EXPECT_EQ(form.Requests.at(0)->Request.Security.Version, 1);
        const std::vector<std::string> packets = Column(ListOf(&form)->ListViewPanel->ListView, "Packets TX");
        ASSERT_FALSE(packets.empty());
        for (const std::string& cell : packets)
            EXPECT_GT(std::stoull(cell), 0xFFFFFFFFull) << "a 64-bit counter";
    }));
    EXPECT_TRUE(Open("CpuUtilization1Click", [&](TConfigForm& form) {
        EXPECT_EQ(form.Requests.at(0)->Request.Security.Version, 0) << "the next window speaks SNMPv1";
    }));
    EXPECT_EQ(DefaultSecurity.Version, 0);
}

TEST_F(NetAppOamMonitoringRows, PowerTableListsEachSupplyWithItsUnitFromTheInstance)
{
    SimSwitch sim(Data({"power-supplies.dat"}));
    const auto window = StartOn(sim);
    EXPECT_TRUE(Open("PowerTable1Click", [&](TConfigForm& form) {
        ui::ListView* view = ListOf(&form)->ListViewPanel->ListView;
        EXPECT_EQ(Column(view, "Unit Index"), (std::vector<std::string>{"1", "1", "2"}));
        EXPECT_EQ(Column(view, "ID"), (std::vector<std::string>{"1", "2", "1"}));
    }));
}

TEST_F(NetAppOamMonitoringRows, ItemsTheModelAndTheFirmwareShow)
{
    // The items of these groups that the menu hides on SI firmware.
    const std::vector<std::string> hiddenOnSI = {
        "PPPoE1", "CircuitIDInsertPortTable1", "DHCPv6RelaySettings1", "State1", "PortTable8", "StackTable1",
        "MDTable1", "NextIndex1", "NetTable1", "ComponentTable1", "ListTable1", "MEPTable1",
        "LinktraceRepliesTable1", "DatabaseTable2", "FaultTable1", "LockControlTable1", "OAMTable1", "PeerTable1",
        "LoopbackTable1", "StatisticsTable1", "EventConfigurationTable1", "EventLogTable1"};
    struct Case {
        const char* model;
        const char* firmware; // a data file, or none for EI
    };
    for (const Case& c : {Case{"Kb", nullptr}, Case{"Ka", nullptr}, Case{"Kb", "identify-firmware-SI.dat"}}) {
        SCOPED_TRACE(std::string(c.model) + (c.firmware ? " SI" : " EI"));
        SimSwitch sim(Options(c.model, c.firmware ? std::vector<std::string>{c.firmware} : std::vector<std::string>{}));
        const auto window = StartOn(sim);
        const MainMenu& menu = MainForm->Menu();
        EXPECT_EQ(menu.Reachable("ExternalAlarmTable1"), std::string(c.model) == "Kb");
        for (const char* item : {"Unitinformation1", "UnitTable1", "MaxConcurrentRequests1", "MaxConcurrentRequests2",
                                 "GeneralInformation4", "TrapState1", "Test1", "RSPANTable1"})
            EXPECT_FALSE(menu.Reachable(item)) << item;
        for (const std::string& item : hiddenOnSI)
            EXPECT_EQ(menu.Reachable(item), c.firmware == nullptr) << item;
        // "Settings" goes; the other DHCPv6 relay items stay.
        EXPECT_TRUE(menu.Reachable("Option37SettingsClick"));
        EXPECT_TRUE(menu.Reachable("PingControlTable1"));
        // A hand-made window's item works once its class is registered, and is greyed until then.
        for (const char* item : {"VLANControlTable1", "CircuitIDInsertPortTable1", "GlobalSettings10",
                                 "PortMirrorTable1", "RSPANTable1", "ProbeBasicInformation1", "Test1"}) {
            const HandlerRow* row = FindHandler(std::string(item) + "Click");
            ASSERT_NE(row, nullptr) << item;
            EXPECT_EQ(EnabledWhenShown(menu.Item(item)), FindHandMadeWindow(row->WindowClass) != nullptr) << item;
        }
    }
}

} // namespace
