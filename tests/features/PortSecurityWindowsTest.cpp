// The port security windows against the simulated switch: "No Limit" writes -1 in each, the
// global window's checks and its first read, the VLAN table's selection, its refusals while a walk
// runs, Stop then Refresh, a write that raises; the VLAN-on-port window's port checks, Add making
// a row, Set on any port, and writes that wait for a read under way.

#include "SwitchingFixture.h"

#include "features/system/PortSecurityGlobalSettingsForm.h"
#include "features/system/PortSecurityVLANOnPortForm.h"
#include "features/system/PortSecurityVLANTableForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Global = "1.3.6.1.4.1.171.12.63.1";
const std::string Vlans = "1.3.6.1.4.1.171.12.63.3.2.1.1";
const std::string VlanPorts = "1.3.6.1.4.1.171.12.63.3.3.1.1";

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

class PortSecurityWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"portsecurity-safeguard.dat"}; }

    void SetUp() override
    {
        SwitchingWindowTest::SetUp();
        ModelNameCopy = "Sorvane-Kb";
    }

    template <class Window>
    static bool Read(Window& w)
    {
        return WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()); });
    }
};

// Ticked, "No Limit" writes -1 in every window, an edit that then only shows it.
TEST_F(PortSecurityWindows, NoLimitWritesMinusOneInEachWindow)
{
    struct Case {
        const char* window;
        std::function<void()> run;
        Rows sent;
    };
    const Case cases[] = {
        {"global",
         [&] {
             InWindow<TPortSecurityGlobalSettingsForm>([&](TPortSecurityGlobalSettingsForm& w) {
                 Click(w.CBoxNolimit);
                 TypeInto(w.EdSystemMaxLearnAddress, "300");
                 Click(w.CBoxNolimit);
                 EXPECT_FALSE(w.EdSystemMaxLearnAddress->isEnabled());
                 EXPECT_EQ(w.EdSystemMaxLearnAddress->Text(), "-1");
                 Click(w.btnSet);
             });
         },
         {{Global + ".2.0=-1", Global + ".1.0=2"}}},
        {"VLAN table",
         [&] {
             InWindow<TPortSecurityVLANTableForm>([&](TPortSecurityVLANTableForm& w) {
                 ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
                 ClickRow(w.ListView1, 1); // VLAN 10, 128
                 Click(w.CBoxNolimit);
                 EXPECT_FALSE(w.MaxLearnAddressEdit->isEnabled());
                 Click(w.SetButton);
                 ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
             });
         },
         {{Vlans + ".2.10=-1", Vlans + ".3.10=1"}}},
        {"VLAN on port",
         [&] {
             InWindow<TPortSecurityVLANOnPortForm>([&](TPortSecurityVLANOnPortForm& w) {
                 ASSERT_TRUE(Read(w));
                 w.PortEdit->SetText("5");
                 w.VIDEdit->SetText("20");
                 Click(w.CBoxNolimit);
                 Click(w.AddButton);
                 ASSERT_TRUE(Read(w));
                 EXPECT_EQ(Captions(w.ListView1), (Texts{"1", "3", "5"}));
             });
         },
         {{VlanPorts + ".1.5.20=-1"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        c.run();
        EXPECT_EQ(Sets(), c.sent);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The first read's -1 ticks "No Limit"; a Refresh shows -1 as text. Set refuses an unchosen trap
// state and an emptied limit (which would go out as 0), then writes both and reads them back.
TEST_F(PortSecurityWindows, GlobalSettingsShowTheFirstReadAndCheckBeforeWriting)
{
    InWindow<TPortSecurityGlobalSettingsForm>([&](TPortSecurityGlobalSettingsForm& w) {
        EXPECT_EQ(w.lblSystemMaxLearnAddress->Caption(), "System Max Learn Address (1-3328)");
        for (QWidget* hidden : std::initializer_list<QWidget*>{w.lblTrapLogState, w.cbxTrapState, w.Label1,
                                                                w.cbxLogState})
            EXPECT_FALSE(hidden->isVisibleTo(&w)) << hidden->objectName().toStdString();
        EXPECT_TRUE(w.ComboBox1->isVisibleTo(&w));
        EXPECT_TRUE(w.CBoxNolimit->Checked());
        EXPECT_FALSE(w.EdSystemMaxLearnAddress->isEnabled());
        EXPECT_EQ(w.ComboBox1->Text(), "disabled");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);

        Click(w.CBoxNolimit);
        EXPECT_TRUE(w.EdSystemMaxLearnAddress->isEnabled());
        EXPECT_EQ(w.EdSystemMaxLearnAddress->Text(), "");
        Click(w.btnRefresh);
        EXPECT_EQ(w.EdSystemMaxLearnAddress->Text(), "-1");
        EXPECT_FALSE(w.CBoxNolimit->Checked());

        w.EdSystemMaxLearnAddress->SetText("");
        Click(w.btnSet);
        EXPECT_EQ(LastMessageBoxText(), "Please input a Max. Learn Address number.");
        TypeInto(w.EdSystemMaxLearnAddress, "200");
        w.ComboBox1->SetItemIndex(-1);
        Click(w.btnSet);
        EXPECT_EQ(LastMessageBoxText(), "You should choose Trap Log State.");
        EXPECT_TRUE(Sets().empty());

        Choose(w.ComboBox1, "enabled");
        Click(w.btnSet);
        EXPECT_EQ(Sets(), (Rows{{Global + ".2.0=200", Global + ".1.0=1"}}));
        EXPECT_EQ(w.EdSystemMaxLearnAddress->Text(), "200");
        EXPECT_EQ(w.ComboBox1->Text(), "enabled");
    });
    EXPECT_EQ(MessageBoxes().size(), 2u) << LastMessageBoxText();
    // A limit read first leaves "No Limit" clear and the edit open.
    InWindow<TPortSecurityGlobalSettingsForm>([&](TPortSecurityGlobalSettingsForm& w) {
        EXPECT_EQ(w.EdSystemMaxLearnAddress->Text(), "200");
        EXPECT_FALSE(w.CBoxNolimit->Checked());
        EXPECT_TRUE(w.EdSystemMaxLearnAddress->isEnabled());
    });
}

// A row's -1 ticks "No Limit", 128 clears it and shows 128; a click beside the rows, even with
// the edit emptied, raises nothing and leaves Set disabled. Set writes the limit and the clear
// control of the chosen VLAN and reads the table again.
TEST_F(PortSecurityWindows, VlanTableFollowsTheChosenRowAndWritesIt)
{
    InWindow<TPortSecurityVLANTableForm>([&](TPortSecurityVLANTableForm& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(list), (Rows{{"1", "-1", "other"}, {"10", "128", "other"}, {"20", "64", "other"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_EQ(w.MaxAddressLabel->Caption(), "Max Learn Address (0-3328)");
        EXPECT_FALSE(w.SetButton->isEnabled());

        ClickRow(list, 0);
        EXPECT_TRUE(w.CBoxNolimit->Checked());
        EXPECT_FALSE(w.MaxLearnAddressEdit->isEnabled());
        EXPECT_EQ(w.MaxLearnAddressEdit->Text(), "-1");
        EXPECT_EQ(w.VIDText->Caption(), "1");
        EXPECT_TRUE(w.SetButton->isEnabled());
        ClickRow(list, 1);
        EXPECT_FALSE(w.CBoxNolimit->Checked());
        EXPECT_TRUE(w.MaxLearnAddressEdit->isEnabled());
        EXPECT_EQ(w.MaxLearnAddressEdit->Text(), "128");

        // The same row again, its limit emptied by hand: kept, not converted.
        w.MaxLearnAddressEdit->SetText("");
        ClickRow(list, 1);
        EXPECT_EQ(w.MaxLearnAddressEdit->Text(), "");
        EXPECT_TRUE(w.SetButton->isEnabled());
        Click(w.SetButton);
        EXPECT_EQ(LastMessageBoxText(), "Please input a Max. Learn Address number.");
        ClickRow(list, -1);
        EXPECT_EQ(list->Selected(), nullptr);
        EXPECT_FALSE(w.SetButton->isEnabled());
        EXPECT_FALSE(w.CBoxNolimit->Checked());
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_TRUE(Sets().empty());

        ClickRow(list, 2);
        w.MaxLearnAddressEdit->SetText("");
        TypeInto(w.MaxLearnAddressEdit, "32");
        Choose(w.Clearcbx, "start");
        Click(w.SetButton);
        EXPECT_FALSE(w.lblVID->isEnabled());
        EXPECT_EQ(Sets(), (Rows{{Vlans + ".2.20=32", Vlans + ".3.20=2"}}));
        EXPECT_EQ(w.Request->Mode, 1);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(list)[2], (Texts{"20", "32", "start"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
    });
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
}

// While a walk runs, Refresh and Set are refused, each with its own words. Stop makes the window
// idle at once; a Refresh right after it lists every row once, the stopped walk's late answers
// dropped.
TEST_F(PortSecurityWindows, VlanTableRefusesDuringAWalkAndRefreshesOnceAfterStop)
{
    InWindow<TPortSecurityVLANTableForm>([&](TPortSecurityVLANTableForm& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        sim->Control("delay 150");
        Click(w.RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        ASSERT_EQ(w.DataComplete, 0);
        Click(w.RefreshButton);
        EXPECT_EQ(LastMessageBoxText(), "Get data not complete.");
        ClickRow(list, 0);
        Click(w.SetButton);
        EXPECT_EQ(LastMessageBoxText(), "Get data not complete");
        EXPECT_EQ(MessageBoxes().size(), 2u);

        Click(w.StopButton);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_TRUE(WindowLifecycle::Running(w.Request.get())) << "the stopped walk still waits for its answer";
        Click(w.RefreshButton);
        EXPECT_EQ(w.DataComplete, 0);
        EXPECT_EQ(w.VIDText->Caption(), " ");
        EXPECT_FALSE(w.SetButton->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(list), (Texts{"1", "10", "20"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_EQ(MessageBoxes().size(), 2u) << LastMessageBoxText();
}

// A write that raises leaves the request asynchronous: the next Refresh's read ends, and Refresh
// works again after it.
TEST_F(PortSecurityWindows, VlanTableReadsAgainAfterAWriteRaised)
{
    InWindow<TPortSecurityVLANTableForm>([&](TPortSecurityVLANTableForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 1);
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.SetButton);
        w.Request->Request.Device.Address = address;
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(w.Request->Mode, 1);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_TRUE(Sets().empty());

        for (int round = 0; round < 2; ++round) {
            Click(w.RefreshButton);
            EXPECT_EQ(w.DataComplete, 0);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); })) << round;
            EXPECT_EQ(w.ListView1->Count(), 3);
            EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        }
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Add's checks in order; the port must be one of the model's (1 to 26), so 0, 27, -1, an empty
// or a non-numeric port is refused and nothing is sent. Port 5 makes the row.
TEST_F(PortSecurityWindows, VlanOnPortAddChecksThePortAndMakesTheRow)
{
    InWindow<TPortSecurityVLANOnPortForm>([&](TPortSecurityVLANOnPortForm& w) {
        ASSERT_TRUE(Read(w));
        EXPECT_EQ(Cells(w.ListView1), (Rows{{"1", "1", "10"}, {"3", "10", "-1"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_EQ(w.MaxAddressLabel->Caption(), "Max. Learn Address (0-3328)");
        EXPECT_FALSE(w.SetButton->isEnabled());
        EXPECT_FALSE(w.Addcbx->isVisibleTo(&w));

        struct Case {
            const char* port;
            const char* vlan;
            const char* limit;
            const char* refusal;
        };
        const Case refused[] = {
            {"5", "20", "", "Please input a Max. Learn Address number."},
            {"0", "20", "30", "Please input a valid Port number."},
            {"27", "20", "30", "Please input a valid Port number."},
            {"-1", "20", "30", "Please input a valid Port number."},
            {"", "20", "30", "Please input a valid Port number."},
            {"x", "20", "30", "Please input a valid Port number."},
            {"5", "", "30", "Please input a VLAN ID."},
        };
        for (const Case& c : refused) {
            SCOPED_TRACE(std::string(c.port) + "/" + c.vlan + "/" + c.limit);
            ClearMessageBoxes();
            w.PortEdit->SetText(c.port);
            w.VIDEdit->SetText(c.vlan);
            w.MaxLearnAddressEdit->SetText(c.limit);
            Click(w.AddButton);
            EXPECT_EQ(MessageBoxTexts(), (Texts{c.refusal}));
        }
        EXPECT_TRUE(Sets().empty());

        ClearMessageBoxes();
        w.PortEdit->SetText("5");
        w.VIDEdit->SetText("20");
        w.MaxLearnAddressEdit->SetText("30");
        Click(w.AddButton);
        EXPECT_EQ(Sets(), (Rows{{VlanPorts + ".1.5.20=30"}}));
        EXPECT_EQ(w.Request->Mode, 1);
        EXPECT_EQ(w.PortEdit->Text(), "");
        ASSERT_TRUE(Read(w));
        EXPECT_EQ(Cells(w.ListView1).back(), (Texts{"5", "20", "30"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");

        // A write that raises: its message, the inputs back to adding, the request asynchronous
        // again, so Refresh reads as before.
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        w.PortEdit->SetText("6");
        w.VIDEdit->SetText("20");
        w.MaxLearnAddressEdit->SetText("30");
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.AddButton);
        w.Request->Request.Device.Address = address;
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(w.Request->Mode, 1);
        EXPECT_EQ(w.PortEdit->Text(), "");
        EXPECT_TRUE(Sets().empty());
        Click(w.RefreshButton);
        ASSERT_TRUE(Read(w));
        EXPECT_EQ(w.ListView1->Count(), 3);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A chosen row's keys stay; Set needs a port, but any port will do (the row it names is written);
// its limit message has no point after "Max".
TEST_F(PortSecurityWindows, VlanOnPortSetTakesAnyNonEmptyPort)
{
    InWindow<TPortSecurityVLANOnPortForm>([&](TPortSecurityVLANOnPortForm& w) {
        ASSERT_TRUE(Read(w));
        ClickRow(w.ListView1, 0);
        EXPECT_FALSE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.PortEdit->isEnabled());
        EXPECT_FALSE(w.VIDEdit->isEnabled());
        EXPECT_TRUE(w.SetButton->isEnabled());
        EXPECT_EQ(w.MaxLearnAddressEdit->Text(), "10");

        w.MaxLearnAddressEdit->SetText("");
        Click(w.SetButton);
        EXPECT_EQ(LastMessageBoxText(), "Please input a Max Learn Address number.");
        w.MaxLearnAddressEdit->SetText("12");
        w.PortEdit->SetText("");
        Click(w.SetButton);
        EXPECT_EQ(LastMessageBoxText(), "Please input Port number.");
        EXPECT_TRUE(Sets().empty());

        w.PortEdit->SetText("27");
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Rows{{VlanPorts + ".1.27.1=12"}}));
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.SetButton->isEnabled());
        ASSERT_TRUE(Read(w));
        EXPECT_EQ(Captions(w.ListView1), (Texts{"1", "3", "27"}));

        ClickRow(w.ListView1, 0);
        w.MaxLearnAddressEdit->SetText("11");
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Rows{{VlanPorts + ".1.1.1=11"}}));
        ASSERT_TRUE(Read(w));
        EXPECT_EQ(Cells(w.ListView1)[0], (Texts{"1", "1", "11"}));
        // Clicking beside the rows goes back to adding.
        ClickRow(w.ListView1, 0);
        ClickRow(w.ListView1, -1);
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_TRUE(w.PortEdit->isEnabled());
        EXPECT_EQ(w.MaxLearnAddressEdit->Text(), "");
    });
    EXPECT_EQ(MessageBoxes().size(), 2u) << LastMessageBoxText();
}

// Refresh while a walk runs starts the table over; Add while one runs stops it, waits for it and
// writes; either way the list shows each row once.
TEST_F(PortSecurityWindows, VlanOnPortWritesAfterTheReadUnderWay)
{
    InWindow<TPortSecurityVLANOnPortForm>([&](TPortSecurityVLANOnPortForm& w) {
        ASSERT_TRUE(Read(w));
        sim->Control("delay 150");
        Click(w.RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        Click(w.RefreshButton);
        ASSERT_TRUE(Read(w));
        EXPECT_EQ(Captions(w.ListView1), (Texts{"1", "3"}));

        Click(w.RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        ASSERT_TRUE(WindowLifecycle::Running(w.Request.get()));
        w.PortEdit->SetText("7");
        w.VIDEdit->SetText("1");
        w.MaxLearnAddressEdit->SetText("5");
        Click(w.AddButton);
        EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{0}));
        EXPECT_EQ(Sets(), (Rows{{VlanPorts + ".1.7.1=5"}}));
        ASSERT_TRUE(Read(w));
        EXPECT_EQ(Captions(w.ListView1), (Texts{"1", "3", "7"}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
