// The EEE state window against the simulated switch: the port boxes written and read back, and
// a write that a slow switch answers within the window's longer time-out.

#include "PortWindowsFixture.h"

#include "features/switching/EEEStateFormUnit.h"

namespace {

const std::string EEEState = "1.3.6.1.4.1.171.12.11.1.11.20.1.0";

class EEEStateWindow : public PortWindowTest {};

TEST_F(EEEStateWindow, WritesTheTickedPortsAndReadsThemBack)
{
    InWindow<TEEEStateFormUnit>([&](TEEEStateFormUnit& w) {
        EXPECT_EQ(TickedPorts(w.Ports), std::vector<int>{2});
        TickPorts(w.Ports, {1, 3});
        const int reads = Stat("get");
        Click(w.SetBtn);
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{EEEState + "=A000000000000000"}}));
        EXPECT_EQ(Stat("get"), reads + 1);
        EXPECT_EQ(TickedPorts(w.Ports), (std::vector<int>{1, 3}));
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Slower than the default time-out and its retry (2 s): Set waits 6 s an attempt.
TEST_F(EEEStateWindow, ASlowSwitchIsWaitedForFromTheFirstSetOn)
{
    InWindow<TEEEStateFormUnit>([&](TEEEStateFormUnit& w) {
        sim->Control("delay 2500");
        TickPorts(w.Ports, {26});
        Click(w.SetBtn);
        EXPECT_EQ(w.Request->Request.Timeout, 600);
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0});
        EXPECT_EQ(TickedPorts(w.Ports), std::vector<int>{26});
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
