// The Q-BRIDGE static unicast and multicast filtering windows against the simulated switch: the
// entries listed, Add's checks and what it writes, Delete after its question, the multicast Set.

#include "SwitchingFixture.h"

#include "features/switching/MulticastFilterInformationForm.h"
#include "features/switching/UnicastFilterInformationForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ModalResult.h"

namespace {

const std::string UnicastEntry = "1.3.6.1.2.1.17.7.1.3.1.1";
const std::string MulticastEntry = "1.3.6.1.2.1.17.7.1.3.2.1";

using Table = std::vector<std::vector<std::string>>;

class StaticFilterWindows : public SwitchingWindowTest {};

TEST_F(StaticFilterWindows, UnicastEntriesAreAddedWithAPortAndDeletedAfterTheQuestion)
{
    InWindow<TUnicastFilterInformationForm>([&](TUnicastFilterInformationForm& w) {
        ui::ListView* list = w.LV_dot1qStaticUnicastEntry;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_EQ(Cells(list), (Table{{"1", "001122334455", "0", "1-2[C000000000000000]", "permanent"},
                                      {"2", "000102030405", "0", "9[0080000000000000]", "permanent"}}));
        EXPECT_EQ(w.ST_Count->Caption(), "2");
        EXPECT_FALSE(w.DeleteBtn->isEnabled());

        // Both keys are needed, then a port.
        Click(w.ADDBtn);
        TypeInto(w.ED_UnicastVID, "5");
        TypeInto(w.UnicastAddress, "0A0B0C0D0E0F");
        Click(w.ADDBtn);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{
                                         "Please input VLAN ID and MAC Address.",
                                         "Please select a port to config,be sure the VLAN contains the port."}));
        EXPECT_TRUE(Sets().empty());

        // With port 4: the allowed ports and "permanent" of the entry 5, MAC, receive port 0; the
        // framework reads the table again.
        Click(w.Ports->PortBoxes[3]);
        Click(w.ADDBtn);
        ASSERT_TRUE(WaitFor([&] { return list->Count() == 3 && Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{UnicastEntry + ".3.5.10.11.12.13.14.15.0=1000000000000000",
                                  UnicastEntry + ".4.5.10.11.12.13.14.15.0=3"}}));
        EXPECT_EQ(Cells(list)[2], (std::vector<std::string>{"5", "0A0B0C0D0E0F", "0", "4[1000000000000000]", "permanent"}));
        EXPECT_EQ(w.ED_UnicastVID->Text(), "");

        // A row shows its keys, read-only.
        ClickRow(list, 0);
        EXPECT_EQ(w.ED_UnicastVID->Text(), "1");
        EXPECT_EQ(w.UnicastAddress->Text(), "001122334455");
        EXPECT_TRUE(w.UnicastAddress->ReadOnly());
        EXPECT_TRUE(w.DeleteBtn->isEnabled());
        EXPECT_FALSE(w.ADDBtn->isEnabled());

        // Delete asks; Cancel writes nothing and resets the editors all the same.
        ClearMessageBoxes();
        AnswerNextMessageBox(ui::mrCancel);
        Click(w.DeleteBtn);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Are you sure to delete it?"});
        EXPECT_TRUE(Sets().empty());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_FALSE(w.UnicastAddress->ReadOnly());

        // OK: "invalid" alone.
        ClickRow(list, 0);
        Click(w.DeleteBtn);
        ASSERT_TRUE(WaitFor([&] { return list->Count() == 2 && Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{UnicastEntry + ".4.1.0.17.34.51.68.85.0=2"}}));
        EXPECT_EQ(w.ST_Count->Caption(), "2");
    });
}

TEST_F(StaticFilterWindows, MulticastSetWritesTheEgressPortsAlone)
{
    InWindow<TMulticastFilterInformationForm>([&](TMulticastFilterInformationForm& w) {
        ui::ListView* list = w.LV_dot1qStaticMulticastEntry;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_EQ(Cells(list), (Table{{"1", "01005E000001", "0", "3[2000000000000000]", "permanent"}}));
        EXPECT_FALSE(w.SetBtn->isEnabled());

        ClickRow(list, 0);
        EXPECT_TRUE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.ED_MACAddress->isEnabled());
        EXPECT_EQ(TickedPorts(w.Ports), std::vector<int>{3});
        Click(w.Ports->PortBoxes[4]);
        Click(w.SetBtn);
        ASSERT_TRUE(WaitFor([&] { return list->Count() == 1 && Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{MulticastEntry + ".3.1.1.0.94.0.0.1.0=2800000000000000"}}));
        EXPECT_EQ(Cells(list)[0][3], "3,5[2800000000000000]");
        // The status is written again by the next write.
        EXPECT_EQ(w.Request->Request.VarList.Item(TStaticFilterForm::StatusItem).access, readwrite);
        EXPECT_TRUE(w.ED_MACAddress->isEnabled());

        // Add: "permanent" with the egress ports.
        TypeInto(w.ED_MulticastVID, "2");
        TypeInto(w.ED_MACAddress, "01005E7F0001");
        TickPorts(w.Ports, {1});
        Click(w.AddBtn);
        ASSERT_TRUE(WaitFor([&] { return list->Count() == 2 && Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{MulticastEntry + ".3.2.1.0.94.127.0.1.0=8000000000000000",
                                  MulticastEntry + ".5.2.1.0.94.127.0.1.0=3"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A Close asked for while a row of a read is handled (inside the switch's answer) takes effect
// once that handling has returned: the request is never freed under its own answer.
TEST_F(StaticFilterWindows, ACloseAskedForInsideAnAnswerWaitsForIt)
{
    bool freedInside = true;
    const int result = InWindow<TUnicastFilterInformationForm>([&](TUnicastFilterInformationForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        bool asked = false;
        w.LV_dot1qStaticUnicastEntry->OnChange = [&](QObject*, ui::ListItem*) {
            if (asked || w.LV_dot1qStaticUnicastEntry->Count() == 0)
                return;
            asked = true;
            w.Close();
            freedInside = w.Request == nullptr;
        };
        Click(w.RefreshBtn);
        ASSERT_TRUE(WaitFor([&] { return asked; }));
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 10000)); // FormClose has run since
    });
    EXPECT_FALSE(freedInside);
    EXPECT_EQ(result, ui::mrCancel);
}

} // namespace
