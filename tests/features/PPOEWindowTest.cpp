// The PPPoE circuit ID window and its edit dialog against the simulated switch: what Set Checked
// writes for the ticked boxes, the dialog kept open with its values and boxes after a refusal or
// an exception and closed after a write the switch took, the boxes cleared by closing, and a
// click in the list that stops a slow read.

#include "SwitchingFixture.h"

#include "features/switching/PPOEEditForm.h"
#include "features/switching/PPOEForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.171.12.79.1.2.1.1";

using Table = std::vector<std::vector<std::string>>;
using Window = TPPOEForm;
using Dialog = TPPOEEditForm;

// An octet string as the journal shows it: hexadecimal.
std::string Hex(const std::string& text)
{
    static const char* const digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

class PPOEWindow : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"nlb-colormap-pppoe.dat"}; }

    static void WaitUntilIdle(Window& w) { ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); })); }

    // Chooses the row, opens the dialog by Edit and runs script in it; a dialog still open
    // afterwards is closed by its Close button. False when no dialog opened.
    static bool InDialog(Window& w, int row, const std::function<void(Dialog&)>& script)
    {
        bool ran = false;
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<Dialog*>(shown);
            if (dialog == nullptr) {
                ADD_FAILURE() << "another window opened";
                shown->Close();
                return;
            }
            ran = true;
            script(*dialog);
            if (dialog->Modal() && dialog->ModalResult() == ui::mrNone)
                Click(dialog->CloseBtn);
        }, 5000);
        ClickRow(w.ListView1, row);
        Click(w.btnEdit);
        return ran;
    }
    static bool Closing(const ui::Form& form) { return form.ModalResult() != ui::mrNone; }
    static std::vector<bool> Boxes(const Dialog& d)
    {
        return {d.CheckBox1->Checked(), d.CheckBox2->Checked(), d.CheckBox3->Checked()};
    }
};

struct CheckedCase {
    const char* name;
    int row;
    std::function<void(Dialog&)> tick;
    std::vector<std::string> set;
};

TEST_F(PPOEWindow, SetCheckedWritesTheTickedColumns)
{
    const CheckedCase cases[] = {
        // Check All under switch-mac leaves the string's box clear: State and Circuit ID.
        {"switch-mac, Check All", 1, [](Dialog& d) { Click(d.CheckAllBtn); }, {Entry + ".2.2=2", Entry + ".3.2=2"}},
        {"udf-string, only the string", 2,
         [](Dialog& d) {
             d.EditUDF->SetText("");
             TypeInto(d.EditUDF, "office-30");
             Click(d.CheckBox3);
         },
         {Entry + ".4.3=" + Hex("office-30")}},
        {"switch-ip to udf-string with its string", 0,
         [](Dialog& d) {
             Choose(d.cbxCircuitID, "udf-string");
             TypeInto(d.EditUDF, "port1");
             Click(d.CheckBox2);
             Click(d.CheckBox3);
         },
         {Entry + ".3.1=3", Entry + ".4.1=" + Hex("port1")}},
        {"state alone", 3,
         [](Dialog& d) {
             Choose(d.cbxState, "enabled");
             Click(d.CheckBox1);
         },
         {Entry + ".2.4=1"}},
    };
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", "enabled", "switch-ip", ""},
                                             {"2", "disabled", "switch-mac", ""},
                                             {"3", "enabled", "udf-string", "office-3"},
                                             {"4", "disabled", "udf-string", "lab 4"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "4");
        for (const CheckedCase& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_TRUE(InDialog(w, c.row, [&](Dialog& d) {
                EXPECT_EQ(d.Caption(), "PPPoE  Circuit ID Insert Port Table: " + sim->Address() + " (Edit)");
                EXPECT_EQ(d.EditIndex->Text(), std::to_string(c.row + 1));
                EXPECT_FALSE(d.EditIndex->isEnabled());
                // No box: nothing to set.
                EXPECT_FALSE(d.SetChecked->isEnabled());
                c.tick(d);
                EXPECT_TRUE(d.SetChecked->isEnabled());
                Click(d.SetChecked);
                EXPECT_TRUE(Closing(d));
            }));
            EXPECT_EQ(Sets(), (Table{c.set}));
            EXPECT_FALSE(w.btnEdit->isEnabled());
            WaitUntilIdle(w);
            // Every column is read and written again.
            for (int item : {TPPOEForm::StateItem, TPPOEForm::CircuitIDItem, TPPOEForm::UDFStringItem})
                EXPECT_EQ(w.Request->Request.VarList.Item(item).access, readwrite) << item;
        }
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", "enabled", "udf-string", "port1"},
                                             {"2", "disabled", "switch-mac", ""},
                                             {"3", "enabled", "udf-string", "office-30"},
                                             {"4", "enabled", "udf-string", "lab 4"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(PPOEWindow, TheStringsBoxFollowsTheCircuitIDAndClosingClearsTheBoxes)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        // A click on a row allows Edit; one in the empty space chooses no port.
        EXPECT_FALSE(w.btnEdit->isEnabled());
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_TRUE(InDialog(w, 0, [&](Dialog& d) {
            // switch-ip: no string to write.
            EXPECT_FALSE(d.EditUDF->isEnabled());
            EXPECT_FALSE(d.CheckBox3->isEnabled());
            Choose(d.cbxCircuitID, "udf-string");
            EXPECT_TRUE(d.EditUDF->isEnabled());
            Click(d.CheckBox3);
            Click(d.CheckBox1);
            Choose(d.cbxCircuitID, "switch-mac");
            EXPECT_EQ(Boxes(d), (std::vector<bool>{true, false, false}));
            EXPECT_TRUE(d.SetChecked->isEnabled());
            Click(d.ClearBtn);
            EXPECT_FALSE(d.SetChecked->isEnabled());
            Click(d.CheckAllBtn);
            EXPECT_EQ(Boxes(d), (std::vector<bool>{true, true, false}));
            Click(d.CloseBtn);
        }));
        EXPECT_TRUE(InDialog(w, 0, [&](Dialog& d) {
            EXPECT_EQ(Boxes(d), (std::vector<bool>{false, false, false}));
            EXPECT_FALSE(d.SetChecked->isEnabled());
            EXPECT_EQ(d.cbxCircuitID->Text(), "switch-ip"); // the row again, not what was chosen
        }));
    });
    EXPECT_TRUE(Sets().empty());
}

// A write the switch refuses, or one that raises, keeps the dialog with its values and boxes and
// every column's flag; the window is idle again. A write it takes closes the dialog and is read.
TEST_F(PPOEWindow, ARefusedOrFailedWriteKeepsTheDialog)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        EXPECT_TRUE(InDialog(w, 3, [&](Dialog& d) {
            d.EditUDF->SetText("");
            TypeInto(d.EditUDF, "lab 40");
            Click(d.CheckBox3);

            sim->Control("error " + Entry + ".4 5");
            Click(d.SetChecked);
            EXPECT_FALSE(Closing(d));
            EXPECT_EQ(MessageBoxes().size(), 1u);
            EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{5});
            Sets();
            sim->Control("error " + Entry + ".4 off");

            const std::string address = w.Request->Request.Device.Address;
            w.Request->Request.Device.Address = "no such host name!";
            Click(d.SetChecked);
            EXPECT_FALSE(Closing(d));
            EXPECT_FALSE(StatusLine(&w).empty());
            EXPECT_TRUE(Sets().empty());
            w.Request->Request.Device.Address = address;

            EXPECT_EQ(d.EditUDF->Text(), "lab 40");
            EXPECT_EQ(Boxes(d), (std::vector<bool>{false, false, true}));
            EXPECT_EQ(w.DataComplete, 1);
            for (int item : {TPPOEForm::StateItem, TPPOEForm::CircuitIDItem, TPPOEForm::UDFStringItem})
                EXPECT_EQ(w.Request->Request.VarList.Item(item).access, readwrite) << item;

            Click(d.SetChecked);
            EXPECT_TRUE(Closing(d));
        }));
        EXPECT_EQ(Sets(), (Table{{Entry + ".4.4=" + Hex("lab 40")}}));
        WaitUntilIdle(w);
        EXPECT_EQ(Cells(w.ListView1)[3][3], "lab 40");
    });
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
}

TEST_F(PPOEWindow, AClickInTheListStopsASlowFirstRead)
{
    sim->Control("delay 300");
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        // Refused while the read runs.
        Click(w.btnRefresh);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(w.btnEdit->isEnabled());
        WaitUntilIdle(w);
        const int rows = w.ListView1->Count();
        EXPECT_LT(rows, 4);
        EXPECT_NE(StatusLine(&w).find("Stop, SNMP Request is not active."), std::string::npos) << StatusLine(&w);
        sim->Control("delay 0");
        // Edit is allowed now, on the rows kept.
        EXPECT_TRUE(InDialog(w, 0, [&](Dialog& d) { EXPECT_EQ(d.EditIndex->Text(), "1"); }));
        EXPECT_EQ(w.ListView1->Count(), rows);
        Click(w.btnRefresh);
        WaitUntilIdle(w);
        EXPECT_EQ(w.ListView1->Count(), 4);
    });
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
}

// A double click while a read runs stops it and opens the dialog once the read has ended, so the
// dialog's write never runs beside it.
TEST_F(PPOEWindow, ADoubleClickDuringAReadOpensTheDialogOnceTheReadHasEnded)
{
    sim->Control("delay 300");
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        bool ran = false;
        RunInNextModal([&](ui::Form* shown) {
            auto* d = dynamic_cast<Dialog*>(shown);
            ASSERT_NE(d, nullptr);
            ran = true;
            EXPECT_TRUE(Idle(w, w.Request.get()));
            EXPECT_EQ(d->EditIndex->Text(), "1");
            sim->Control("delay 0");
            Choose(d->cbxState, "disabled");
            Click(d->CheckBox1);
            Click(d->SetChecked);
            EXPECT_TRUE(Closing(*d));
        }, 10000);
        DoubleClickRow(w.ListView1, 0);
        EXPECT_TRUE(ran);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.1=2"}}));
        WaitUntilIdle(w);
        EXPECT_EQ(Cells(w.ListView1)[0][1], "disabled");
        EXPECT_EQ(w.ListView1->Count(), 4);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
