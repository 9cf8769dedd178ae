// The multicast proxy windows against the simulated switch: the upstream interfaces (the chosen
// row's ports, what Set writes and for which index) and the group table (the table the proxy kind
// chooses, Refresh while a read runs or after one that was not sent).

#include "SwitchingFixture.h"

#include "features/switching/IGMPSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MLDSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/McastProxyGroupForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageControl.h"

namespace {

const std::string IGMPUpstream = "1.3.6.1.4.1.171.12.80.3.1.1.1";
const std::string MLDUpstream = "1.3.6.1.4.1.171.12.80.3.2.1.1";

using Table = std::vector<std::vector<std::string>>;

class ProxyWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"multicast.dat"}; }
    void TearDown() override
    {
        ProxyGroupKind = 0;
        SwitchingWindowTest::TearDown();
    }

    static bool AllEnabled(const TStackingPortUitForm* picker, bool enabled)
    {
        for (const ui::CheckBox* box : picker->PortBoxes)
            if (box->isEnabled() != enabled)
                return false;
        return true;
    }
    static void Retype(ui::Edit* edit, const std::string& text)
    {
        edit->SetText("");
        TypeInto(edit, text);
    }
};

// A chosen row shows its dynamic ports checked but disabled and its static ports editable; a
// click beside the rows empties the edits and the dynamic boxes and keeps the static marks.
TEST_F(ProxyWindows, UpstreamRowShowsItsPortsAndAClickBesideKeepsTheStaticOnes)
{
    InWindow<TIGMPSnoopingProxyUpstreamInterfaceForm>([&](TIGMPSnoopingProxyUpstreamInterfaceForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 2; }));
        EXPECT_EQ(w.PageControl1->PageCaption(w.PageControl1->Page(0)), "Dynamic Router Ports");
        EXPECT_EQ(w.PageControl1->PageCaption(w.PageControl1->Page(1)), "Static Router Ports");
        EXPECT_TRUE(AllEnabled(w.DynamicPorts, false));
        EXPECT_FALSE(w.btnSet->isEnabled());

        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.IndexEdit->Text(), "1");
        EXPECT_EQ(w.VIDEdit->Text(), "10");
        EXPECT_EQ(w.IntervalTime->Text(), "10");
        EXPECT_EQ(w.edtIPAddress->Text(), "10.0.0.1");
        EXPECT_EQ(TickedPorts(w.DynamicPorts), std::vector<int>{3});
        EXPECT_TRUE(AllEnabled(w.DynamicPorts, false));
        EXPECT_EQ(TickedPorts(w.StaticPorts), (std::vector<int>{1, 2}));
        EXPECT_TRUE(AllEnabled(w.StaticPorts, true));
        EXPECT_TRUE(w.btnSet->isEnabled());

        ClickRow(w.ListView1, -1);
        for (ui::Edit* edit : {w.IndexEdit, w.VIDEdit, w.IntervalTime, w.edtIPAddress})
            EXPECT_EQ(edit->Text(), "") << edit->objectName().toStdString();
        EXPECT_TRUE(TickedPorts(w.DynamicPorts).empty());
        EXPECT_EQ(TickedPorts(w.StaticPorts), (std::vector<int>{1, 2}));
        EXPECT_FALSE(w.btnSet->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// IGMP Set writes the VLAN, the static ports, the interval and the source address of the index in
// the index edit, never the dynamic ports, and the list shows them at once; a changed index
// writes that index's row.
TEST_F(ProxyWindows, IGMPUpstreamSetWritesTheIndexedRowAndReadsItBack)
{
    InWindow<TIGMPSnoopingProxyUpstreamInterfaceForm>([&](TIGMPSnoopingProxyUpstreamInterfaceForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 2; }));
        ClickRow(w.ListView1, 0);
        Retype(w.VIDEdit, "11");
        Retype(w.IntervalTime, "20");
        Retype(w.edtIPAddress, "10.0.0.9");
        w.PageControl1->SetActivePage(w.PageControl1->Page(1));
        Click(w.StaticPorts->PortBoxes[3]);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 2; }));
        EXPECT_EQ(Sets(), (Table{{IGMPUpstream + ".2.1=11", IGMPUpstream + ".4.1=D000000000000000",
                                  IGMPUpstream + ".5.1=20", IGMPUpstream + ".6.1=10.0.0.9"}}));
        EXPECT_EQ(Cells(w.ListView1)[0],
                  (std::vector<std::string>{"1", "11", "3[2000000000000000]", "1-2,4[D000000000000000]", "20",
                                            "10.0.0.9"}));

        ClickRow(w.ListView1, 0);
        Retype(w.IndexEdit, "2");
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 2; }));
        EXPECT_EQ(Sets(), (Table{{IGMPUpstream + ".2.2=11", IGMPUpstream + ".4.2=D000000000000000",
                                  IGMPUpstream + ".5.2=20", IGMPUpstream + ".6.2=10.0.0.9"}}));
        EXPECT_EQ(Cells(w.ListView1)[1][1], "11");
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// MLD: the edits can be used once a row is chosen; Set writes the row and the list keeps what
// it showed until Refresh.
TEST_F(ProxyWindows, MLDUpstreamSetWritesTheRowAndTheListStays)
{
    InWindow<TMLDSnoopingProxyUpstreamInterfaceForm>([&](TMLDSnoopingProxyUpstreamInterfaceForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 1; }));
        for (ui::Edit* edit : {w.IndexEdit, w.VIDEdit, w.IntervalTime, w.edtIPAddress})
            EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(w.IntervalTime->isEnabled());
        EXPECT_EQ(w.edtIPAddress->Text(), "20010DB8000000000000000000000001");
        Retype(w.IntervalTime, "7");
        const int walks = Stat("getnext");
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{MLDUpstream + ".2.1=30", MLDUpstream + ".4.1=0400000000000000",
                                  MLDUpstream + ".5.1=7", MLDUpstream + ".6.1=20010DB8000000000000000000000001"}}));
        EXPECT_EQ(Stat("getnext"), walks);
        EXPECT_EQ(Cells(w.ListView1)[0][4], "5");

        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 1; }));
        EXPECT_EQ(Cells(w.ListView1)[0][4], "7");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A Refresh while a read runs replaces that read: each row is listed once.
TEST_F(ProxyWindows, UpstreamRefreshDuringAReadListsEveryRowOnce)
{
    sim->Control("delay 80");
    InWindow<TIGMPSnoopingProxyUpstreamInterfaceForm>([&](TIGMPSnoopingProxyUpstreamInterfaceForm& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        Click(w.btnGet);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The proxy kind chooses the table: IGMP the IPv4 one (its editors usable after the read), any
// other kind the IPv6 one (its editors off until a row is chosen).
TEST_F(ProxyWindows, GroupWindowShowsTheTableOfTheProxyKind)
{
    ProxyGroupKind = 1;
    InWindow<TMcastProxyGroupForm>([&](TMcastProxyGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(w.ListView1->ColumnCaption(4), "State");
        EXPECT_EQ(Cells(w.ListView1), (Table{{"239.1.1.1", "10.0.0.1", "10", "3-4[3000000000000000]", "active"},
                                             {"239.1.1.2", "0.0.0.0", "20", "0[0000000000000000]", "inactive"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_TRUE(w.edtDstAddr->isEnabled());
        EXPECT_TRUE(w.PortSelector->PortBoxes[0]->isEnabled());
        EXPECT_FALSE(w.RuleOwnerComboBox->isVisible());

        ClickRow(w.ListView1, 1);
        EXPECT_EQ(w.edtSrcAddr->Text(), "0.0.0.0");
        EXPECT_EQ(w.ComboBox1->Text(), "inactive");
        ClickRow(w.ListView1, -1);
        EXPECT_EQ(w.edtDstAddr->Text(), "");
        EXPECT_EQ(w.edtSrcAddr->Text(), "");
        EXPECT_EQ(w.edtVLANID->Text(), "");
        EXPECT_EQ(w.ComboBox1->Text(), "active");
    });
    ProxyGroupKind = 2;
    InWindow<TMcastProxyGroupForm>([&](TMcastProxyGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(w.ListView1->ColumnCaption(4), "Status");
        EXPECT_EQ(Cells(w.ListView1),
                  (Table{{"FF0E0000000000000000000000000001", "20010DB8000000000000000000000001", "30",
                          "15[0002000000000000]", "active"}}));
        for (QWidget* editor : std::initializer_list<QWidget*>{w.edtDstAddr, w.edtSrcAddr, w.edtVLANID, w.ComboBox1,
                                                               w.PortSelector->PortBoxes[0]})
            EXPECT_FALSE(editor->isEnabled()) << editor->objectName().toStdString();
        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(w.edtDstAddr->isEnabled());
        EXPECT_EQ(TickedPorts(w.PortSelector), std::vector<int>{15});
    });
    EXPECT_EQ(ProxyGroupKind, 2) << "the kind stays set";
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Refresh while the read runs is refused; a Refresh whose read was not sent leaves the window
// idle, so the next Refresh reads.
TEST_F(ProxyWindows, GroupRefreshDuringAReadAndAfterOneNotSent)
{
    ProxyGroupKind = 1;
    sim->Control("delay 150");
    InWindow<TMcastProxyGroupForm>([&](TMcastProxyGroupForm& w) {
        Click(w.GetButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete."});
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(w.ListView1->Count(), 2);
        sim->Control("delay 0");
        ClearMessageBoxes();

        const std::uint8_t kind = w.Request->Request.VarList.kind;
        w.Request->Request.VarList.kind = 9; // no list kind the request can send
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        w.Request->Request.VarList.kind = kind;
        Click(w.GetButton);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(w.ListView1->Count(), 2);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
}

// Close stops a read still under way and closes at once, without a message.
TEST_F(ProxyWindows, GroupCloseStopsTheRead)
{
    ProxyGroupKind = 2;
    sim->Control("delay 300");
    InWindow<TMcastProxyGroupForm>([&](TMcastProxyGroupForm& w) {
        EXPECT_TRUE(WindowLifecycle::Running(w.Request.get()));
        Click(w.CloseButton);
        EXPECT_TRUE(WaitFor([&] { return !w.Request && w.PortSelector.isNull(); }, 10000));
        EXPECT_NE(w.ModalResult(), ui::mrNone);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
