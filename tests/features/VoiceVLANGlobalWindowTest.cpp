// The voice VLAN global settings window against the simulated switch: the order of the writes
// depends on the state the switch reports, and the port lists show only while voice VLAN is
// enabled.

#include "PortWindowsFixture.h"

#include "features/switching/VoiceVLANGlobalForm.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"

namespace {

const std::string Voice = "1.3.6.1.4.1.171.12.74";

class VoiceVLANGlobalWindow : public PortWindowTest {
protected:
    // The user chooses the global state.
    static void Choose(TVoiceVLANGlobalForm& w, const std::string& state)
    {
        w.tempGlobalComboBox->SetText(state);
        ui::Fire(w.tempGlobalComboBox->OnChange, static_cast<QObject*>(w.tempGlobalComboBox));
    }
};

TEST_F(VoiceVLANGlobalWindow, WritesInTheOrderTheSwitchStateNeeds)
{
    struct Case {
        const char* name;
        int state;          // on the switch: 1 enabled, 2 disabled
        const char* vlan;   // on the switch
        const char* typed;  // into the ID edit
        const char* chosen; // the global state chosen
        std::vector<std::vector<std::string>> written;
        std::vector<std::string> boxes;
        std::vector<int> membersBefore, membersAfter;
    };
    const std::string id = Voice + ".1.1.0=", state = Voice + ".1.2.0=";
    const std::vector<std::string> settings = {Voice + ".1.3.0=6", Voice + ".1.4.0=720", Voice + ".1.5.0=2"};
    const Case cases[] = {
        {"disabled, new ID, enabled", 2, "0", "100", "enabled",
         {{id + "100"}, {state + "1"}, settings}, {}, {}, {1, 3}},
        {"disabled, ID 0, enabled", 2, "0", "0", "enabled", {{state + "1"}, settings}, {}, {}, {1, 3}},
        {"enabled, changed ID", 1, "100", "200", "enabled", {},
         {"Voice VLAN ID cannot be changed as it is enabled."}, {1, 3}, {1, 3}},
        {"enabled, disabled", 1, "100", "100", "disabled", {{state + "2"}}, {}, {1, 3}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        Serve(Voice + ".1.2.0 i " + std::to_string(c.state) + " rw enum=1,2");
        Serve(Voice + ".1.1.0 i " + c.vlan + " rw range=0..4094");
        Serve(Voice + ".1.3.0 i 5 rw range=0..7");
        InWindow<TVoiceVLANGlobalForm>([&](TVoiceVLANGlobalForm& w) {
            EXPECT_EQ(w.tepVIDEdit->Text(), c.vlan);
            EXPECT_EQ(w.tempGlobalComboBox->ItemIndex(), c.state == 1 ? 0 : 1);
            EXPECT_EQ(w.tepVIDEdit->isEnabled(), c.state == 1);
            EXPECT_EQ(w.PriorityEdit->Text(), "5");
            EXPECT_EQ(TickedPorts(w.MemberPorts), c.membersBefore);
            // Only shown.
            EXPECT_FALSE(w.MemberPorts->PortBoxes[0]->isEnabled());
            EXPECT_FALSE(w.DynamicPorts->PortBoxes[0]->isEnabled());

            Choose(w, c.chosen);
            w.tepVIDEdit->SetText(c.typed);
            w.PriorityEdit->SetText("6");
            Click(w.btnSet);
            EXPECT_EQ(Sets(), c.written);
            EXPECT_EQ(MessageBoxTexts(), c.boxes);
            // Everything is read again: the switch's ID, and its port lists while enabled.
            EXPECT_EQ(TickedPorts(w.MemberPorts), c.membersAfter);
            EXPECT_EQ(TickedPorts(w.DynamicPorts).empty(), c.membersAfter.empty());
            EXPECT_EQ(w.tepVIDEdit->Text(), w.VIDEdit->Text());
            for (int item = 0; item < w.GlobalRequest->Request.VarList.Count(); ++item)
                EXPECT_EQ(w.GlobalRequest->Request.VarList.Item(item).access, readwrite) << item;
        });
    }
}

} // namespace
