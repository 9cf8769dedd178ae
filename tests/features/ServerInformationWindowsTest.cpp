// The AAA server table window and the server group membership window against the simulated
// switch: the servers, the checks of Add (the address whole, the key pair), what Add, Edit and
// Delete write, and the membership window's checks, its one write and its log line.

#include "IPWindowsFixture.h"

#include "features/system/AAASrvCtrlForm.h"
#include "features/system/ServerInformationForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/StatusBar.h"

namespace {

const std::string Servers = "1.3.6.1.4.1.171.12.5.10.1";
const std::string Memberships = "1.3.6.1.4.1.171.12.5.12.1";

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

class AAAServerWindowTest : public IPWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"aaa-servers.dat"}; }

    static std::string FocusName(QWidget* form)
    {
        QWidget* focus = form->focusWidget();
        return focus == nullptr ? "" : focus->objectName().toStdString();
    }
    static std::string Hex(const std::string& text)
    {
        static const char digits[] = "0123456789ABCDEF";
        std::string hex;
        for (unsigned char c : text) {
            hex += digits[c >> 4];
            hex += digits[c & 15];
        }
        return hex;
    }
};

class ServerInformationWindow : public AAAServerWindowTest {
protected:
    using Window = TServerInformationForm;

    // Everything a user types for a new server; an empty protocol chooses none.
    static void Fill(Window& w, const std::string& address, const std::string& protocol, const std::string& port = "",
                     const std::string& key = "", const std::string& timeout = "", const std::string& retry = "")
    {
        w.IPEdit->SetText(address);
        w.ProtocolComboBox->SetItemIndex(protocol.empty() ? -1 : w.ProtocolComboBox->IndexOf(protocol));
        w.PortEdit->SetText(port);
        w.KeyEdit->SetText(key);
        w.TimeoutEdit->SetText(timeout);
        w.RetryCEdit->SetText(retry);
    }
};

TEST_F(ServerInformationWindow, ListsTheServersAndSelectsOne)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_EQ(w.ListView1->Count(), 2); // read before the window shows
        EXPECT_EQ(Cells(w.ListView1), (Rows{{"10.90.90.1", "radius", "1812", "radkey", "5", "2", "active"},
                                            {"10.90.90.2", "tacacs-plus", "49", "plus-key", "10", "3", "active"}}));
        EXPECT_EQ(w.Static->Caption(), "2");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.RowComboBox->isVisible());

        ClickRow(w.ListView1, 1);
        EXPECT_EQ(w.IPEdit->Text(), "10.90.90.2");
        EXPECT_EQ(w.ProtocolComboBox->Text(), "tacacs-plus");
        EXPECT_EQ(w.KeyEdit->Text(), "plus-key");
        EXPECT_FALSE(w.IPEdit->isEnabled());
        EXPECT_FALSE(w.ProtocolComboBox->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_TRUE(w.DeleteButton->isEnabled());

        ClickRow(w.ListView1, -1);
        EXPECT_EQ(w.IPEdit->Text(), "");
        EXPECT_EQ(w.KeyEdit->Text(), "");
        EXPECT_TRUE(w.IPEdit->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.EditButton->isEnabled());
    });
}

// Add refuses, in this order, an empty address, an address that is not four numbers, no protocol
// and a listed pair; the address refusals put the focus into it. Nothing is sent then.
TEST_F(ServerInformationWindow, AddRefusesWhatWouldKeyTheWrongServer)
{
    InWindow<Window>([&](Window& w) {
        const struct {
            const char* address;
            const char* protocol;
            const char* message;
            const char* focus;
        } cases[] = {
            {"", "", "Server IP must be set.", "IPEdit"},
            {"10.1.1", "radius", "Please input a valid IP", "IPEdit"},
            {"abc", "radius", "Please input a valid IP", "IPEdit"},
            {"10.1.1.256", "", "Please input a valid IP", "IPEdit"},
            {"10.90.90.9", "", "Protocol must be set.", "ProtocolComboBox"},
            {"10.90.90.2", "tacacs-plus",
             "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.", "IPEdit"},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.address);
            ClearMessageBoxes();
            Fill(w, c.address, c.protocol, "49", "k");
            w.btnClose->setFocus();
            Click(w.AddButton);
            EXPECT_EQ(MessageBoxTexts(), Texts{c.message});
            EXPECT_EQ(FocusName(&w), c.focus);
            EXPECT_EQ(w.IPEdit->Text(), c.address);
            EXPECT_TRUE(Sets().empty());
        }
        EXPECT_EQ(w.ListView1->Count(), 2);
    });
}

// The same address with another protocol is another server; empty values are left to the switch,
// so a server with none of them given is created by Row Status alone.
TEST_F(ServerInformationWindow, AddCreatesTheServerWithTheValuesGiven)
{
    InWindow<Window>([&](Window& w) {
        Fill(w, "10.90.90.1", "tacacs", "49", "k1", "7", "3");
        Click(w.AddButton);
        const std::string first = ".10.90.90.1.1";
        EXPECT_EQ(Sets(), (Rows{{Servers + ".3" + first + "=49", Servers + ".4" + first + "=" + Hex("k1"),
                                 Servers + ".5" + first + "=7", Servers + ".6" + first + "=3",
                                 Servers + ".7" + first + "=4"}}));
        ASSERT_EQ(w.ListView1->Count(), 3);
        EXPECT_EQ(Cells(w.ListView1)[0], (Texts{"10.90.90.1", "tacacs", "49", "k1", "7", "3", "active"}));
        EXPECT_EQ(w.IPEdit->Text(), "");
        EXPECT_EQ(w.Static->Caption(), "3");

        Fill(w, "10.90.90.3", "radius");
        Click(w.AddButton);
        EXPECT_EQ(Sets(), (Rows{{Servers + ".7.10.90.90.3.4=4"}}));
        EXPECT_EQ(w.ListView1->Count(), 4);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// Edit sends the values shown but an emptied one, and no Row Status: the key stays on the switch.
// Delete asks first; Cancel sends nothing, OK sends destroy alone.
TEST_F(ServerInformationWindow, EditAndDeleteWriteTheSelectedServer)
{
    InWindow<Window>([&](Window& w) {
        ClickRow(w.ListView1, 0);
        w.KeyEdit->SetText("");
        w.TimeoutEdit->SetText("9");
        Click(w.EditButton);
        const std::string row = ".10.90.90.1.4";
        EXPECT_EQ(Sets(), (Rows{{Servers + ".3" + row + "=1812", Servers + ".5" + row + "=9",
                                 Servers + ".6" + row + "=2"}}));
        EXPECT_EQ(Cells(w.ListView1)[0], (Texts{"10.90.90.1", "radius", "1812", "radkey", "9", "2", "active"}));
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_TRUE(w.IPEdit->isEnabled());

        ClickRow(w.ListView1, 1);
        AnswerNextMessageBox(ui::mrCancel);
        Click(w.DeleteButton);
        EXPECT_EQ(LastMessageBoxText(), "Are you sure to delete it?");
        EXPECT_TRUE(Sets().empty());
        ClickRow(w.ListView1, 1);
        Click(w.DeleteButton);
        EXPECT_EQ(Sets(), (Rows{{Servers + ".7.10.90.90.2.3=6"}}));
        EXPECT_EQ(Captions(w.ListView1), Texts{"10.90.90.1"});
        EXPECT_EQ(w.Static->Caption(), "1");
        EXPECT_FALSE(w.DeleteButton->isEnabled());
    });
}

class ServerControlWindow : public AAAServerWindowTest {
protected:
    using Window = TAAASrvCtrlForm;
};

// The read at opening and a write the switch took are reported in the status bar's panel, where
// they can be read. Set checks the group name, the address (given, then whole), the protocol and
// the operation in this order, then writes Row State alone at group.address.protocol.
TEST_F(ServerControlWindow, ChecksInOrderThenWritesTheRowState)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_NE(w.stbResult->Panel(0)->Text().find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.lvOper->Count(), 2);
        EXPECT_EQ(w.cbxAuthPtcl->ItemIndex(), -1);
        EXPECT_EQ(w.cbxOper->ItemIndex(), -1);

        const struct {
            std::function<void()> give;
            const char* message;
        } steps[] = {
            {[] {}, "Please input Server Group Name."},
            {[&] { TypeInto(w.edtSrvGrpName, "ops"); }, "Please input Server IP Address."},
            {[&] { TypeInto(w.edtSrvIP, "10.1.1"); }, "Please input a valid IP"},
            {[&] { w.edtSrvIP->SetText("abc"); }, "Please input a valid IP"},
            {[&] { w.edtSrvIP->SetText("10.90.90.3"); }, "Please choose Server Authentication Protocol."},
            {[&] { Choose(w.cbxAuthPtcl, "radius"); }, "Please choose Operate."},
        };
        for (const auto& step : steps) {
            SCOPED_TRACE(step.message);
            ClearMessageBoxes();
            step.give();
            w.btnClose->setFocus();
            Click(w.btnSet);
            EXPECT_EQ(MessageBoxTexts(), Texts{step.message});
            if (std::string(step.message) == "Please input a valid IP") {
                EXPECT_EQ(FocusName(&w), "edtSrvIP");
            }
            EXPECT_TRUE(Sets().empty());
        }
        ClearMessageBoxes();
        Choose(w.cbxOper, "add");
        Click(w.btnSet);
        const std::string row = ".3.111.112.115.10.90.90.3.4";
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Memberships + ".4" + row + "=1"}}));
        EXPECT_TRUE(WaitFor([&] { return StatusLine(&w).find("Set: Ok!") != std::string::npos; }, 5000))
            << StatusLine(&w);
        EXPECT_EQ(w.lvOper->Count(), 2); // no read after the write

        Choose(w.cbxOper, "delete");
        Click(w.btnSet);
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Memberships + ".4" + row + "=2"}}));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

} // namespace
