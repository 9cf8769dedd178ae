// The IP-MAC-port binding windows against the simulated switch: the IPv4 and IPv6 bindings
// listed, checked, added, edited and deleted, and the blocked hosts deleted one at a time.

#include "IPMACBindingFixture.h"

#include "features/system/IPMACBindingForm.h"
#include "features/system/IPMACBindingIPv6Form.h"
#include "features/system/IpMacBindBlockedForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/StatusBar.h"

namespace {

const std::string V4Entry = "1.3.6.1.4.1.171.12.23.4.1.1";
const std::string V6Entry = "1.3.6.1.4.1.171.12.23.4.4.1";
const std::string BlockedEntry = "1.3.6.1.4.1.171.12.23.4.2.1";
const char* const V6Message = "Please enter a valid IPv6 address whose length is 32 without ':'.";

class IPMACBindingWindows : public IPMACBindingWindowTest {
protected:
    // A binding typed into the editors: the address, the MAC address and the ports ticked.
    template <class Window>
    static void TypeBinding(Window& w, const std::string& address, const std::string& mac, const std::vector<int>& ports)
    {
        w.edtIpAddr->SetText("");
        w.edtMacAddr->SetText("");
        TypeInto(w.edtIpAddr, address);
        TypeInto(w.edtMacAddr, mac);
        TickPorts(w.PortPicker, ports);
    }
};

struct Refusal {
    const char* address;
    const char* mac;
    const char* message;
    const char* focus;
};

// Add's checks in their order: the address whole, then the MAC address; nothing goes out.
TEST_F(IPMACBindingWindows, IPv4AddChecksAddressAndMAC)
{
    const Refusal cases[] = {
        {"192.168.100.100x", "001122334466", "Please input a valid IP", "edtIpAddr"},
        {"1.2.3", "001122334466", "Please input a valid IP", "edtIpAddr"},
        {"10.1.1.9", "00-11-22-33-44-66", "Invalid MAC address", "edtMacAddr"},
    };
    InWindow<TIPMACBindingForm>([&](TIPMACBindingForm& w) {
        for (const Refusal& c : cases) {
            SCOPED_TRACE(std::string(c.address) + " " + c.mac);
            ClearMessageBoxes();
            TypeBinding(w, c.address, c.mac, {3});
            Click(w.btnAdd);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
            ASSERT_NE(Focus(w), nullptr);
            EXPECT_EQ(Focus(w)->objectName().toStdString(), c.focus);
            EXPECT_TRUE(Sets().empty());
        }
    });
}

TEST_F(IPMACBindingWindows, IPv4AddEditAndDelete)
{
    InWindow<TIPMACBindingForm>([&](TIPMACBindingForm& w) {
        ui::ListView* list = w.ListView1;
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"10.1.1.1", "10.1.1.2"}));
        EXPECT_EQ(w.txt1->Caption(), "2");
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_FALSE(w.ComboStatus->isVisible());
        EXPECT_EQ(w.PageControl1->PageCaption(w.PageControl1->Page(0)), "Binding Ports");

        // Without a ticked port: MAC and createAndGo only. With port 3: the ports too.
        TypeBinding(w, "10.1.1.9", "00AABBCCDDEE", {});
        Click(w.btnAdd);
        TypeBinding(w, "10.1.1.10", "00AABBCCDDEF", {3});
        Click(w.btnAdd);
        EXPECT_EQ(Sets(), (Table{{V4Entry + ".2.10.1.1.9=00AABBCCDDEE", V4Entry + ".3.10.1.1.9=4"},
                                 {V4Entry + ".2.10.1.1.10=00AABBCCDDEF", V4Entry + ".4.10.1.1.10=2000000000000000",
                                  V4Entry + ".3.10.1.1.10=4"}}));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"10.1.1.1", "10.1.1.2", "10.1.1.9", "10.1.1.10"}));
        EXPECT_EQ(w.txt1->Caption(), "4");
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_EQ(w.edtMacAddr->Text(), "");
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());

        // A selected row: its address fixed; Edit sends the row's own status with the new MAC.
        ClickRow(list, 0);
        EXPECT_EQ(w.edtIpAddr->Text(), "10.1.1.1");
        EXPECT_FALSE(w.edtIpAddr->isEnabled());
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{3});
        w.edtMacAddr->SetText("");
        TypeInto(w.edtMacAddr, "001122334499");
        Click(w.btnEdit);
        EXPECT_EQ(Sets(), (Table{{V4Entry + ".2.10.1.1.1=001122334499", V4Entry + ".4.10.1.1.1=2000000000000000",
                                  V4Entry + ".3.10.1.1.1=1"}}));
        EXPECT_EQ(Cells(list)[0][1], "001122334499");
        EXPECT_FALSE(w.btnEdit->isEnabled());

        // Delete: destroy alone, no question; the flags are back.
        ClickRow(list, 1);
        Click(w.btnDelete);
        EXPECT_EQ(Sets(), (Table{{V4Entry + ".3.10.1.1.2=6"}}));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"10.1.1.1", "10.1.1.9", "10.1.1.10"}));
        for (int i = 0; i < w.Request->Request.VarList.Count(); ++i)
            EXPECT_EQ(w.Request->Request.VarList.Item(i).access & invalid, 0) << i;

        // A click beside the rows: both edits empty, no port ticked, the address editable.
        ClickRow(list, 0);
        ClickRow(list, -1);
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_EQ(w.edtMacAddr->Text(), "");
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
        EXPECT_TRUE(w.edtIpAddr->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A write the switch refuses keeps what the user typed; the list is read again.
TEST_F(IPMACBindingWindows, ARefusedWriteKeepsTheEditors)
{
    InWindow<TIPMACBindingForm>([&](TIPMACBindingForm& w) {
        const int walks = Stat("getnext");
        TypeBinding(w, "10.1.1.1", "00AABBCCDDEE", {5});
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses().size(), 1u);
        EXPECT_GT(Stat("getnext"), walks);
        EXPECT_EQ(w.edtIpAddr->Text(), "10.1.1.1");
        EXPECT_EQ(w.edtMacAddr->Text(), "00AABBCCDDEE");
        EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{5});
        EXPECT_EQ(Cells(w.ListView1)[0][1], "001122334455");
        EXPECT_EQ(w.Request->Request.VarList.Item(TIPMACBindingForm::PortsItem).access & invalid, 0);
    });
}

// The address is checked before the MAC address; only its 32 digits pass, in either case, and
// make the 16 sub-identifiers of the row.
TEST_F(IPMACBindingWindows, IPv6AddressIsCheckedAndIndexesTheRow)
{
    const Refusal refused[] = {
        {"fe80:0000:0000:0000:0000:0000:01", "00-11-22", V6Message, "edtIpAddr"},
        {"", "001122334466", V6Message, "edtIpAddr"},
        {"20010DB8000000000000000000000009", "00-11-22", "Invalid MAC address", "edtMacAddr"},
    };
    InWindow<TIPMACBindingIPv6Form>([&](TIPMACBindingIPv6Form& w) {
        EXPECT_EQ(Captions(w.ListView1), std::vector<std::string>{"20010DB8000000000000000000000001"});
        EXPECT_EQ(w.StaticText1->Caption(), "1");
        for (const Refusal& c : refused) {
            SCOPED_TRACE(c.address);
            ClearMessageBoxes();
            TypeBinding(w, c.address, c.mac, {});
            Click(w.btnAdd);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
            ASSERT_NE(Focus(w), nullptr);
            EXPECT_EQ(Focus(w)->objectName().toStdString(), c.focus);
            EXPECT_TRUE(Sets().empty());
        }
        ClearMessageBoxes();
        TypeBinding(w, "20010DB8000000000000000000000002", "00AABBCCDD02", {});
        Click(w.btnAdd);
        TypeBinding(w, "20010db8000000000000000000000003", "00AABBCCDD03", {2});
        Click(w.btnAdd);
        const std::string a2 = ".32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.2", a3 = ".32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.3";
        EXPECT_EQ(Sets(), (Table{{V6Entry + ".2" + a2 + "=00AABBCCDD02", V6Entry + ".6" + a2 + "=4"},
                                 {V6Entry + ".2" + a3 + "=00AABBCCDD03", V6Entry + ".3" + a3 + "=4000000000000000",
                                  V6Entry + ".6" + a3 + "=4"}}));
        EXPECT_EQ(w.ListView1->Count(), 3);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

        // The selected row's address passes as it stands: Edit keeps the row's status.
        ClickRow(w.ListView1, 0);
        Click(w.btnEdit);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// Delete sends MAC, Ports and destroy in one SET; the last row gone, the count shows "0".
TEST_F(IPMACBindingWindows, IPv6DeleteSendsTheRowWithDestroy)
{
    InWindow<TIPMACBindingIPv6Form>([&](TIPMACBindingIPv6Form& w) {
        ClickRow(w.ListView1, 0);
        Click(w.btnDelete);
        const std::string a1 = ".32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1";
        EXPECT_EQ(Sets(), (Table{{V6Entry + ".2" + a1 + "=00112233445B", V6Entry + ".3" + a1 + "=3000000000000000",
                                  V6Entry + ".6" + a1 + "=6"}}));
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        EXPECT_FALSE(w.btnDelete->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// An exception: the IPv4 window shows its message, the IPv6 window the log line of its message.
TEST_F(IPMACBindingWindows, ExceptionsReachTheStatusLine)
{
    InWindow<TIPMACBindingForm>([&](TIPMACBindingForm& w) {
        w.Request->Request.Device.Address = "";
        Click(w.btnGet);
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(StatusLine(&w).rfind("Get: ", 0), std::string::npos) << StatusLine(&w);
    });
    InWindow<TIPMACBindingIPv6Form>([&](TIPMACBindingIPv6Form& w) {
        w.Request->Request.Device.Address = "";
        TypeBinding(w, "20010DB8000000000000000000000002", "00AABBCCDD02", {});
        Click(w.btnAdd);
        EXPECT_EQ(StatusLine(&w).rfind("Set: ", 0), 0u) << StatusLine(&w);
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Delete writes destroy at the row's VLAN and MAC, without a question, and the table is read
// again; without a selected row (Refresh keeps Delete enabled) it writes nothing.
TEST_F(IPMACBindingWindows, BlockedHostsAreDeletedOneAtATime)
{
    InWindow<TIpMacBindBlockedForm>([&](TIpMacBindBlockedForm& w) {
        EXPECT_EQ(Cells(w.lv1), (Table{{"1", "00AABBCCDD01", "default", "5", "active"},
                                       {"20", "00AABBCCDD02", "sales", "7", "active"}}));
        EXPECT_EQ(w.txt1->Caption(), "2");
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ClickRow(w.lv1, 0);
        EXPECT_TRUE(w.btnDelete->isEnabled());
        Click(w.btnGet);
        EXPECT_TRUE(w.btnDelete->isEnabled());
        Click(w.btnDelete);
        EXPECT_TRUE(Sets().empty());

        ClickRow(w.lv1, 1);
        Click(w.btnDelete);
        EXPECT_EQ(Sets(), (Table{{BlockedEntry + ".7.20.0.170.187.204.221.2=6"}}));
        EXPECT_EQ(Captions(w.lv1), std::vector<std::string>{"1"});
        EXPECT_EQ(w.txt1->Caption(), "1");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
