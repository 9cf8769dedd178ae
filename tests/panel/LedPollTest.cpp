// The LED request polling the simulated switch: the log line of each read, failures, a silent
// switch and a slow one.

#include "PanelFixture.h"

#include "panel/Request2Leds.h"

#include "snmp/VarList.h"
#include "ui/Panel.h"
#include "ui/StatusBar.h"
#include "ui/Timer.h"

#include <QWidget>

#include <memory>
#include <regex>

namespace {

constexpr std::int32_t Lime = 0x00FF00;

class LedPoll : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        log_ = bar_.AddPanel(400);
        leds_ = std::make_unique<MvSNMPRequest2Leds>(&owner_);
        leds_->Request.VarList = MvSNMPVarList(LedStatusTable2, MVT_SV, 0);
        leds_->Request.VarList.suffix = "0";
        leds_->Request.VarList.name = " LED Status";
        leds_->Request.Timeout = 50;
        leds_->SetLogTarget(log_);
        for (const auto& [byte, map] : {std::pair{"2", &PowerLedMap}, std::pair{"6", &PortLedMap}})
            leds_->AddLeds(0, byte, *map, new ui::Panel(&owner_), 0, 9, ui::stRectangle, 6, 6);
        leds_->SetMode(2, 6);
    }
    void TearDown() override
    {
        leds_.reset();
        PanelTest::TearDown();
    }

    std::int32_t Shown(int led) const
    {
        return static_cast<std::int32_t>(leds_->Leds[static_cast<std::size_t>(led)].shape->BrushColor());
    }
    // Waits for the next log line.
    bool NextLogLine()
    {
        log_->SetText("");
        return WaitFor([&] { return !log_->Text().empty(); }, 15000);
    }

    QWidget owner_;
    ui::StatusBar bar_{&owner_};
    ui::StatusPanel* log_ = nullptr;
    std::unique_ptr<MvSNMPRequest2Leds> leds_;
};

TEST_F(LedPoll, ReadsAtOnceAndLogsEachRead)
{
    FixLedValue(2, LedValue(26, {{1, "0003"}}));
    log_->SetText("");
    leds_->Start(25);
    EXPECT_EQ(leds_->PollTimer->Interval(), 250);
    EXPECT_TRUE(leds_->PollTimer->Enabled());
    ASSERT_TRUE(WaitFor([&] { return !log_->Text().empty(); }, 15000));
    EXPECT_TRUE(std::regex_match(log_->Text(), std::regex(R"(Get: Ok! Request: LED Status\. Receive at \d\d:\d\d:\d\d\.)")))
        << log_->Text();
    EXPECT_EQ(Shown(0), Lime);
    EXPECT_EQ(Shown(1), Lime);
    ASSERT_TRUE(NextLogLine()) << "the poll timer reads again";
}

TEST_F(LedPoll, AFailedReadShowsTheDefaultColoursAndItsMessage)
{
    FixLedValue(2, LedValue(26, {{1, "0003"}}));
    leds_->Poll();
    ASSERT_TRUE(WaitFor([&] { return Shown(1) == Lime; }, 15000));

    ASSERT_EQ(Sim().Control("error " + LedOid(2) + " genErr"), "ok");
    log_->SetText("");
    leds_->PollTimerTick(nullptr);
    ASSERT_TRUE(WaitFor([&] { return !log_->Text().empty(); }, 15000));
    EXPECT_EQ(log_->Text().rfind("Get: ", 0), 0u) << log_->Text();
    EXPECT_EQ(log_->Text().find("Ok!"), std::string::npos) << log_->Text();
    EXPECT_EQ(Shown(0), 0);
    EXPECT_EQ(Shown(1), 0);
}

TEST_F(LedPoll, AShortValueShowsTheMissingLedsBlackAndSteady)
{
    FixLedValue(2, "000002020101");
    leds_->Poll();
    ASSERT_TRUE(WaitFor([&] { return Shown(0) == Lime; }, 15000));
    EXPECT_EQ(Shown(1), 0);
    EXPECT_FALSE(leds_->Leds[1].blinking);
}

TEST_F(LedPoll, ASilentSwitchEndsInATimeOut)
{
    FixLedValue(2, LedValue(26, {{1, "0003"}}));
    leds_->Poll();
    ASSERT_TRUE(WaitFor([&] { return Shown(1) == Lime; }, 15000));
    ASSERT_TRUE(WaitFor([&] { return !leds_->Busy; }));

    ASSERT_EQ(Sim().Control("silence on"), "ok");
    log_->SetText("");
    leds_->PollTimerTick(nullptr);
    ASSERT_TRUE(WaitFor([&] { return !log_->Text().empty(); }, 15000));
    EXPECT_EQ(log_->Text().find("Ok!"), std::string::npos) << log_->Text();
    EXPECT_EQ(Shown(0), 0);
    EXPECT_EQ(Shown(1), 0);
}

TEST_F(LedPoll, APollTickWhileTheReadIsOutstandingSendsNothing)
{
    ASSERT_EQ(Sim().Control("delay 1500"), "ok");
    const int before = GetCount();
    leds_->Request.Timeout = 500;
    log_->SetText("");
    leds_->PollTimerTick(nullptr);
    ASSERT_TRUE(leds_->Busy);
    for (int i = 0; i < 3; ++i)
        leds_->PollTimerTick(nullptr);
    EXPECT_EQ(leds_->Request.PendingCount, 1);
    ASSERT_TRUE(WaitFor([&] { return !log_->Text().empty(); }, 15000));
    EXPECT_NE(log_->Text().find("Ok!"), std::string::npos) << log_->Text();
    EXPECT_EQ(GetCount(), before + 1);
}

} // namespace
