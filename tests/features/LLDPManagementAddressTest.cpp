// The LLDP management address window against the simulated switch: Set waits for the answer and
// lists what the switch holds then; a refused write is shown; the wait ends within its bound,
// at Stop, and a Close asked for during it takes effect after the handler.

#include "SwitchingFixture.h"

#include "features/switching/LLDP_Management_Address.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Scale.h"
#include "ui/StatusBar.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

const std::string Entry = "1.0.8802.1.1.2.1.1.7.1";

using Table = std::vector<std::vector<std::string>>;

class LLDPManagementAddress : public SwitchingWindowTest {
protected:
    void TearDown() override
    {
        ui::ForcePixelsPerInch(0);
        SwitchingWindowTest::TearDown();
    }
};

TEST_F(LLDPManagementAddress, SetWaitsThenListsTheSwitchsPorts)
{
    ui::ForcePixelsPerInch(120); // the window keeps its layout size all the same
    InWindow<TLLDP_Management_Address>([&](TLLDP_Management_Address& w) {
        EXPECT_EQ(w.width(), 600);
        EXPECT_EQ(w.height(), 396);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", "10.0.0.1", "1-4[F000000000000000]"},
                                             {"1", "192.168.1.10", "0[0000000000000000]"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_FALSE(w.btnEdit->isEnabled());

        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_EQ(TickedPorts(w.Ports), (std::vector<int>{1, 2, 3, 4}));
        Click(w.Ports->PortBoxes[0]);
        Click(w.btnEdit);
        // The handler returned after the answer: the write is in, the read after it runs.
        EXPECT_EQ(Sets(), (Table{{Entry + ".1.1.4.10.0.0.1=7000000000000000"}}));
        EXPECT_EQ(w.DataComplete, 0);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[0][2], "2-4[7000000000000000]");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);

        // An empty port list goes out as it is.
        ClickRow(w.ListView1, 1);
        Click(w.btnEdit);
        EXPECT_EQ(Sets(), (Table{{Entry + ".1.1.4.192.168.1.10=0000000000000000"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));

        // Refresh unchecks the boxes and disables Set until a row is chosen again; while that read
        // runs, Refresh and Set refuse with their own words.
        ClickRow(w.ListView1, 0);
        sim->Control("delay 100");
        Click(w.btnGet);
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_TRUE(TickedPorts(w.Ports).empty());
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        ClickRow(w.ListView1, 0);
        Click(w.btnEdit);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(w.ListView1->Count(), 2);
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete!", "Get data not complete"}));
}

struct WaitCase {
    const char* name;
    std::function<void(SimSwitch&)> fault;
};

// A refused write and a silent switch: the answer (or its time-out) ends the wait within the
// request's bound and shows in a message box.
TEST_F(LLDPManagementAddress, AFailedWriteIsShownAndTheWaitEndsInItsBound)
{
    DefaultTimeout = 50;
    const WaitCase cases[] = {
        {"refused", [](SimSwitch& s) { s.Control("error 1.0.8802.1.1.2.1.1.7.1.1 genErr"); }},
        {"silent", [](SimSwitch& s) { s.Control("silence on"); }},
    };
    for (const WaitCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        InWindow<TLLDP_Management_Address>([&](TLLDP_Management_Address& w) {
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            ClickRow(w.ListView1, 0);
            w.StatusBar1->Panel(0)->SetText("");
            c.fault(*sim);
            const int boundMs = (w.Request->Request.Retries + 1) * w.Request->Request.Timeout * 10 + 1000;
            QElapsedTimer clock;
            clock.start();
            Click(w.btnEdit);
            EXPECT_LT(clock.elapsed(), boundMs + 2000);
            EXPECT_EQ(MessageBoxes().size(), 1u);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
            // Nothing tells of a success: the read after the write failed as well.
            EXPECT_EQ(StatusLine(&w), "");
        });
        sim->Control("reset");
        sim->Control("silence off");
    }
}

// Stop during the wait ends it; the read that follows sets the active flag again and lists the
// rows.
TEST_F(LLDPManagementAddress, StopDuringTheWaitThenTheRead)
{
    InWindow<TLLDP_Management_Address>([&](TLLDP_Management_Address& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 0);
        // The answer is held for 3 s: without Stop the wait lasts until the request's two
        // attempts of 1 s have timed out. Stop, clicked after 0.1 s, ends it well before.
        // Then the switch answers at once again.
        sim->Control("delay 3000");
        QTimer::singleShot(100, &w, [&] { Click(w.StopButton); });
        QElapsedTimer clock;
        clock.start();
        Click(w.btnEdit);
        EXPECT_LT(clock.elapsed(), 2000);
        sim->Control("delay 0");
        EXPECT_EQ(w.Request->Request.Active, 1);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()) && w.ListView1->Count() == 2; }, 10000));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(LLDPManagementAddress, CloseDuringTheWaitClosesAfterTheHandler)
{
    bool openAfterClose = false;
    bool handlerReturned = false;
    const int result = InWindow<TLLDP_Management_Address>([&](TLLDP_Management_Address& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 0);
        sim->Control("delay 300");
        QTimer::singleShot(100, &w, [&] {
            Click(w.btnClose);
            openAfterClose = w.isVisible() && w.Request != nullptr;
        });
        Click(w.btnEdit);
        handlerReturned = w.Request != nullptr;
        // The close, held back until now, frees the request once its read has stopped.
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 10000));
    });
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(handlerReturned);
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(Sets().size(), 1u);
}

} // namespace
