// The SMTP settings window against the simulated switch: Set is enabled while a box is ticked;
// Set writes the ticked settings (never a "NULL" or blank text), asks before a test mail and
// shows the progress window, refuses without a server address or with a broken one, and reads
// every setting again; a read started while one runs takes its place.

#include "SystemInfoFixture.h"

#include "features/system/SMTPControlForm.h"
#include "gui/ProgressForm2.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

const std::string Smtp = "1.3.6.1.4.1.171.12.29";

class SMTPControlWindow : public SystemInfoWindowTest {
protected:
    void SetUp() override
    {
        SystemInfoWindowTest::SetUp();
        TProgressForm2::TimerInterval = 5;
    }
    void TearDown() override
    {
        TProgressForm2::TimerInterval = 1000;
        SystemInfoWindowTest::TearDown();
    }
    static void Ready(TSMTPControlForm& w)
    {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !w.Ed_SourceAddress->Text().empty(); }));
    }
};

TEST_F(SMTPControlWindow, SetIsEnabledWhileABoxIsTicked)
{
    InWindow<TSMTPControlForm>([&](TSMTPControlForm& w) {
        Ready(w);
        EXPECT_EQ(w.Caption(), "SMTP Control Table");
        EXPECT_EQ(w.ClientWidth(), 451);
        EXPECT_EQ(w.ClientHeight(), 444);
        EXPECT_EQ(w.Ed_SourceAddress->Text(), "10.90.90.5");
        EXPECT_EQ(w.CB_Status->Text(), "enabled");
        EXPECT_EQ(w.CB_SendTestStatus->Text(), "success");
        EXPECT_EQ(w.EditIPv6Address->Text(), "20010DB8000000000000000000000001");
        EXPECT_FALSE(w.Btn_Set->isEnabled());
        Click(w.CheckBox10);
        EXPECT_TRUE(w.Btn_Set->isEnabled());
        Click(w.CheckBox10);
        EXPECT_FALSE(w.Btn_Set->isEnabled());
        Click(w.Check_All);
        EXPECT_TRUE(w.Btn_Set->isEnabled());
        EXPECT_TRUE(w.CheckBox11->Checked());
        EXPECT_FALSE(w.CheckBox8->Checked());
        Click(w.Clear_All);
        EXPECT_FALSE(w.Btn_Set->isEnabled());
        EXPECT_FALSE(w.CheckBox1->Checked());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The ticked settings go out, but a sender, subject or content of "NULL" or a blank never does.
TEST_F(SMTPControlWindow, ANullOrBlankTextIsNotSent)
{
    for (const char* subject : {"NULL", " ", "Weekly"}) {
        SCOPED_TRACE(subject);
        InWindow<TSMTPControlForm>([&](TSMTPControlForm& w) {
            Ready(w);
            ASSERT_EQ(w.CB_SendTest->Text(), "noAction");
            w.ED_Subject->SetText(subject);
            Click(w.CheckBox1);
            Click(w.CheckBox5);
            Click(w.Btn_Set);
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
            Table expected{{Smtp + ".1.1.0=3"}};
            if (std::string(subject) == "Weekly")
                expected[0].push_back(Smtp + ".1.5.0=" + Hex("Weekly"));
            EXPECT_EQ(Sets(), expected);
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        });
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// "send" with SMTP disabled: the message, nothing sent and nothing read.
TEST_F(SMTPControlWindow, ASendNeedsSMTPEnabled)
{
    InWindow<TSMTPControlForm>([&](TSMTPControlForm& w) {
        Ready(w);
        Choose(w.CB_Status, "disabled");
        Choose(w.CB_SendTest, "send");
        Click(w.CheckBox1);
        Click(w.CheckBox7);
        const int gets = Stat("get");
        Click(w.Btn_Set);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Enable SMTP first if you want send a mail"}));
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(Stat("get"), gets);
        EXPECT_EQ(w.CB_Status->Text(), "disabled");
    });
}

// "send": the question, then the progress window while the write goes out; with the send box
// unticked the write carries no send. Cancel sends nothing and reads again.
TEST_F(SMTPControlWindow, ASendAsksAndShowsTheProgress)
{
    InWindow<TSMTPControlForm>([&](TSMTPControlForm& w) {
        Ready(w);
        Choose(w.CB_SendTest, "send");
        Click(w.CheckBox3);
        std::string caption;
        std::string prompt;
        RunInNextModal([&](ui::Form* shown) {
            caption = shown->Caption();
            prompt = ProgressForm2 != nullptr ? ProgressForm2->LB_Prompt->Caption() : "";
        });
        Click(w.Btn_Set);
        EXPECT_EQ(caption, "Send the mail Progress");
        EXPECT_EQ(prompt, "Send the mail is processing...");
        EXPECT_EQ(ProgressForm2, nullptr);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"To Send the mail may take a long time. Do you want to go on?"}));
        EXPECT_EQ(SetsSent(), (Table{{Smtp + ".1.3.0=25"}}));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));

        // Ticked, the send goes with the others. (The read after each write shows the switch's
        // "noAction" again.)
        ASSERT_EQ(w.CB_SendTest->Text(), "noAction");
        Choose(w.CB_SendTest, "send");
        Click(w.CheckBox7);
        Click(w.Btn_Set);
        EXPECT_EQ(SetsSent(), (Table{{Smtp + ".1.3.0=25", Smtp + ".1.7.0=1"}}));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));

        ClearMessageBoxes();
        Choose(w.CB_SendTest, "send");
        AnswerNextMessageBox(ui::mrCancel);
        const int gets = Stat("get");
        Click(w.Btn_Set);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_TRUE(Sets().empty());
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_GT(Stat("get"), gets);
    });
}

// An empty server address stops every write, whatever is ticked, with a word in the status line;
// a ticked address must be a whole one (else the switch would be sent 0.0.0.0).
TEST_F(SMTPControlWindow, TheServerAddressIsRequiredAndChecked)
{
    struct Case {
        const char* address;
        bool ticked;
        const char* status;  // the status line, or none
        const char* message; // the message box, or none
        bool sent;
    };
    const Case cases[] = {
        {"", false, "Please input value.", "", false},
        {"", true, "Please input value.", "", false},
        {"10.1.1", true, "", "Please input a valid IP", false},
        {"192.168.1.300", true, "", "Please input a valid IP", false},
        {"10.1.1", false, "", "", true}, // not ticked: only its presence counts
        {"10.1.1.9", true, "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.address) + (c.ticked ? " ticked" : ""));
        ClearMessageBoxes();
        InWindow<TSMTPControlForm>([&](TSMTPControlForm& w) {
            Ready(w);
            w.StatusBar1->Panel(0)->SetText("");
            w.Ed_SourceAddress->SetText(c.address);
            Click(w.CheckBox9);
            Click(w.CheckBox10);
            if (c.ticked)
                Click(w.CheckBox2);
            Click(w.Btn_Set);
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
            const Table sets = Sets();
            EXPECT_EQ(!sets.empty(), c.sent);
            if (std::string(c.status).empty())
                EXPECT_NE(StatusLine(&w), "Please input value.");
            else
                EXPECT_EQ(StatusLine(&w), c.status);
            if (std::string(c.message).empty()) {
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
            } else {
                EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{c.message}));
                EXPECT_TRUE(w.Ed_SourceAddress->hasFocus());
            }
            if (c.sent && c.ticked && !sets.empty())
                EXPECT_EQ(sets[0][0], Smtp + ".1.2.0=10.1.1.9");
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        });
    }
}

// After a write every setting is read again, the unticked ones and the test mail's status
// included. A read started while another runs takes its place: one read ends.
TEST_F(SMTPControlWindow, EverySettingIsReadAgainAfterASet)
{
    InWindow<TSMTPControlForm>([&](TSMTPControlForm& w) {
        Ready(w);
        int readsOver = 0;
        const auto over = w.Request->OnReadOver;
        w.Request->OnReadOver = [&](MvSNMPRequest2Controls* sender) {
            ++readsOver;
            over(sender);
        };
        sim->Control(std::string("data ") + Smtp + ".2.1.0 i 3");
        sim->Control(std::string("data ") + Smtp + ".1.3.0 i 2525 rw");
        sim->Control("delay 200");
        Click(w.Btn_Refresh);
        Click(w.CheckBox6);
        w.Ed_Content->SetText("Hi");
        Click(w.Btn_Set);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{Smtp + ".1.6.0=" + Hex("Hi")}}));
        EXPECT_EQ(readsOver, 1);
        EXPECT_EQ(w.CB_SendTestStatus->Text(), "in-processing");
        EXPECT_EQ(w.Ed_SourcePort->Text(), "2525");
        EXPECT_EQ(w.Ed_Content->Text(), "Hi");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
