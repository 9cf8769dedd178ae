// The spanning tree bridge settings window against the simulated switch: Set's checks of the
// timer relations (nothing written when one fails), what it writes under RSTP and MSTP and in
// which order, the hello time when the user picks another version, and the progress window
// while the switch still reports another version.

#include "SpanningTreeFixture.h"

#include "features/switching/STP_Info.h"
#include "gui/ProgressForm2.h"

#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Stp = "1.3.6.1.4.1.171.12.15.1";
const std::string VersionOid = Stp + ".2.0";
const std::string HelloTimeOid = Stp + ".4.0";

using Table = std::vector<std::vector<std::string>>;

class STPInfoWindow : public SpanningTreeWindowTest {
protected:
    // The bridge values as the switch serves them at first.
    static std::vector<std::string> BridgeSet(const std::string& maxAge = "2000", const std::string& forwardDelay = "1500")
    {
        return {Scalar(Stp + ".3", maxAge), Scalar(Stp + ".5", forwardDelay), Scalar(Stp + ".6", "20"),
                Scalar(Stp + ".7", "3"),     Scalar(Stp + ".8", "3"),          Scalar(Stp + ".11", "1")};
    }
};

TEST_F(STPInfoWindow, OpensWithTheSwitchsSettings)
{
    InWindow<TSTP_Info>([&](TSTP_Info& w) {
        EXPECT_EQ(w.Combo_STPVersion->Text(), "rstp");
        EXPECT_EQ(w.ET_AgingTime->Text(), "2000");
        EXPECT_EQ(w.ET_HelloTime->Text(), "150");
        EXPECT_TRUE(w.ET_HelloTime->isEnabled());
        EXPECT_EQ(w.ET_ForwardDelay->Text(), "1500");
        EXPECT_EQ(w.ET_Priority->Text(), "20");
        EXPECT_EQ(w.ED_TxHoldCount->Text(), "3");
        EXPECT_EQ(w.Combo_BPDU->Text(), "enabled");
        EXPECT_EQ(w.cbbNNiBPDU->Text(), "dot1d");
        EXPECT_TRUE(ui::Visible(w.cbbNNiBPDU));
        EXPECT_TRUE(ui::Visible(w.lbNNiBPDU));
        EXPECT_FALSE(ui::Visible(w.lbMSTPState));
        EXPECT_EQ(w.lbMSTPState->Caption(), "enabled");
        EXPECT_EQ(w.hellotimevalue->Caption(), "150");
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Each relation refused writes nothing and says why in the status line; a relation that holds
// writes.
TEST_F(STPInfoWindow, TimerRelationsAreCheckedBeforeAnyWrite)
{
    struct Case {
        const char* maxAge;
        const char* forwardDelay;
        const char* hello;
        const char* refusal; // none: written
    };
    const Case cases[] = {
        {"2000", "1000", "150", "Data Error."},             // 2000 > 2 x (1000 - 100)
        {"2000", "1100", "150", nullptr},                   // 2000 <= 2 x (1100 - 100)
        {"500", "1000", "200", "Data Error."},              // 500 < 2 x (200 + 100)
        {"600", "1000", "200", nullptr},
        {"2000", "", "150", "Don't Leave Empty Fileds."},
        {"", "1500", "150", "Don't Leave Empty Fileds."},
        {"2000", "1500", "", "Don't Leave Empty Fileds."},  // the hello time counts under RSTP
    };
    InWindow<TSTP_Info>([&](TSTP_Info& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.maxAge) + "/" + c.forwardDelay + "/" + c.hello);
            w.ET_AgingTime->SetText(c.maxAge);
            w.ET_ForwardDelay->SetText(c.forwardDelay);
            w.ET_HelloTime->SetText(c.hello);
            Click(w.BT_Set);
            const auto sets = Sets();
            if (c.refusal != nullptr) {
                EXPECT_EQ(StatusLine(&w), c.refusal);
                EXPECT_TRUE(sets.empty());
            } else {
                ASSERT_EQ(sets.size(), 3u);
                EXPECT_EQ(sets[1], BridgeSet(c.maxAge, c.forwardDelay));
                EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
            }
        }
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A write that cannot go out stops Set before anything is written; the reason stands in the
// status line as the bridge values' log line, and the next Set writes as usual.
TEST_F(STPInfoWindow, AWriteThatRaisesIsShownInTheBridgeLogLine)
{
    InWindow<TSTP_Info>([&](TSTP_Info& w) {
        ASSERT_NE(w.HelloTimeRequest, nullptr);
        w.HelloTimeRequest->Request.Device.Address = "no such host name!";
        Click(w.BT_Set);
        const std::string line = StatusLine(&w);
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find("Ok!"), std::string::npos) << line;
        EXPECT_EQ(line.rfind("Get: ", 0), 0u) << "written through the bridge request's log line: " << line;
        EXPECT_TRUE(Sets().empty());

        w.HelloTimeRequest->Request.Device.Address = sim->Address();
        Click(w.BT_Set);
        EXPECT_EQ(Sets().size(), 3u);
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(STPInfoWindow, UnderRSTPSetWritesTheHelloTimeThenTheBridgeThenTheVersion)
{
    InWindow<TSTP_Info>([&](TSTP_Info& w) {
        w.ET_HelloTime->SetText("");
        TypeInto(w.ET_HelloTime, "180");
        Click(w.BT_Set);
        EXPECT_EQ(Sets(), (Table{{Scalar(Stp + ".4", "180")}, BridgeSet(), {Scalar(Stp + ".2", "1")}}));
        // The hello time kept for a later change of version is the one just written.
        EXPECT_EQ(w.hellotimevalue->Caption(), "180");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(STPInfoWindow, UnderMSTPTheHelloTimeIsNeitherShownNorWrittenNorChecked)
{
    sim->Control("data " + VersionOid + " i 2 rw enum=0,1,2");
    InWindow<TSTP_Info>([&](TSTP_Info& w) {
        EXPECT_EQ(w.Combo_STPVersion->Text(), "mstp");
        EXPECT_EQ(w.ET_HelloTime->Text(), "");
        EXPECT_FALSE(w.ET_HelloTime->isEnabled());
        EXPECT_EQ(ui::ColorOf(w.ET_HelloTime), ui::clMenu);
        w.ET_AgingTime->SetText("600");
        w.ET_ForwardDelay->SetText("1000");
        Click(w.BT_Set);
        EXPECT_EQ(Sets(), (Table{BridgeSet("600", "1000"), {Scalar(Stp + ".2", "2")}}));
        // Refresh keeps the MSTP state.
        Click(w.BT_Get);
        EXPECT_EQ(w.ET_HelloTime->Text(), "");
        EXPECT_FALSE(w.ET_HelloTime->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// From MSTP to another version the hello time edit opens with the hello time read at opening, or
// 200 when the switch had 0.
TEST_F(STPInfoWindow, LeavingMSTPFillsTheHelloTimeReadAtOpening)
{
    const std::pair<const char*, const char*> cases[] = {{"150", "150"}, {"0", "200"}};
    for (const auto& [atOpening, shown] : cases) {
        SCOPED_TRACE(atOpening);
        sim->Control("data " + VersionOid + " i 2 rw enum=0,1,2");
        sim->Control("data " + HelloTimeOid + " i " + atOpening + " rw");
        InWindow<TSTP_Info>([&](TSTP_Info& w) {
            EXPECT_FALSE(w.ET_HelloTime->isEnabled());
            sim->Control("data " + HelloTimeOid + " i 120 rw"); // changed meanwhile
            Choose(w.Combo_STPVersion, "rstp");
            EXPECT_TRUE(w.ET_HelloTime->isEnabled());
            EXPECT_EQ(ui::ColorOf(w.ET_HelloTime), ui::clWindow);
            EXPECT_EQ(w.ET_HelloTime->Text(), shown);
            Choose(w.Combo_STPVersion, "mstp");
            EXPECT_FALSE(w.ET_HelloTime->isEnabled());
            EXPECT_EQ(w.ET_HelloTime->Text(), "");
        });
    }
    EXPECT_TRUE(Sets().empty());
}

TEST_F(STPInfoWindow, TheSameVersionShowsNoProgress)
{
    InWindow<TSTP_Info>([&](TSTP_Info& w) {
        const bool shown = OpensModalWindow([&] { Click(w.BT_Set); });
        EXPECT_FALSE(shown);
        EXPECT_EQ(Sets().size(), 3u);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A switch that keeps its version (the version is read-only) with spanning tree enabled: after
// the refused write the switch reports another version than the one chosen, and the window
// holds the user in the progress window.
class STPInfoKeptVersion : public STPInfoWindow {
protected:
    std::vector<std::string> DataFiles() const override
    {
        return {"spanning-tree-qos.dat", "stp-version-readonly.dat"};
    }
};

TEST_F(STPInfoKeptVersion, AnotherVersionReportedShowsTheProgressWindow)
{
    InWindow<TSTP_Info>([&](TSTP_Info& w) {
        Choose(w.Combo_STPVersion, "mstp");
        std::string caption, prompt;
        bool shown = false;
        RunInNextModal([&](ui::Form* progress) {
            auto* form = dynamic_cast<TProgressForm2*>(progress);
            ASSERT_NE(form, nullptr);
            shown = true;
            caption = form->Caption();
            prompt = form->LB_Prompt->Caption();
            form->Close();
        });
        Click(w.BT_Set);
        EXPECT_TRUE(shown);
        EXPECT_EQ(caption, "Set STP Progress");
        EXPECT_EQ(prompt, "Change STP Version is processing...");
        EXPECT_EQ(ProgressForm2, nullptr);
        // The bridge values went out, the version was refused and is shown as the switch has it.
        const std::vector<int> statuses = sim->SetJournalStatuses();
        ASSERT_EQ(statuses.size(), 2u);
        EXPECT_EQ(statuses[0], 0);
        EXPECT_NE(statuses[1], 0);
        EXPECT_EQ(Sets(), (Table{BridgeSet(), {Scalar(Stp + ".2", "2")}}));
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(w.Combo_STPVersion->Text(), "rstp");
        ClearMessageBoxes();

        // Spanning tree disabled: nothing to wait for.
        sim->Control("data 1.3.6.1.4.1.171.11.133.2.1.2.1.2.1.0 i 2 rw enum=2,3");
        Click(w.BT_Get);
        Choose(w.Combo_STPVersion, "mstp");
        EXPECT_FALSE(OpensModalWindow([&] { Click(w.BT_Set); }));
    });
}

} // namespace
