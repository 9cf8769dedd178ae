// The SSL window against the simulated switch: the cipher-suite octet shown as four choices
// after every good read, the three scalars written in one SET with the octet built from the
// choices, the refusal of empty items, a Refresh while a read runs, and closing during a read.

#include "ManagementAccessFixture.h"

#include "features/system/SSLManagementForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace {

const std::string Ssl = "1.3.6.1.4.1.171.12.7.1";

using Pdus = std::vector<std::vector<std::string>>;
using Choices = std::vector<std::string>;

class SSLManagementWindow : public ManagementAccessWindowTest {
protected:
    using Window = TSSLManagementForm;

    static Choices Suites(const Window& w)
    {
        return {w.cbxciphersuites1->Text(), w.cbxciphersuites2->Text(), w.cbxciphersuites3->Text(),
                w.cbxciphersuites4->Text()};
    }
    // A read of the window has ended and shown its log line.
    static void ReadOver(Window& w)
    {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }, 10000));
    }
    void Refresh(Window& w)
    {
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.btnGet);
        ReadOver(w);
    }
};

TEST_F(SSLManagementWindow, ShowsTheCipherSuitesOfEveryGoodRead)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.Caption(), "SSL Management Table");
        EXPECT_EQ(w.ClientWidth(), 492);
        EXPECT_EQ(w.ClientHeight(), 240);
        EXPECT_EQ(Suites(w), (Choices{"", "", "", ""})) << "nothing chosen before the first read";
        ReadOver(w);
        EXPECT_EQ(w.cbxSSLVersion->Text(), "enabled");
        EXPECT_EQ(w.edtCacheTimeOut->Text(), "600");
        const struct {
            const char* value;
            Choices shown;
        } cases[] = {
            {"A0", {"enabled", "disabled", "enabled", "disabled"}},
            {"10", {"disabled", "disabled", "disabled", "enabled"}},
            {"F0", {"enabled", "enabled", "enabled", "enabled"}},
            {"00", {"disabled", "disabled", "disabled", "disabled"}},
            {"6000", {"disabled", "disabled", "disabled", "disabled"}}, // two octets: left as they were
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.value);
            if (std::string(c.value) != "A0") {
                ASSERT_EQ(sim->Control(std::string("data ") + Ssl + ".2.0 x " + c.value), "ok");
                Refresh(w);
            }
            EXPECT_EQ(w.edtciphersuites->Text(), c.value);
            EXPECT_EQ(Suites(w), c.shown);
        }
        // A failed read is not reported and changes nothing.
        sim->Control("data " + Ssl + ".2.0 x 80");
        sim->Control("error " + Ssl + " 5");
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }, 10000));
        EXPECT_EQ(Suites(w), (Choices{"disabled", "disabled", "disabled", "disabled"}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(SSLManagementWindow, SetWritesTheThreeScalarsInOneSet)
{
    InWindow<Window>([&](Window& w) {
        ReadOver(w);
        w.cbxciphersuites1->SetItemIndex(0);
        w.cbxciphersuites2->SetItemIndex(1);
        w.cbxciphersuites3->SetItemIndex(1);
        w.cbxciphersuites4->SetItemIndex(0);
        w.edtCacheTimeOut->SetText("3600");
        Click(w.btnSet);
        EXPECT_EQ(SetsOnceThere(1), (Pdus{{Ssl + ".1.0=3", Ssl + ".2.0=60", Ssl + ".3.0=3600"}}));
        ASSERT_TRUE(WaitFor([&] { return StatusLine(&w).find("Set: Ok!") != std::string::npos; }, 10000))
            << StatusLine(&w);
        EXPECT_EQ(w.edtciphersuites->Text(), "60");
        EXPECT_EQ(Stat("get"), 1) << "scalars are not read again after a write";
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(SSLManagementWindow, EmptyItemsRefuseTheSet)
{
    InWindow<Window>([&](Window& w) {
        ReadOver(w);
        w.edtCacheTimeOut->SetText("");
        Click(w.btnSet);
        ASSERT_EQ(MessageBoxes().size(), 1U);
        EXPECT_EQ(MessageBoxes()[0].Text, "Some items are empty.");
        EXPECT_EQ(MessageBoxes()[0].Icon, ui::miWarning);
        EXPECT_EQ(w.focusWidget(), w.btnSet);
        EXPECT_TRUE(Sets().empty());
    });
    // A switch that never answered leaves the suites unchosen: Set is refused too.
    sim->Control("silence on");
    DefaultTimeout = 20;
    ClearMessageBoxes();
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }, 10000));
        Click(w.btnSet);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Some items are empty."});
    });
    EXPECT_TRUE(Sets().empty());
}

// A Refresh while a read runs takes that read's place: the window handles one end of a read.
TEST_F(SSLManagementWindow, RefreshDuringAReadReadsOnce)
{
    InWindow<Window>([&](Window& w) {
        ReadOver(w);
        int ends = 0;
        auto installed = w.Request->OnGetEnd;
        w.Request->OnGetEnd = [&](MvSNMPRequest2Controls* sender, const MvSNMPError& result) {
            ++ends;
            installed(sender, result);
        };
        sim->Control("data " + Ssl + ".2.0 x 10");
        sim->Control("delay 300");
        Click(w.btnGet);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }, 10000));
        WaitFor([] { return false; }, 400); // an answer of the first read would be in by now
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(Suites(w), (Choices{"disabled", "disabled", "disabled", "enabled"}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Closing during a read stops the request and waits for it before the window goes.
TEST_F(SSLManagementWindow, ClosingDuringAReadWaitsForTheRequest)
{
    sim->Control("delay 400");
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(w.Request->ReadOutstanding());
        w.Close();
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
