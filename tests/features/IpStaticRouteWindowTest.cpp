// The IPv4 static route window and its dialog against the simulated switch: the list, the add
// checks in their order, what Add, Add Default Route, the edit mode and Delete write, a refused
// write, the reads that must not overlap, and a switch whose model has no such table.

#include "IPWindowsFixture.h"

#include "features/system/IpStaticRouteEditForm.h"
#include "features/system/IpStaticRouteForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <QApplication>

#include <set>

namespace {

const std::string Routes = "1.3.6.1.4.1.171.11.133.2.1.3.2.5.1";
const char* const Question =
    "If you want to add a default route which Destination IP and Mask both are 0.0.0.0, you should use Add Default "
    "Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a defaut route?";

using Rows = std::vector<std::vector<std::string>>;

class IpStaticRouteWindow : public IPWindowTest {
protected:
    using Window = TIpStaticRouteForm;
    using Dialog = TIpStaticRouteEditForm;

    // The typed route (texts put in as pasted: the input rules do not filter them).
    static void Type(Dialog& d, const std::string& destination, const std::string& mask, const std::string& nextHop,
                     const std::string& metric, int backup = -1)
    {
        if (d.DesEdit->isEnabled()) {
            d.DesEdit->SetText(destination);
            d.MaskEdit->SetText(mask);
        }
        d.NextHopEdit->SetText(nextHop);
        d.MetricEdit->SetText(metric);
        d.BakeupComboBox->SetItemIndex(backup);
    }

    // The instance of a route: destination.mask.nexthop.
    static std::string At(const std::string& destination, const std::string& mask, const std::string& nextHop)
    {
        return destination + "." + mask + "." + nextHop;
    }

    // The routes listed, as destination/mask/next hop texts.
    static std::multiset<std::string> Keys(const ui::ListView* list)
    {
        std::multiset<std::string> keys;
        for (const auto& row : Cells(list))
            keys.insert(row[0] + "/" + row[1] + "/" + row[2]);
        return keys;
    }
};

TEST_F(IpStaticRouteWindow, ListsTheRoutesOfTheModelsTable)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.width(), 552);
        EXPECT_EQ(w.height(), 391);
        // Closing is refused while the first read runs.
        EXPECT_FALSE(CloseAndAnswer(w));
        EXPECT_EQ(LastMessageBoxText(), "Get data not complete");
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        ui::ListView* list = w.ListView1;
        EXPECT_EQ(list->ColumnCount(), 6);
        EXPECT_EQ(list->ColumnCaption(0), "Route Destination");
        EXPECT_EQ(list->ColumnCaption(5), "Status");
        EXPECT_EQ(Cells(list), (Rows{{"10.1.0.0", "255.255.0.0", "10.90.90.1", "primary", "1", "active"},
                                     {"172.16.0.0", "255.240.0.0", "10.90.90.2", "none", "10", "active"},
                                     {"192.168.5.0", "255.255.255.0", "10.90.90.3", "backup", "20", "valid"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.EditButton->isVisible());
        EXPECT_TRUE(w.btnDefaultRoute->isDefault());
        EXPECT_EQ(w.DeleteButton->y(), 155);
        EXPECT_EQ(w.CloseButton->y(), 185);
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        ClickRow(list, 1);
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(w.EditButton->isEnabled());
        // The selected row is in the hidden dialog's controls.
        ASSERT_NE(IpStaticRouteEditForm, nullptr);
        EXPECT_FALSE(IpStaticRouteEditForm->isVisible());
        EXPECT_EQ(IpStaticRouteEditForm->NextHopEdit->Text(), "10.90.90.2");
        EXPECT_EQ(IpStaticRouteEditForm->width(), 419);
        EXPECT_EQ(IpStaticRouteEditForm->height(), 268);
        ClickRow(list, -1);
        EXPECT_FALSE(w.DeleteButton->isEnabled());
    });
    EXPECT_EQ(IpStaticRouteEditForm, nullptr) << "the dialog goes with its window";
}

struct CheckCase {
    const char* name;
    const char* destination;
    const char* mask;
    const char* nextHop;
    const char* metric;
    std::vector<std::string> boxes;
    const char* focus;   // the edit that has the focus afterwards; none: the dialog closed
    int answer = ui::mrOk; // to the default-route question
};

// The add checks in their order: each stops the Set with its message (or none) and the focus on
// its edit; the default-route question's OK closes the dialog; nothing is sent.
TEST_F(IpStaticRouteWindow, AddChecksInTheirOrder)
{
    const std::string self = sim->Address();
    const CheckCase cases[] = {
        {"empty destination", "", "", "", "", {"Destination IP should be Set."}, "DesEdit"},
        {"destination 0.0.0.0, OK", "0.0.0.0", "", "", "", {Question}, nullptr},
        {"destination 0.0.0.0, Cancel", "0.0.0.0", "", "", "", {Question}, "DesEdit", ui::mrCancel},
        {"broadcast destination", "255.255.255.255", "", "", "", {"Destination IP can not be 255.255.255.255"}, "DesEdit"},
        {"sixteen characters", "192.168.100.1001", "255.255.0.0", "10.90.90.7", "", {"Please input a valid IP"}, "DesEdit"},
        {"empty mask", "10.3.0.0", "", "", "", {"Mask should be Set"}, "MaskEdit"},
        {"mask with a gap", "10.3.0.0", "255.0.255.0", "", "", {}, "MaskEdit"},
        {"mask 0.0.0.0, Cancel", "10.3.0.0", "0.0.0.0", "", "", {Question}, "MaskEdit", ui::mrCancel},
        {"mask 0.0.0.0, OK", "10.3.0.0", "0.0.0.0", "", "", {Question}, nullptr},
        {"empty next hop", "10.3.0.0", "255.255.0.0", "", "", {"Next Hop should be Set"}, "NextHopEdit"},
        {"next hop 0.0.0.0", "10.3.0.0", "255.255.0.0", "0.0.0.0", "", {"Next Hop can not be 0.0.0.0"}, "NextHopEdit"},
        {"next hop the switch", "10.3.0.0", "255.255.0.0", self.c_str(), "", {"Next Hop can not be itself"}, "NextHopEdit"},
        {"next hop not an address", "10.3.0.0", "255.255.0.0", "10.90.90", "", {"Please input a valid IP"}, "NextHopEdit"},
        {"metric 0", "10.3.0.0", "255.255.0.0", "10.90.90.7", "0", {"Metric should between 1-65535."}, "MetricEdit"},
        {"metric 65536", "10.3.0.0", "255.255.0.0", "10.90.90.7", "65536", {"Metric should between 1-65535."}, "MetricEdit"},
    };
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        for (const CheckCase& c : cases) {
            SCOPED_TRACE(c.name);
            ClearMessageBoxes();
            bool closed = false;
            InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
                EXPECT_EQ(d.Caption(), w.Caption() + " (Add)");
                Type(d, c.destination, c.mask, c.nextHop, c.metric);
                if (!c.boxes.empty() && c.boxes.front() == Question)
                    AnswerNextMessageBox(c.answer);
                Click(d.SetButton);
                closed = Closing(d);
                EXPECT_EQ(MessageBoxTexts(), c.boxes);
                if (c.focus != nullptr) {
                    EXPECT_FALSE(closed);
                    ASSERT_NE(d.focusWidget(), nullptr);
                    EXPECT_EQ(d.focusWidget()->objectName().toStdString(), c.focus);
                    // What the user typed stays.
                    EXPECT_EQ(d.DesEdit->Text(), c.destination);
                }
            });
            if (c.focus == nullptr) {
                EXPECT_TRUE(closed);
            }
            EXPECT_TRUE(Sets().empty());
        }
    });
}

// Add writes "valid" with the backup state and the metric at destination.mask.nexthop; an empty
// metric or no backup state stays out. Add Default Route fills 0.0.0.0 into the disabled edits;
// its metric message has no full stop. The dialog's re-read and the window's own list each
// route once. Delete writes "invalid" alone for the selected route.
TEST_F(IpStaticRouteWindow, AddAddDefaultRouteAndDeleteWriteTheirRows)
{
    InWindow<Window>([&](Window& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));

        InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
            EXPECT_FALSE(d.cbxStatus->isVisible());
            EXPECT_FALSE(d.edtWeight->isVisible());
            EXPECT_EQ(d.BakeupComboBox->ItemIndex(), -1);
            Type(d, "10.2.0.0", "255.255.0.0", "10.90.90.9", "5", 1);
            Click(d.SetButton);
            EXPECT_TRUE(Closing(d)) << "an accepted write closes the dialog";
        });
        const std::string added = At("10.2.0.0", "255.255.0.0", "10.90.90.9");
        EXPECT_EQ(Sets(), (Rows{{Routes + ".3." + added + "=2", Routes + ".5." + added + "=5", Routes + ".6." + added + "=3"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(list->Count(), 4);
        EXPECT_EQ(Cells(list)[1], (std::vector<std::string>{"10.2.0.0", "255.255.0.0", "10.90.90.9", "backup", "5", "valid"}));
        EXPECT_EQ(w.StaticText1->Caption(), "4");

        InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
            Type(d, "10.4.0.0", "255.255.0.0", "10.90.90.9", "");
            Click(d.SetButton);
        });
        const std::string bare = At("10.4.0.0", "255.255.0.0", "10.90.90.9");
        EXPECT_EQ(Sets(), (Rows{{Routes + ".6." + bare + "=3"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));

        InDialog<Dialog>(w.btnDefaultRoute, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), w.Caption() + " (Add Default Route)");
            EXPECT_EQ(d.DesEdit->Text(), "0.0.0.0");
            EXPECT_EQ(d.MaskEdit->Text(), "0.0.0.0");
            EXPECT_FALSE(d.DesEdit->isEnabled());
            EXPECT_FALSE(d.MaskEdit->isEnabled());
            d.NextHopEdit->SetText("");
            Click(d.SetButton);
            EXPECT_EQ(LastMessageBoxText(), "Next Hop should be Set.");
            Type(d, "", "", "10.90.90.254", "0");
            Click(d.SetButton);
            EXPECT_EQ(LastMessageBoxText(), "Metric should between 1-65535");
            EXPECT_TRUE(Sets().empty());
            d.MetricEdit->SetText("");
            Click(d.SetButton);
        });
        const std::string route = At("0.0.0.0", "0.0.0.0", "10.90.90.254");
        EXPECT_EQ(Sets(), (Rows{{Routes + ".6." + route + "=3"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        const auto keys = Keys(list);
        EXPECT_EQ(keys.size(), 6u);
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << "each route once";
        EXPECT_EQ(keys.count("0.0.0.0/0.0.0.0/10.90.90.254"), 1u);

        // Delete without a row, then with one.
        ClearMessageBoxes();
        ClickRow(list, -1);
        ui::RunGuarded([&] { w.DeleteButtonClick(nullptr); });
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Choose the item first."});
        const int row = RowOf(list, "172.16.0.0");
        ASSERT_GE(row, 0);
        ClickRow(list, row);
        Click(w.DeleteButton);
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(Sets(), (Rows{{Routes + ".6." + At("172.16.0.0", "255.240.0.0", "10.90.90.2") + "=2"}}));
        EXPECT_EQ(RowOf(list, "172.16.0.0"), -1);
        EXPECT_EQ(list->Count(), 5);
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_EQ(w.StaticText1->Caption(), "5");
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Choose the item first."});
    });
}

// The edit mode (the invisible Edit button): the selected route in the dialog with its keys
// fixed; the write carries its metric and its own status, at its instance.
TEST_F(IpStaticRouteWindow, TheEditModeWritesTheSelectedRoute)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        ClickRow(w.ListView1, 0);
        InDialog<Dialog>(w.EditButton, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), w.Caption() + "(Edit)");
            EXPECT_EQ(d.DesEdit->Text(), "10.1.0.0");
            EXPECT_FALSE(d.DesEdit->isEnabled());
            EXPECT_FALSE(d.MaskEdit->isEnabled());
            EXPECT_TRUE(d.NextHopEdit->isEnabled());
            EXPECT_EQ(d.BakeupComboBox->ItemIndex(), -1);
            d.MetricEdit->SetText("70000");
            Click(d.SetButton);
            EXPECT_EQ(LastMessageBoxText(), "Metric should between 1-65535");
            d.MetricEdit->SetText("7");
            Click(d.SetButton);
        });
        const std::string route = At("10.1.0.0", "255.255.0.0", "10.90.90.1");
        EXPECT_EQ(Sets(), (Rows{{Routes + ".5." + route + "=7", Routes + ".6." + route + "=4"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(Cells(w.ListView1)[0][4], "7");
        EXPECT_EQ(w.ListView1->Selected(), nullptr);
        EXPECT_FALSE(w.EditButton->isEnabled());
    });
}

// A write the switch refuses is shown and keeps the dialog open with what the user typed, and
// the list is not read; once accepted, the dialog closes and the list is read once.
TEST_F(IpStaticRouteWindow, ARefusedWriteKeepsTheDialogOpen)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        const std::string route = At("10.5.0.0", "255.255.0.0", "10.90.90.5");
        ASSERT_EQ(sim->Control("error " + Routes + ".6." + route + " inconsistentValue"), "ok");
        InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
            Type(d, "10.5.0.0", "255.255.0.0", "10.90.90.5", "3");
            const int walks = Stat("getnext");
            Click(d.SetButton);
            EXPECT_FALSE(Closing(d));
            ASSERT_EQ(MessageBoxes().size(), 1u);
            EXPECT_NE(MessageBoxes()[0].Text, "");
            EXPECT_EQ(d.DesEdit->Text(), "10.5.0.0");
            EXPECT_EQ(d.NextHopEdit->Text(), "10.90.90.5");
            EXPECT_EQ(d.MetricEdit->Text(), "3");
            EXPECT_EQ(Sets().size(), 1u);
            EXPECT_EQ(Stat("getnext"), walks) << "nothing read after a refusal";
            EXPECT_EQ(w.DataComplete, 1);

            sim->Control("error " + Routes + ".6." + route + " off");
            Click(d.SetButton);
            EXPECT_TRUE(Closing(d));
            EXPECT_EQ(MessageBoxes().size(), 1u);
            ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
            // One walk: a GETNEXT per route and the one past the table.
            EXPECT_EQ(Stat("getnext") - walks, w.ListView1->Count() + 1);
        });
        EXPECT_EQ(w.ListView1->Count(), 4);
        EXPECT_EQ(Sets().size(), 1u);
    });
}

// An exception of Delete goes to the status line; the route stays, the flags are back and the
// window is idle.
TEST_F(IpStaticRouteWindow, DeleteShowsItsException)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        ClickRow(w.ListView1, 2);
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        Click(w.DeleteButton);
        w.Request->Request.Device.Address = address;
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.DataComplete, 1);
        for (int i = 0; i < w.Request->Request.VarList.Count(); ++i)
            EXPECT_EQ(w.Request->Request.VarList.Item(i).access & invalid, 0) << i;
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.ListView1->Count(), 3);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// While a read runs: Refresh does nothing, the dialogs are refused, closing is refused.
TEST_F(IpStaticRouteWindow, WorkIsRefusedWhileAReadRuns)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        sim->Control("delay 150");
        const int walks = Stat("getnext");
        Click(w.GetButton);
        EXPECT_EQ(w.DataComplete, 0);
        Click(w.GetButton);
        Click(w.AddButton);
        Click(w.btnDefaultRoute);
        EXPECT_FALSE(CloseAndAnswer(w));
        EXPECT_EQ(MessageBoxTexts(),
                  (std::vector<std::string>{"Get data not complete", "Get data not complete", "Get data not complete"}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(Stat("getnext") - walks, 4) << "one walk";
        EXPECT_EQ(w.ListView1->Count(), 3);
    });
}

// A switch of no known model: the window opens empty, binds and reads nothing, offers nothing to
// add or delete, says why, and closes.
TEST_F(IpStaticRouteWindow, AnUnknownModelOpensEmptyAndCloses)
{
    ModuleOIDText = "1.3.6.1.4.1.171.10.113.1.1";
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.Request, nullptr);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(StatusLine(&w), "The switch's model has no IP static route table.");
        for (ui::Button* button : {w.AddButton, w.btnDefaultRoute, w.EditButton, w.DeleteButton, w.GetButton})
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_TRUE(CloseAndAnswer(w));
    });
    EXPECT_EQ(Stat("getnext"), 0);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
