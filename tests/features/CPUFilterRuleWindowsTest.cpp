// The CPU interface filter Ethernet, IPv6 and packet content rule windows against the simulated
// switch: the Ethernet Edit's writes one after the other, the checks of each window, the Row
// Status an Edit carries, and the log line each keeps in its bar's hidden simple text.

#include "CPUFilterFixture.h"

#include "features/acl/CPUFilterEthernetRuleForm.h"
#include "features/acl/CPUFilterIPV6RuleForm.h"
#include "features/acl/CPUFilterPktCntRuleForm.h"
#include "features/acl/TextChecks.h"

#include <QPointer>

namespace {

using Pdus = std::vector<std::string>;

class CPUFilterRuleWindows : public CPUFilterWindowTest {
protected:
    template <class Window>
    static void NewCPURule(Window& w, const std::string& profile, const std::string& access)
    {
        NewRule(w, w.ProfileIDEdit, w.AccessEdit, profile, access);
    }
    static void Typed(ui::CheckBox* box, ui::Edit* edit, const std::string& text)
    {
        box->SetChecked(true);
        edit->SetText(text);
    }
};

TEST_F(CPUFilterRuleWindows, EachWindowListsItsTableWithTheRowStatusOutOfView)
{
    {
        auto& w = OpenWindow<TCPUFilterEthernetRuleForm>();
        EXPECT_EQ(w.ListView1->ColumnCount(), 11);
        EXPECT_EQ(w.ListView1->ColumnCaption(2), "Ethernet Type");
        EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_EQ(w.Request->Mode, 0);
        EXPECT_FALSE(ui::Visible(w.cbxRow));
        EXPECT_FALSE(ui::Visible(w.RowComboBox));
        EXPECT_EQ(w.PermitComboBox->Text(), "permit");
        EXPECT_EQ(w.RowComboBox->Text(), "createAndGo");
        EXPECT_FALSE(w.cbxVID->isEnabled()); // "VLAN" off
        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.SourceMACEdit->Text(), "001122334455");
        EXPECT_EQ(w.EthTypeEdit->Text(), "0806");
        delete &w;
    }
    {
        auto& w = OpenWindow<TCPUFilterIPV6RuleForm>();
        EXPECT_EQ(w.ListView1->ColumnCount(), 9);
        EXPECT_EQ(w.ListView1->Count(), 3);
        // Below the visible part of its group.
        EXPECT_GE(w.cbxRow->y(), w.cbxRow->parentWidget()->height());
        EXPECT_GE(w.RowComboBox->y(), w.RowComboBox->parentWidget()->height());
        delete &w;
    }
    auto& w = OpenWindow<TCPUFilterPktCntRuleForm>();
    EXPECT_EQ(w.ListView1->ColumnCount(), 10);
    EXPECT_EQ(w.ListView1->ColumnCaption(2), "Payload Offset (1-15)");
    EXPECT_EQ(w.cbxPayloadOff1->Caption(), "Payload Offset (0-15)");
    EXPECT_EQ(w.ListView1->Count(), 2);
    EXPECT_GE(w.cbxRow->y(), w.cbxRow->parentWidget()->height());
    ClickRow(w.ListView1, 0);
    EXPECT_EQ(w.PayloadOff1Edit->Text(), "000102030405060708090A0B0C0D0E0F");
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Edit writes the rule's other columns first, then the Ethernet type, the ports and the source
// MAC address, each alone; Add writes them all at once.
TEST_F(CPUFilterRuleWindows, EthernetEditWritesTypePortsAndAddressesApart)
{
    auto& w = OpenWindow<TCPUFilterEthernetRuleForm>();
    ClickRow(w.ListView1, 0);
    w.cbxPermit->SetChecked(true);
    Typed(w.cbxEtherType, w.EthTypeEdit, "86DD");
    Typed(w.cbxSource, w.SourceMACEdit, "001122334466");
    Click(w.EditButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Columns(Sets(), EthernetRule),
              (Pdus{"8.1.1=1", "7.1.1=86DD", "10.1.1=E000000000000000", "4.1.1=001122334466"}));
    ClickRow(w.ListView1, 0);
    EXPECT_EQ(w.EthTypeEdit->Text(), "86DD");
    EXPECT_EQ(w.SourceMACEdit->Text(), "001122334466");

    // Unchecked, the type and the address stay out; the ports always go.
    w.cbxPermit->SetChecked(true);
    w.EthTypeEdit->SetText("0800");
    Click(w.EditButton);
    EXPECT_EQ(Columns(Sets(), EthernetRule), (Pdus{"8.1.1=1", "10.1.1=E000000000000000"}));

    // Nothing checked on an active rule: the main write carries no column and still goes.
    ClickRow(w.ListView1, 0);
    Click(w.EditButton);
    EXPECT_EQ(Columns(Sets(), EthernetRule), (Pdus{"", "10.1.1=E000000000000000"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Panel0(&w), "");

    // Add of the same inputs: one write.
    NewCPURule(w, "3", "1");
    Typed(w.cbxEtherType, w.EthTypeEdit, "86DD");
    Typed(w.cbxSource, w.SourceMACEdit, "001122334466");
    Click(w.AddButton);
    EXPECT_EQ(Columns(Sets(), EthernetRule),
              (Pdus{"7.3.1=86DD 4.3.1=001122334466 8.3.1=2 9.3.1=4 10.3.1=5000000000000000"}));
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "3/1"}));
}

// A write the switch refuses is reported once; the writes after it still go.
TEST_F(CPUFilterRuleWindows, EthernetEditGoesOnAfterARefusedWrite)
{
    auto& w = OpenWindow<TCPUFilterEthernetRuleForm>();
    ClickRow(w.ListView1, 2);
    w.RuleVLANcbx->SetChecked(true);
    Typed(w.cbxVID, w.RuleVIDEdit, "200"); // the switch takes 1 to 100
    Typed(w.cbxSource, w.SourceMACEdit, "001122334466");
    Click(w.EditButton);
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
    EXPECT_EQ(Columns(Sets(), EthernetRule),
              (Pdus{"11.2.1=200", "10.2.1=C000000000000000", "4.2.1=001122334466"}));
    ClickRow(w.ListView1, 2);
    EXPECT_EQ(w.RuleVIDEdit->Text(), "10");
    EXPECT_EQ(w.SourceMACEdit->Text(), "001122334466");
}

TEST_F(CPUFilterRuleWindows, EthernetChecksInOrderAndRefusesAShortMACAddress)
{
    auto& w = OpenWindow<TCPUFilterEthernetRuleForm>();
    const auto valid = [&] { NewCPURule(w, "3", "1"); };
    const std::string empty = "Some check field is empty";
    const CheckCase cases[] = {
        {"empty Profile ID", [&] { valid(); w.ProfileIDEdit->SetText(""); }, "Profile ID must be set.", w.ProfileIDEdit},
        {"VLAN group with an empty VLAN Name",
         [&] {
             valid();
             w.RuleVLANcbx->SetChecked(true);
             w.cbxVlanName->SetChecked(true);
         },
         empty, w.RuleVLANNameEdit},
        {"Destination MAC checked and empty", [&] { valid(); Typed(w.cbxDestination, w.DestMACEdit, ""); }, empty,
         w.DestMACEdit},
        {"Ethernet Type checked and empty", [&] { valid(); Typed(w.cbxEtherType, w.EthTypeEdit, ""); }, empty,
         w.EthTypeEdit},
        // Eleven digits would go out as another address.
        {"Source MAC of eleven digits", [&] { valid(); Typed(w.cbxSource, w.SourceMACEdit, "00112233445"); },
         "Please enter a valid MAC address!", w.SourceMACEdit},
        {"Destination MAC of eleven digits", [&] { valid(); Typed(w.cbxDestination, w.DestMACEdit, "0011223344F"); },
         "Please enter a valid MAC address!", w.DestMACEdit},
        {"no port", [&] { valid(); w.PortSelector->UncheckAll(); }, "You must choose at least 1 port!", nullptr},
        {"a listed rule", [&] { valid(); w.AccessEdit->SetText("2"); w.ProfileIDEdit->SetText("1"); },
         "Has already a record with the same Profile ID and Access ID. Please change eithor of them.", w.ProfileIDEdit},
        {"Permit unchecked, last", [&] { valid(); w.cbxPermit->SetChecked(false); }, "Permit option must be checked.",
         w.PermitComboBox},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);
    // The Edit of a listed rule with a short address is refused the same way.
    ClickRow(w.ListView1, 0);
    ExpectRefused(w.EditButton, {"Edit with a short source address",
                                 [&] { Typed(w.cbxSource, w.SourceMACEdit, "00112233445"); },
                                 "Please enter a valid MAC address!", w.SourceMACEdit});
}

// Ethernet checks the boxes before "VLAN": the VLAN boxes are enabled but stay unchecked.
TEST_F(CPUFilterRuleWindows, EthernetCheckAllLeavesTheVLANBoxesUnchecked)
{
    auto& w = OpenWindow<TCPUFilterEthernetRuleForm>();
    Click(w.AddCheckButton);
    EXPECT_TRUE(w.RuleVLANcbx->Checked());
    EXPECT_TRUE(w.cbxVID->isEnabled());
    EXPECT_TRUE(w.cbxVlanName->isEnabled());
    EXPECT_FALSE(w.cbxVID->Checked());
    EXPECT_FALSE(w.cbxVlanName->Checked());
    EXPECT_TRUE(w.cbxSource->Checked());
    EXPECT_TRUE(w.cbxEtherType->Checked());
    Click(w.CleanCheButton);
    EXPECT_FALSE(w.RuleVLANcbx->Checked());
    EXPECT_FALSE(w.cbxVID->isEnabled());
    EXPECT_FALSE(w.cbxSource->Checked());
}

TEST_F(CPUFilterRuleWindows, IPv6AddressesAreCheckedBeforeAnyWrite)
{
    auto& w = OpenWindow<TCPUFilterIPV6RuleForm>();
    const auto valid = [&] { NewCPURule(w, "3", "1"); };
    const std::string address = "20010DB8000000000000000000000001";
    const CheckCase cases[] = {
        {"checked empty source", [&] { valid(); Typed(w.cbxSource, w.SourceIPV6Edit, ""); },
         "Some checked field is empty", w.SourceIPV6Edit},
        {"a colon in 32 characters", [&] { valid(); Typed(w.cbxDestination, w.DestIPV6Edit, "2001:DB8000000000000000000000001"); },
         IPv6LengthMessage, w.DestIPV6Edit},
        {"checked empty class", [&] { valid(); Typed(w.cbxClass, w.ClassEdit, ""); }, "Some check field is empty",
         w.ClassEdit},
        {"checked empty flow label",
         [&] {
             valid();
             Typed(w.cbxSource, w.SourceIPV6Edit, address);
             Typed(w.cbxFlowLabel, w.FlowLabelEdit, "");
         },
         "Some check field is empty", w.FlowLabelEdit},
        {"no port", [&] { valid(); w.PortSelector->UncheckAll(); }, "You must choose at least 1 port!", nullptr},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);
    // 1/2's source is 8 octets on the switch: 16 digits, shorter than an address.
    ClickRow(w.ListView1, 1);
    ASSERT_EQ(w.SourceIPV6Edit->Text().size(), 16u);
    ExpectRefused(w.EditButton, {"Edit of a short source", [&] { w.cbxSource->SetChecked(true); },
                                 IPv6LengthLessMessage, w.SourceIPV6Edit});
}

// Edit sends Row Status unless it reads active; destroy is sent as it is, no Delete.
TEST_F(CPUFilterRuleWindows, IPv6AndPacketContentEditCarryRowStatusUnlessActive)
{
    {
        auto& w = OpenWindow<TCPUFilterIPV6RuleForm>();
        ClickRow(w.ListView1, 0);
        Typed(w.cbxClass, w.ClassEdit, "8");
        Click(w.EditButton);
        EXPECT_EQ(Columns(Sets(), IPv6Rule), (Pdus{"3.1.1=8 9.1.1=C000000000000000"}));
        ClickRow(w.ListView1, 2);
        ASSERT_EQ(w.RowComboBox->Text(), "notInService");
        Click(w.EditButton);
        EXPECT_EQ(Columns(Sets(), IPv6Rule), (Pdus{"8.2.1=2 9.2.1=2000000000000000"}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        delete &w;
    }
    auto& w = OpenWindow<TCPUFilterPktCntRuleForm>();
    ClickRow(w.ListView1, 0);
    Typed(w.cbxPayloadOff2, w.PayloadOff2Edit, "FFFF0000000000000000000000000000");
    Click(w.EditButton);
    EXPECT_EQ(Columns(Sets(), PacketContentRule),
              (Pdus{"4.1.1=FFFF0000000000000000000000000000 10.1.1=C000000000000000"}));
    ClickRow(w.ListView1, 1);
    ASSERT_EQ(w.RowComboBox->Text(), "notInService");
    Click(w.EditButton);
    EXPECT_EQ(Columns(Sets(), PacketContentRule), (Pdus{"9.2.1=2 10.2.1=1000000000000000"}));
    ClickRow(w.ListView1, 1);
    w.cbxRow->SetChecked(true);
    w.RowComboBox->SetItemIndex(TAclRuleFrame::DestroyIndex);
    Click(w.EditButton);
    EXPECT_EQ(Columns(Sets(), PacketContentRule), (Pdus{"9.2.1=6 10.2.1=1000000000000000"}));
}

TEST_F(CPUFilterRuleWindows, PacketContentChecks)
{
    auto& w = OpenWindow<TCPUFilterPktCntRuleForm>();
    const auto valid = [&] { NewCPURule(w, "3", "1"); };
    const CheckCase cases[] = {
        {"empty Access ID", [&] { valid(); w.AccessEdit->SetText(""); }, "Access ID must be set.", w.AccessEdit},
        {"checked empty third payload", [&] { valid(); Typed(w.cbxPayloadOff3, w.PayloadOff3Edit, ""); },
         "Some check field is empty", w.PayloadOff3Edit},
        {"no port", [&] { valid(); w.PortSelector->UncheckAll(); }, "You must choose at least 1 port!", nullptr},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);
}

// A success shows nothing: the log line goes to the bar's simple text, which its panel hides.
TEST_F(CPUFilterRuleWindows, WritesLogOnlyIntoTheHiddenSimpleText)
{
    auto& w = OpenWindow<TCPUFilterPktCntRuleForm>();
    EXPECT_EQ(HiddenLine(&w).rfind("Get: Ok!", 0), 0u) << HiddenLine(&w);
    const auto expectQuiet = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        EXPECT_EQ(Panel0(&w), "");
        EXPECT_FALSE(HiddenLine(&w).empty());
        EXPECT_FALSE(w.findChild<ui::StatusBar*>()->SimplePanel());
    };
    NewCPURule(w, "3", "1");
    Typed(w.cbxPayloadOff1, w.PayloadOff1Edit, "0102030405060708090A0B0C0D0E0F10");
    Click(w.AddButton);
    ASSERT_EQ(Sets().size(), 1u);
    expectQuiet("Add");
    ClickRow(w.ListView1, 2);
    Click(w.EditButton);
    ASSERT_EQ(Sets().size(), 1u);
    expectQuiet("Edit");
    ClickRow(w.ListView1, 2);
    Click(w.DeleteButton);
    ASSERT_EQ(Columns(Sets(), PacketContentRule), (Pdus{"9.3.1=6"}));
    expectQuiet("Delete");
    EXPECT_EQ(w.ListView1->Count(), 2);
}

// An exception of Delete is shown in panel 0 like every other handler's, not in the hidden line.
TEST_F(CPUFilterRuleWindows, ADeleteThatCannotBeSentIsReportedInPanel0)
{
    auto& w = OpenWindow<TCPUFilterEthernetRuleForm>();
    const std::string opened = HiddenLine(&w);
    ClickRow(w.ListView1, 0);
    const std::string address = w.Request->Request.Device.Address;
    w.Request->Request.Device.Address = "";
    Click(w.DeleteButton);
    w.Request->Request.Device.Address = address;
    EXPECT_TRUE(Sets().empty());
    EXPECT_NE(Panel0(&w), "");
    EXPECT_EQ(Panel0(&w).find("Ok!"), std::string::npos) << Panel0(&w);
    EXPECT_EQ(HiddenLine(&w), opened);
    EXPECT_TRUE(w.AddButton->isEnabled());
    EXPECT_FALSE(w.DeleteButton->isEnabled());
    for (int i = 0; i < w.Request->Request.VarList.Count(); ++i)
        EXPECT_EQ(w.Request->Request.VarList.Item(i).access & invalid, 0) << i;
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Close goes through the frame's closing: the window is freed with its request.
TEST_F(CPUFilterRuleWindows, CloseFreesTheWindow)
{
    StartCPUFilterSwitch();
    const auto closes = [&](TCPUFilterRuleFrame& w, ui::Button* close) {
        const QPointer<QWidget> window(&w);
        Click(close);
        return WaitFor([&] { return window.isNull(); }, 10000);
    };
    auto& ethernet = Open<TCPUFilterEthernetRuleForm>();
    EXPECT_TRUE(closes(ethernet, ethernet.Button1));
    auto& pkt = Open<TCPUFilterPktCntRuleForm>();
    EXPECT_TRUE(closes(pkt, pkt.Button1));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
