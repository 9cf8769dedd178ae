// The Telnet and Web window against the simulated switch: the four values of the model, the
// state rules on the user's choice, Set Checked writing the ticked values alone (each server's
// own state numbers), a refused write, and a switch whose model is not identified.

#include "ManagementAccessFixture.h"

#include "features/system/TCPWEBForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace {

const std::string Servers = "1.3.6.1.4.1.171.11.133.2.1.2.1.2";

using Pdus = std::vector<std::vector<std::string>>;

class TCPWEBWindow : public ManagementAccessWindowTest {
protected:
    using Window = TTCPWEBForm;
};

TEST_F(TCPWEBWindow, ShowsTheFourValuesOfTheModel)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.Caption(), "TCP/WEB Port Table");
        EXPECT_EQ(w.width(), 418);
        EXPECT_EQ(w.height(), 198);
        EXPECT_EQ(w.TCPcbx->Text(), "enabled");
        EXPECT_EQ(w.TCPPortEdit->Text(), "23");
        EXPECT_EQ(w.WEBcbx->Text(), "enabled");
        EXPECT_EQ(w.WebPortEdit->Text(), "80");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        // Refresh shows what the switch holds now.
        sim->Control("data " + Servers + ".17.2.0 i 8443");
        Click(w.GetButton);
        EXPECT_EQ(w.WebPortEdit->Text(), "8443");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// "disabled" empties and disables the server's port and unticks and disables its box;
// "enabled" enables them again and leaves the port empty.
TEST_F(TCPWEBWindow, StateRulesOnTheUsersChoice)
{
    InWindow<Window>([&](Window& w) {
        struct Server {
            ui::ComboBox* state;
            ui::Edit* port;
            ui::CheckBox* box;
        };
        const Server servers[] = {{w.TCPcbx, w.TCPPortEdit, w.CheckBox2}, {w.WEBcbx, w.WebPortEdit, w.CheckBox4}};
        for (const Server& s : servers) {
            SCOPED_TRACE(s.state->objectName().toStdString());
            Click(s.box);
            ASSERT_TRUE(s.box->Checked());
            Choose(s.state, "disabled");
            EXPECT_EQ(s.port->Text(), "");
            EXPECT_FALSE(s.port->isEnabled());
            EXPECT_FALSE(s.box->Checked());
            EXPECT_FALSE(s.box->isEnabled());
            Choose(s.state, "enabled");
            EXPECT_EQ(s.port->Text(), "");
            EXPECT_TRUE(s.port->isEnabled());
            EXPECT_TRUE(s.box->isEnabled());
        }
        // Values a read brings do not run the rules.
        sim->Control("data " + Servers + ".14.1.0 i 2");
        Click(w.GetButton);
        EXPECT_EQ(w.TCPcbx->Text(), "disabled");
        EXPECT_EQ(w.TCPPortEdit->Text(), "23");
        EXPECT_TRUE(w.TCPPortEdit->isEnabled());
    });
}

TEST_F(TCPWEBWindow, SetCheckedWritesTheTickedValuesAlone)
{
    InWindow<Window>([&](Window& w) {
        // Only the Web port.
        Click(w.CheckBox4);
        w.WebPortEdit->SetText("8080");
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Pdus{{Servers + ".17.2.0=8080"}}));
        EXPECT_EQ(w.WebPortEdit->Text(), "8080");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << "read again: " << StatusLine(&w);

        // Each server's own number for "enabled": 3 for Telnet, 1 for the Web.
        sim->Control("data " + Servers + ".14.1.0 i 2 rw enum=2,3");
        sim->Control("data " + Servers + ".17.1.0 i 2 rw enum=1,2");
        Click(w.GetButton);
        Click(w.ClearButton);
        EXPECT_FALSE(w.CheckBox4->Checked());
        Choose(w.TCPcbx, "enabled");
        Choose(w.WEBcbx, "enabled");
        Click(w.CheckBox1);
        Click(w.CheckBox3);
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Pdus{{Servers + ".14.1.0=3", Servers + ".17.1.0=1"}}));

        // A server switched off sends its state alone: its port cannot be ticked.
        Click(w.ClearButton);
        Choose(w.TCPcbx, "disabled");
        Click(w.CheckBox1);
        Click(w.CheckBox2);
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Pdus{{Servers + ".14.1.0=2"}}));

        // Nothing ticked: the SET goes out without a value.
        Click(w.ClearButton);
        Click(w.SetButton);
        EXPECT_EQ(Sets(), Pdus(1));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(TCPWEBWindow, ARefusedWriteIsShownAndTheValuesAreReadAgain)
{
    InWindow<Window>([&](Window& w) {
        // This switch takes Telnet on the well-known ports alone.
        ASSERT_EQ(sim->Control("data " + Servers + ".14.2.0 i 23 rw range=1..1023"), "ok");
        Click(w.CheckBox2);
        w.TCPPortEdit->SetText("2323");
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Pdus{{Servers + ".14.2.0=2323"}}));
        EXPECT_EQ(MessageBoxes().size(), 1U);
        EXPECT_EQ(w.TCPPortEdit->Text(), "23");
        // The flags are back: every ticked value goes out next time.
        Click(w.ClearButton);
        Click(w.CheckBox1);
        Click(w.CheckBox2);
        Click(w.CheckBox3);
        Click(w.CheckBox4);
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Pdus{{Servers + ".14.1.0=3", Servers + ".14.2.0=23", Servers + ".17.1.0=1",
                                 Servers + ".17.2.0=80"}}));
    });
}

TEST_F(TCPWEBWindow, AnUnidentifiedModelOpensEmptyAndSendsNothing)
{
    ModuleOIDText = "1.3.6.1.4.1.171.10.134.2.1";
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.Request, nullptr);
        EXPECT_EQ(w.TCPcbx->ItemCount(), 0);
        EXPECT_EQ(w.TCPPortEdit->Text(), "");
        Click(w.GetButton);
        for (ui::CheckBox* box : {w.CheckBox1, w.CheckBox2, w.CheckBox3, w.CheckBox4})
            Click(box);
        w.WebPortEdit->SetText("8080");
        Click(w.SetButton);
    });
    EXPECT_EQ(Stat("get"), 0);
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
