// The QoS, ACL and Security rows that differ from their family, run through the menu handler
// against a simulated Sorvane-Kb serving the data generated from the handler rows (and
// tests/support/data/qos-acl-security.dat): what the windows show, refuse and write.
#include "HandlerFamiliesFixture.h"
#include "simdata/MenuSimData.h"

#include "catalogue/Catalogue.h"
#include "main/Families.h"
#include "snmp/DeviceState.h"
#include "ui/ComboBox.h"

#include <QTemporaryDir>

#include <algorithm>

namespace {

using Journal = std::vector<std::vector<std::string>>;

const std::string RateLimitMessage = "Pleaase Input a Number between 64-10240000 or 0.";
const std::string RecoverTimerMessage = "Pleaase Input a Number between 60 and 1000000 or 0.";

class QosAclSecurityRows : public HandlerTest {
protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
        dataFile_ = menusimdata::MenuSimData("Kb").WriteFile(dir_.path().toStdString() + "/menu-Kb.dat");
        FreeCatalogue();
        sim_ = new SimSwitch(Data());
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override
    {
        HandlerTest::SetUp();
        sim_->Control("reset");
        sim_->ClearSetJournal();
    }

    static SimSwitchOptions Data(const std::string& more = "qos-acl-security.dat")
    {
        return {"Kb", {"--data", dataFile_, "--data", SimSwitch::DataFile(more)}};
    }

    // Runs the handler by name with script inside its window once the first read has ended.
    bool Open(const char* handler, const std::function<void(TConfigForm&)>& script, bool waitForRead = true)
    {
        return InWindow([handler] { MainForm->RunHandlerNamed(handler); }, script, waitForRead);
    }

    static ui::ListView* ListOf(TSNMPListViewPanel* panel) { return panel->ListViewPanel->ListView; }

    static ui::Edit* EditOf(TSNMPEditorPanel* panel, int row)
    {
        auto* edit = dynamic_cast<ui::Edit*>(panel->EditsPanel->Rows.at(static_cast<std::size_t>(row)).Editor);
        if (edit == nullptr)
            ADD_FAILURE() << "row " << row << " is edited in no edit";
        return edit;
    }

    // Types text into the row's edit in place of what it holds, then leaves it as a user does.
    // Types text into the row's edit in place of what it holds, then leaves it as a user does;
    // a refused text has its focus back before the user goes on.
    static void Enter(ui::Edit* edit, const std::string& text)
    {
        edit->clear();
        TypeInto(edit, text);
        PressKey(Qt::Key_Tab);
        QApplication::processEvents();
    }

    // The first entry of the row's list.
    static void ChooseFirst(TSNMPEditorPanel* panel, int row)
    {
        auto* list = dynamic_cast<ui::ComboBox*>(panel->EditsPanel->Rows.at(static_cast<std::size_t>(row)).Editor);
        ASSERT_NE(list, nullptr) << "row " << row << " has no list";
        list->SetItemIndex(0);
    }

    static void Tick(TSNMPEditorPanel* panel, int row)
    {
        Click(panel->EditsPanel->Rows.at(static_cast<std::size_t>(row)).CheckBox);
    }

    static void Set(TSNMPEditorPanel* panel, int row)
    {
        Click(EnclosingSNMPPanel(panel->EditsPanel->Rows.at(static_cast<std::size_t>(row)).Editor)
                  ->Buttons->SetCheckedButton);
    }

    // Runs script in the dialog action opens (Add, Edit or a double click).
    static void InDialog(const std::function<void()>& action, const std::function<void()>& script)
    {
        EXPECT_TRUE(RunInModalOf(action, [&](ui::Form*) { script(); })) << "no dialog opened";
    }

    static bool ReadDone(TConfigForm& form) { return !form.CurrentRequest->Busy; }

    // The bindings of the journal's PDUs whose OID begins with prefix.
    static std::vector<std::string> Written(const Journal& journal, const std::string& prefix)
    {
        std::vector<std::string> found;
        for (const auto& pdu : journal)
            for (const std::string& binding : pdu)
                if (binding.starts_with(prefix))
                    found.push_back(binding);
        return found;
    }

    static inline QTemporaryDir dir_;
    static inline std::string dataFile_;
    static inline SimSwitch* sim_ = nullptr;
};

TEST_F(QosAclSecurityRows, UserPriorityRowsAreKeyedByPortAndIndex)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open("N8021pUserPriorityTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        const auto cells = Cells(ListOf(panel));
        const auto row = std::find(cells.begin(), cells.end(), std::vector<std::string>{"5", "2", "4"});
        ASSERT_NE(row, cells.end()) << "port 5 and index 2 both show";
        ClickRow(ListOf(panel), static_cast<int>(row - cells.begin()));
        InDialog([&] { Click(panel->Buttons->EditButton); }, [&] {
            ui::Edit* classId = EditOf(panel, 2);
            EXPECT_EQ(classId->Text(), "4");
            classId->clear();
            TypeInto(classId, "6");
            Set(panel, 2);
        });
        EXPECT_EQ(sim_->TakeSetJournal(), (Journal{{"1.3.6.1.4.1.171.12.61.3.10.1.3.5.2=6"}}));
    }));
}

TEST_F(QosAclSecurityRows, SessionTableSpeaksSNMPv2cOnlyWhileOpen)
{
    for (const int version : {0, 3}) {
        SCOPED_TRACE("version " + std::to_string(version));
        const auto window = StartOn(*sim_, version);
        int inside = -1, next = -1;
        EXPECT_TRUE(Open("SessionInformation1Click", [&](TConfigForm& form) {
            inside = form.Requests.at(0)->Request.Security.Version;
            EXPECT_NE(StatusLine(&form).find("Ok!"), std::string::npos) << StatusLine(&form);
            const auto cells = Cells(ListOf(PanelOf<TSNMPListViewPanel>(&form)));
            ASSERT_FALSE(cells.empty());
            EXPECT_GT(std::stoull(cells[0].at(2)), 0xFFFFFFFFull) << "Octets RX, a Counter64, is read";
        }));
        EXPECT_EQ(DefaultSecurity.Version, version);
        EXPECT_TRUE(Open("Configuration2Click", [&](TConfigForm& form) {
            next = form.Requests.at(0)->Request.Security.Version;
            EXPECT_NE(StatusLine(&form).find("Ok!"), std::string::npos) << StatusLine(&form);
        }));
        EXPECT_EQ(inside, version == 0 ? 1 : 3);
        EXPECT_EQ(next, version) << "the next window speaks the version the command line chose";
    }
}

TEST_F(QosAclSecurityRows, BandwidthRatesTakeZeroOr64ToTheMaximum)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open("BandwidthControlTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ClickRow(ListOf(panel), 0);
        InDialog([&] { Click(panel->Buttons->EditButton); }, [&] {
            for (const int row : {1, 2}) {
                ui::Edit* rate = EditOf(panel, row);
                for (const char* refused : {"1", "63", "10240001"}) {
                    SCOPED_TRACE(refused);
                    const std::string before = rate->Text();
                    ClearMessageBoxes();
                    Enter(rate, refused);
                    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{
                                                     (row == 1 ? "RX Rate: " : "TX Rate: ") + std::string(RateLimitMessage)});
                    EXPECT_EQ(rate->Text(), refused) << "the text stays as typed";
                    Enter(rate, before);
                }
                for (const char* accepted : {"0", "64"}) {
                    SCOPED_TRACE(accepted);
                    ClearMessageBoxes();
                    Enter(rate, accepted);
                    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
                    EXPECT_EQ(rate->Text(), accepted);
                }
            }
            Tick(panel, 1);
            Set(panel, 1);
        });
        const auto written = Written(sim_->TakeSetJournal(), "1.3.6.1.4.1.171.12.61.3.1.1.2.");
        ASSERT_EQ(written.size(), 1u);
        EXPECT_TRUE(written[0].ends_with("=64")) << written[0];
    }));
}

TEST_F(QosAclSecurityRows, CpuFilteringProfilesAreAddedAndDeletedNeverEdited)
{
    const auto window = StartOn(*sim_);
    struct Case {
        const char* handler;
        const char* status; // the status column, without the instance
        int mask;           // a row whose editor takes at most 12 characters, or -1
    };
    for (const Case& c : {Case{"EthernetMaskCPUFilter1Click", "1.3.6.1.4.1.171.12.9.4.1.1.8.", 3},
                          Case{"IPMaskCPUFilter1Click", "1.3.6.1.4.1.171.12.9.4.2.1.19.", -1},
                          Case{"PacketContentMaskCPUFilter1Click", "1.3.6.1.4.1.171.12.9.4.3.1.7.", -1}}) {
        SCOPED_TRACE(c.handler);
        EXPECT_TRUE(Open(c.handler, [&](TConfigForm& form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(&form);
            EXPECT_EQ(ShownButtons(panel), (std::vector<std::string>{"Refresh", "Add", "Delete", "Close"}));
            ASSERT_GT(ListOf(panel)->Count(), 0);
            EXPECT_FALSE(OpensDialog([&] { DoubleClickRow(ListOf(panel), 0); })) << "a double click opens nothing";
            InDialog([&] { Click(panel->Buttons->AddButton); }, [&] {
                ui::Edit* profile = EditOf(panel, 0);
                Enter(profile, "6");
                EXPECT_FALSE(MessageBoxes().empty()) << "profiles are 1 to 5";
                EXPECT_EQ(profile->Text(), "6") << "the refused text stays, to be corrected";
                ClearMessageBoxes();
                Enter(profile, "56");
                EXPECT_EQ(profile->Text(), "5") << "in one character";
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
                if (c.mask >= 0) {
                    ui::Edit* mask = EditOf(panel, c.mask);
                    TypeInto(mask, "FFFFFFFFFFFFF");
                    EXPECT_EQ(mask->Text(), "FFFFFFFFFFFF") << "at most 12 characters";
                    Tick(panel, c.mask);
                }
                Set(panel, 0);
            });
            const Journal journal = sim_->TakeSetJournal();
            EXPECT_EQ(Written(journal, c.status), std::vector<std::string>{c.status + std::string("5=4")})
                << "createAndGo for profile 5";
            if (c.mask >= 0) {
                EXPECT_EQ(Written(journal, "1.3.6.1.4.1.171.12.9.4.1.1.4."),
                          std::vector<std::string>{"1.3.6.1.4.1.171.12.9.4.1.1.4.5=FFFFFFFFFFFF"});
            }
        }));
    }
}

TEST_F(QosAclSecurityRows, HiddenEditStillEditsOnADoubleClick)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open("ACLRate1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_FALSE(ui::Visible(panel->Buttons->EditButton));
        InDialog([&] { DoubleClickRow(ListOf(panel), 0); }, [&] {
            Enter(EditOf(panel, 2), "640");
            Tick(panel, 2);
            Set(panel, 2);
        });
        const auto written = Written(sim_->TakeSetJournal(), "1.3.6.1.4.1.171.12.9.6.3.1.3.");
        ASSERT_EQ(written.size(), 1u);
        EXPECT_TRUE(written[0].ends_with("=640")) << written[0];
    }));
    EXPECT_TRUE(Open("ZoneDefenes1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_FALSE(ui::Visible(panel->Buttons->EditButton));
        EXPECT_TRUE(OpensDialog([&] { DoubleClickRow(ListOf(panel), 0); }));
    }));
}

TEST_F(QosAclSecurityRows, PageElementTextsTravelInShiftJis)
{
    const auto window = StartOn(*sim_);
    const std::string title = "1.3.6.1.4.1.171.12.39.4.2.1.2.1";
    const std::string tesuto = "\u30c6\u30b9\u30c8";
    EXPECT_TRUE(Open("PageElementTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_EQ(form.height(), 300);
        const auto japanese = [&] {
            const auto cells = Cells(ListOf(panel));
            for (std::size_t r = 0; r < cells.size(); ++r)
                if (cells[r].at(0) == "japanese")
                    return static_cast<int>(r);
            return -1;
        };
        ASSERT_GE(japanese(), 0);
        EXPECT_EQ(Cells(ListOf(panel))[static_cast<std::size_t>(japanese())].at(1), tesuto);

        // The title read is written back as the same octets.
        InDialog([&] { DoubleClickRow(ListOf(panel), japanese()); }, [&] {
            EXPECT_EQ(EditOf(panel, 1)->Text(), tesuto);
            Tick(panel, 1);
            Set(panel, 1);
        });
        EXPECT_EQ(sim_->TakeSetJournal(), (Journal{{title + "=836583588367"}}));
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form); }));

        // A text Shift-JIS cannot hold is not sent; the dialog stays open and says why.
        InDialog([&] { DoubleClickRow(ListOf(panel), japanese()); }, [&] {
            ui::Edit* edit = EditOf(panel, 1);
            edit->clear();
            edit->insert(QString::fromUtf8("\uD55C")); // pasted: a Hangul syllable
            Tick(panel, 1);
            Set(panel, 1);
            EXPECT_TRUE(edit->isVisible()) << "the dialog stays open";
            EXPECT_NE(StatusLine(&form).find("Shift_JIS"), std::string::npos) << StatusLine(&form);
        });
        EXPECT_TRUE(sim_->TakeSetJournal().empty());
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form); }));

        // An empty title is sent; an empty first line is refused.
        InDialog([&] { DoubleClickRow(ListOf(panel), japanese()); }, [&] {
            EditOf(panel, 1)->clear();
            Tick(panel, 1);
            Set(panel, 1);
        });
        EXPECT_EQ(sim_->TakeSetJournal(), (Journal{{title + "="}}));
        ASSERT_TRUE(WaitFor([&] { return ReadDone(form); }));
        ClearMessageBoxes();
        InDialog([&] { DoubleClickRow(ListOf(panel), japanese()); }, [&] {
            EditOf(panel, 6)->clear();
            Tick(panel, 6);
            Set(panel, 6);
        });
        EXPECT_TRUE(sim_->TakeSetJournal().empty());
        EXPECT_EQ(LastMessageBoxText(), "Some items are empty!");
    }));
}

TEST_F(QosAclSecurityRows, DeleteActionLeftActiveIsWritten)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open("PortInformationTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        ClickRow(ListOf(panel), 0);
        InDialog([&] { Click(panel->Buttons->EditButton); }, [&] {
            EXPECT_EQ(EditorText(panel->EditsPanel->Rows.at(8).Editor), "active");
            Set(panel, 8);
        });
        const auto written = Written(sim_->TakeSetJournal(), "1.3.6.1.4.1.171.12.27.2.2.1.25.");
        ASSERT_EQ(written.size(), 1u);
        EXPECT_TRUE(written[0].ends_with("=1")) << written[0];
    }));
}

TEST_F(QosAclSecurityRows, UpdateServerMaskRefusedByNameAndEntriesAddedOnly)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open("JWACUpdateServerTable1Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(&form);
        EXPECT_EQ(ShownButtons(panel), (std::vector<std::string>{"Refresh", "Add", "Delete", "Close"}));
        ASSERT_GT(ListOf(panel)->Count(), 0);
        EXPECT_FALSE(OpensDialog([&] { DoubleClickRow(ListOf(panel), 0); }));
        InDialog([&] { Click(panel->Buttons->AddButton); }, [&] {
            Enter(EditOf(panel, 0), "10.1.1.0");
            ui::Edit* mask = EditOf(panel, 1);
            Enter(mask, "255.255.255.0");
            ClearMessageBoxes();
            Enter(mask, "255.0.255.0");
            // The mask check has no words of its own: the refusal names the field with the
            // framework's bad-value text.
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{
                                             "Mask: Bad value of the associated SNMP variable's (partial) data!"});
            EXPECT_EQ(mask->Text(), "255.0.255.0") << "the refused mask stays as typed";
            Enter(mask, "255.255.255.0");
            ClearMessageBoxes();
            ChooseFirst(panel, 2);
            Enter(EditOf(panel, 3), "80");
            Set(panel, 0);
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        });
        const auto written = Written(sim_->TakeSetJournal(), "1.3.6.1.4.1.171.12.39.1.19.1.5.10.1.1.0.255.255.255.0.");
        ASSERT_EQ(written.size(), 1u);
        EXPECT_TRUE(written[0].ends_with(".80=4")) << written[0];
    }));
}

TEST_F(QosAclSecurityRows, AddCreatesRowsKeyedByMacAndByIpv6WithIntegers)
{
    const auto window = StartOn(*sim_);
    struct Case {
        const char* handler;
        std::vector<std::pair<int, const char*>> typed; // row, text
        std::string created;                             // the status binding
        int protocol = -1;                               // a key row chosen from its list
    };
    const Case cases[] = {
        {"DatabaseTable1Click", {{0, "001122334455"}, {1, "5"}}, "1.3.6.1.4.1.171.12.35.4.1.1.3.0.17.34.51.68.85=4"},
        {"IPv6UpdateServerTable1Click",
         {{0, "FE800000000000000000000000000001"}, {1, "64"}, {3, "8080"}},
         "1.3.6.1.4.1.171.12.39.1.24.1.100.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.64.", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        EXPECT_TRUE(Open(c.handler, [&](TConfigForm& form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(&form);
            const int before = ListOf(panel)->Count();
            InDialog([&] { Click(panel->Buttons->AddButton); }, [&] {
                if (c.protocol >= 0)
                    ChooseFirst(panel, c.protocol);
                for (const auto& [row, text] : c.typed) {
                    Enter(EditOf(panel, row), text);
                    if (row >= static_cast<int>(form.Requests.at(0)->Request.VarList.keyCount))
                        Tick(panel, row);
                }
                Set(panel, 0);
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
            });
            const auto written = Written(sim_->TakeSetJournal(), c.created.substr(0, c.created.find('=')));
            ASSERT_EQ(written.size(), 1u) << StatusLine(&form);
            EXPECT_TRUE(written[0].ends_with("=4")) << written[0];
            EXPECT_TRUE(WaitFor([&] { return ReadDone(form) && ListOf(panel)->Count() == before + 1; }))
                << "the created row is read back";
        }));
    }
}

TEST_F(QosAclSecurityRows, IgmpAuthenticationWidensItsAddRowsFromThePortEditor)
{
    const auto window = StartOn(*sim_);
    const HandlerRow* row = FindHandler("IGMPSnoopingAuthenticationTable1Click");
    ASSERT_NE(row, nullptr);
    HandlerRow plain = *row;
    std::fill(std::begin(plain.Tweaks), std::end(plain.Tweaks), Tweak{});
    const auto editorWidths = [&](const HandlerRow& r) {
        std::string caption;
        HandlerContext context{MainForm, &caption, sim_->Address(), 1.25f};
        std::vector<int> widths;
        int height = 0;
        EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(r, context); }, [&](ui::Form* shown) {
            auto* panel = PanelOf<TSNMPListViewPanel>(shown);
            ASSERT_NE(panel, nullptr);
            for (const UISnmpVar& v : panel->EditsPanel->Rows)
                if (v.Editor != nullptr)
                    widths.push_back(v.Editor->width());
            height = shown->height();
        }));
        return std::make_pair(widths, height);
    };
    const auto [plainWidths, plainHeight] = editorWidths(plain);
    const auto [widths, height] = editorWidths(*row);
    ASSERT_GE(plainWidths.size(), 2u);
    for (const int width : widths)
        EXPECT_EQ(width, plainWidths[0] + 25) << "the Port editor + 25";
    EXPECT_EQ(height, 525);
}

TEST_F(QosAclSecurityRows, RecoverTimerTakesZeroOr60ToAMillion)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open("LoopDetectionControl2Click", [&](TConfigForm& form) {
        auto* panel = PanelOf<TSNMPEditorPanel>(&form);
        ui::Edit* timer = EditOf(panel, 2);
        for (const char* refused : {"59", "1000001"}) {
            SCOPED_TRACE(refused);
            const std::string before = timer->Text();
            ClearMessageBoxes();
            Enter(timer, refused);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Recover Timer: " + std::string(RecoverTimerMessage)});
            EXPECT_EQ(timer->Text(), refused) << "the text stays as typed";
            Enter(timer, before.c_str());
        }
        for (const char* accepted : {"0", "60"}) {
            SCOPED_TRACE(accepted);
            ClearMessageBoxes();
            Enter(timer, accepted);
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        }
        Tick(panel, 2);
        Click(panel->Buttons->SetCheckedButton);
        EXPECT_EQ(sim_->TakeSetJournal(), (Journal{{"1.3.6.1.4.1.171.12.41.1.3.0=60"}}));
    }));
}

TEST_F(QosAclSecurityRows, SchedulingStopShowsFromTheStartAboveClose)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open(
        "SchedulingTable1Click",
        [&](TConfigForm& form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(&form);
            EXPECT_TRUE(ui::Visible(panel->Buttons->StopButton)) << "before the first read has ended";
            const std::vector<std::string> shown = ShownButtons(panel);
            ASSERT_GE(shown.size(), 2u);
            EXPECT_EQ(std::vector<std::string>(shown.end() - 2, shown.end()), (std::vector<std::string>{"Stop", "Close"}));
            EXPECT_LT(panel->Buttons->StopButton->y(), panel->Buttons->CloseButton->y());
        },
        false));
}

TEST_F(QosAclSecurityRows, HighCapacityRowsAreTheSwitchPorts)
{
    const auto window = StartOn(*sim_);
    EXPECT_TRUE(Open("PortOverFlow1Click", [&](TConfigForm& form) {
        const MvSNMPVarList& list = form.Requests.at(0)->Request.VarList;
        const auto cells = Cells(ListOf(PanelOf<TSNMPListViewPanel>(&form)));
        ASSERT_EQ(cells.size(), 26u) << "the ports of a Sorvane-Kb";
        for (std::size_t r = 0; r < cells.size(); ++r)
            EXPECT_EQ(cells[r].at(0), std::to_string(r + 1)) << " Port Index";
        EXPECT_EQ(list.Item(1).currentOid, "1.3.6.1.2.1.17.4.6.1.1.26") << "the counters of the same port";
    }));
}

// Firmware SI takes away ACL's IPv6 Profile and Rule, the Egress ACL items (hidden in the layout
// already), IMPB's items, Compound Authentication's Guest VLAN Table and JWAC's IPv6 Update Server
// Table; their handlers still open their windows when called.
TEST_F(QosAclSecurityRows, StartUpHidesThreeQosItemsAndFirmwareSITwentyFour)
{
    std::vector<std::string> items = {
        "IPv6MaskInformation1", "IPv6Rule1", "BindingControl1", "PortInformation3", "BindingBlockedTable1",
        "DHCPSnoopStatu1", "IPv6DHCPSnoopingTable1", "NDSnoopingTable1", "BindingTable1", "IPv6Table2",
        "GuestVLANTable1", "IPv6UpdateServerTable1"};
    const std::size_t shownOnEI = items.size();
    for (const MenuTreeRow& row : MenuTree())
        if (std::string(row.Parent) == "EgressACL1")
            items.push_back(row.Name);
    ASSERT_EQ(items.size(), 24u);
    {
        const auto window = StartOn(*sim_);
        for (std::size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(MainForm->Menu().Reachable(items[i]), i < shownOnEI) << items[i] << " on EI";
        // Hidden at start-up whatever the firmware.
        for (const char* item : {"N8021pUserPriorityTable1", "ScheduleProfileTable1", "ScheduleGroupTable1"})
            EXPECT_FALSE(MainForm->Menu().Reachable(item)) << item;
    }
    SimSwitch si(Data("identify-firmware-SI.dat"));
    const auto window = StartOn(si);
    ASSERT_EQ(FirmwareModeText, "SI");
    for (const std::string& item : items)
        EXPECT_FALSE(MainForm->Menu().Reachable(item)) << item << " on SI";
    EXPECT_TRUE(Open("IPv6UpdateServerTable1Click", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "JWAC IPv6 Update Server Table: " + si.Address());
    }));
}

} // namespace
