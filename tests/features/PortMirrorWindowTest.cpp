// The port mirror window against the simulated switch: the target shown as unit and port, Set's
// refusals, its three SETs in their order, and the number-only port edit.

#include "PortWindowsFixture.h"

#include "features/switching/PortMirrorForm.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace {

const std::string Mirror = "1.3.6.1.4.1.171.11.133.2.1.2.10";

class PortMirrorWindow : public PortWindowTest {};

TEST_F(PortMirrorWindow, ShowsTheTargetAsUnitAndPort)
{
    InWindow<TPortMirrorForm>([&](TPortMirrorForm& w) {
        // Read before the window shows.
        EXPECT_EQ(w.PortEdit->Text(), "7");
        EXPECT_EQ(w.UnitEdit->Text(), "1");
        EXPECT_EQ(TickedPorts(w.IngressPorts), (std::vector<int>{1, 2}));
        EXPECT_EQ(TickedPorts(w.EgressPorts), (std::vector<int>{3}));
        EXPECT_EQ(w.State_Combox->Text(), "enabled");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);

        struct Shown {
            const char* target;
            const char* unit;
            const char* port;
        };
        for (const Shown& s : {Shown{"64", "1", "64"}, Shown{"0", "0", "0"}, Shown{"70", "2", "6"}}) {
            SCOPED_TRACE(s.target);
            Serve(Mirror + ".1.0 i " + s.target);
            Click(w.BT_Refresh);
            EXPECT_EQ(w.UnitEdit->Text(), s.unit);
            EXPECT_EQ(w.PortEdit->Text(), s.port);
        }
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Each refusal sends nothing.
TEST_F(PortMirrorWindow, SetRefusesATargetItCannotUse)
{
    struct Case {
        const char* port;
        std::vector<int> ingress, egress;
        std::vector<std::string> boxes;
        const char* status; // in the status line
    };
    const std::vector<std::string> noPort = {"set valid master port", "Set valid target port"};
    const Case cases[] = {
        {"0", {}, {}, noPort, ""},
        {"", {}, {}, {}, "'' is not a valid integer value"},
        {"5", {}, {5}, {"Target port can not be member port."}, ""},
        {"5", {5}, {}, {"Target port can not be member port."}, ""},
        // Beyond the 64 ports of the pickers.
        {"65", {}, {}, noPort, ""},
    };
    InWindow<TPortMirrorForm>([&](TPortMirrorForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string("port '") + c.port + "'");
            ClearMessageBoxes();
            w.PortEdit->SetText(c.port);
            TickPorts(w.IngressPorts, c.ingress);
            TickPorts(w.EgressPorts, c.egress);
            Click(w.BT_Set);
            EXPECT_EQ(MessageBoxTexts(), c.boxes);
            EXPECT_NE(StatusLine(&w).find(c.status), std::string::npos) << StatusLine(&w);
            EXPECT_TRUE(Sets().empty());
            for (int item = 0; item < w.Request->Request.VarList.Count(); ++item)
                EXPECT_EQ(w.Request->Request.VarList.Item(item).access, readwrite) << item;
        }
    });
}

TEST_F(PortMirrorWindow, SetWritesTheTargetAndStateThenTheIngressThenTheEgressPorts)
{
    InWindow<TPortMirrorForm>([&](TPortMirrorForm& w) {
        w.PortEdit->SetText("");
        TypeInto(w.PortEdit, "9");
        TickPorts(w.IngressPorts, {1, 2});
        TickPorts(w.EgressPorts, {3, 26});
        w.State_Combox->SetText("disabled");
        Click(w.BT_Set);
        const std::vector<std::vector<std::string>> written = {
            {Mirror + ".1.0=9", Mirror + ".4.0=2"},
            {Mirror + ".2.0=C000000000000000"},
            {Mirror + ".3.0=2000004000000000"},
        };
        EXPECT_EQ(Sets(), written);
        EXPECT_NE(StatusLine(&w).find("Set: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

        // The switch refuses the first: its message box, and the other two go out all the same.
        sim->Control("error " + Mirror + ".1 genErr");
        sim->ClearSetJournal();
        Click(w.BT_Set);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournal().size(), 3u);
        EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{5, 0, 0}));
    });
}

TEST_F(PortMirrorWindow, ThePortEditTakesDigitsOnly)
{
    InWindow<TPortMirrorForm>([&](TPortMirrorForm& w) {
        w.PortEdit->SetText("");
        TypeInto(w.PortEdit, "1x2");
        EXPECT_EQ(w.PortEdit->Text(), "12");
        EXPECT_EQ(BeepCount(), 1);
    });
}

// An exception while the window opens is shown in its status line, not lost.
TEST_F(PortMirrorWindow, AFailureWhileOpeningIsShownInTheStatusLine)
{
    DefaultDevice.Address = "";
    InWindow<TPortMirrorForm>([&](TPortMirrorForm& w) {
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
    });
}

TEST_F(PortMirrorWindow, ASwitchOfNoKnownModelIsNotRead)
{
    ModuleOIDText = "";
    const int reads = Stat("get");
    InWindow<TPortMirrorForm>([&](TPortMirrorForm& w) {
        EXPECT_EQ(w.Request, nullptr);
        Click(w.BT_Refresh);
        w.PortEdit->SetText("5");
        Click(w.BT_Set);
    });
    EXPECT_EQ(Stat("get"), reads);
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
