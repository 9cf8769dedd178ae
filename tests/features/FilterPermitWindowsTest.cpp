// The DHCP server, DHCPv6 server and ICMPv6 RA all-node permit filter windows against the
// simulated switch: the entries listed, the checks of Add and Edit, what each write sends, the
// reads that follow and the editors in each state.

#include "SwitchingFixture.h"

#include "features/acl/FilterAllNodePermitForm.h"
#include "features/acl/FilterDHCPPermitForm.h"
#include "features/acl/FilterDHCPv6PermitForm.h"

#include "snmp/VarDescriptor.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <QPointer>
#include <QTest>

#include <algorithm>
#include <set>

namespace {

const std::string DhcpEntry = "1.3.6.1.4.1.171.12.37.1.1.1";
// Server 10.0.0.1 with client 00:11:22:33:44:01, and 10.0.0.2 with 00:11:22:33:44:02.
const std::string DhcpRow1 = ".10.0.0.1.0.17.34.51.68.1";
const std::string DhcpRow2 = ".10.0.0.2.0.17.34.51.68.2";

using Table = std::vector<std::vector<std::string>>;

class FilterPermitWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"permitfilters.dat"}; }

    static void TypeDhcpEntry(TFilterDHCPPermitForm& w, const std::string& address, const std::string& mac,
                              const std::vector<int>& ports)
    {
        w.edtIpAddr->SetText("");
        w.edtMacAddr->SetText("");
        TypeInto(w.edtIpAddr, address);
        TypeInto(w.edtMacAddr, mac);
        TickPorts(w.PortPicker, ports);
    }
    static std::string FocusName(QWidget& w)
    {
        return w.focusWidget() != nullptr ? w.focusWidget()->objectName().toStdString() : "";
    }
    static int RowOf(const ui::ListView* list, const std::string& caption)
    {
        const std::vector<std::string> captions = Captions(list);
        const auto at = std::find(captions.begin(), captions.end(), caption);
        return at == captions.end() ? -1 : static_cast<int>(at - captions.begin());
    }
    static bool EachRowOnce(const ui::ListView* list)
    {
        const std::vector<std::string> captions = Captions(list);
        return std::set<std::string>(captions.begin(), captions.end()).size() == captions.size();
    }
};

// --- the DHCP server permit filter window

// The entries with their ports as ranges (and the bitmap the list keeps); Add mode; the count under "Samples".
TEST_F(FilterPermitWindows, DhcpListsTheEntries)
{
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1), (Table{{"10.0.0.1", "001122334401", "1-2[C000000000000000]", "active"},
                                             {"10.0.0.2", "001122334402", "5[0800000000000000]", "active"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_FALSE(w.ComboStatus->isVisible());
        EXPECT_EQ(w.PageControl1->tabText(0), "Ports");
    });
}

struct DhcpRefusal {
    const char* button;
    const char* address;
    const char* mac;
    std::vector<int> ports;
    const char* message;
    const char* focus; // "" when the focus stays
};

// One refusal per check, Add and Edit; nothing goes out. The server address is checked whole:
// a sixteenth character is no part of any address.
TEST_F(FilterPermitWindows, DhcpChecksRefuseWithTheirMessages)
{
    const DhcpRefusal cases[] = {
        {"add", "192.168.0.256", "00AABBCCDD01", {3}, "Please input a valid IP", "edtIpAddr"},
        {"add", "192.168.100.100x", "00AABBCCDD01", {3}, "Please input a valid IP", "edtIpAddr"},
        {"add", "192.168.100.1001", "00AABBCCDD01", {3}, "Please input a valid IP", "edtIpAddr"},
        {"add", "10.0.0.9", "00-AA-BB-CC-DD-01", {3}, "Invalid MAC address", "edtMacAddr"},
        {"add", "10.0.0.9", "00AABBCCDD01", {}, "Please select at least one port to add.", ""},
        {"edit", "", "", {}, "Please select at least one port to edit.", ""},
    };
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        for (const DhcpRefusal& c : cases) {
            SCOPED_TRACE(std::string(c.button) + " " + c.address + " " + c.mac);
            ClearMessageBoxes();
            if (std::string(c.button) == "add") {
                ClickRow(w.ListView1, -1);
                TypeDhcpEntry(w, c.address, c.mac, c.ports);
                w.btnGet->setFocus();
                Click(w.btnAdd);
                EXPECT_EQ(w.edtIpAddr->Text(), c.address);
            } else {
                ClickRow(w.ListView1, 0);
                TickPorts(w.PortPicker, c.ports);
                w.btnGet->setFocus();
                Click(w.btnEdit);
            }
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
            if (*c.focus != '\0') {
                EXPECT_EQ(FocusName(w), c.focus);
            }
        }
        QTest::qWait(100);
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.ListView1->Count(), 2);
    });
}

// Add sends Ports and createAndGo at ip.mac, Edit the ticked ports with the row's own status,
// Delete destroy alone; each is followed by a read of the table.
TEST_F(FilterPermitWindows, DhcpAddEditAndDeleteWriteTheRow)
{
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));

        TypeDhcpEntry(w, "10.0.0.9", "00aabbccdd09", {3, 4});
        Click(w.btnAdd);
        // Both edits emptied at once, before any answer.
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_EQ(w.edtMacAddr->Text(), "");
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 3; }));
        const std::string added = ".10.0.0.9.0.170.187.204.221.9";
        EXPECT_EQ(Sets(), (Table{{DhcpEntry + ".3" + added + "=3000000000000000", DhcpEntry + ".4" + added + "=4"}}));
        EXPECT_EQ(Cells(list)[2],
                  (std::vector<std::string>{"10.0.0.9", "00AABBCCDD09", "3-4[3000000000000000]", "active"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

        // A selected row: its values in the editors, the keys locked.
        ClickRow(list, 0);
        EXPECT_EQ(w.edtIpAddr->Text(), "10.0.0.1");
        EXPECT_EQ(w.edtMacAddr->Text(), "001122334401");
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{1, 2}));
        EXPECT_FALSE(w.edtIpAddr->isEnabled());
        EXPECT_FALSE(w.edtMacAddr->isEnabled());
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_TRUE(w.btnDelete->isEnabled());

        TickPorts(w.PortPicker, {5});
        Click(w.btnEdit);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 3; }));
        EXPECT_EQ(Sets(),
                  (Table{{DhcpEntry + ".3" + DhcpRow1 + "=0800000000000000", DhcpEntry + ".4" + DhcpRow1 + "=1"}}));
        EXPECT_EQ(Cells(list)[0][2], "5[0800000000000000]");
        // Edit leaves the buttons and the editors as they were.
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_EQ(w.edtIpAddr->Text(), "10.0.0.1");

        ClickRow(list, 1);
        Click(w.btnDelete);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_TRUE(w.edtIpAddr->isEnabled());
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(Sets(), (Table{{DhcpEntry + ".4" + DhcpRow2 + "=6"}}));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"10.0.0.1", "10.0.0.9"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_EQ(w.Request->Request.VarList.Item(TFilterDHCPPermitForm::PortsItem).access, readwrite);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// A write the switch refuses shows its message box; the read that went with it shows the
// table as the switch holds it.
TEST_F(FilterPermitWindows, DhcpRefusedAddIsShown)
{
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        TypeDhcpEntry(w, "10.0.0.1", "001122334401", {7});
        Click(w.btnAdd);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !MessageBoxes().empty(); }));
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses().size(), 1u);
        EXPECT_NE(sim->SetJournalStatuses()[0], 0);
        EXPECT_EQ(Cells(w.ListView1)[0][2], "1-2[C000000000000000]");
        EXPECT_EQ(w.ListView1->Count(), 2);
    });
}

// A click while a read runs does nothing; a Refresh after a write's answer, while the read sent
// with it still runs, replaces that read: every row is listed once.
TEST_F(FilterPermitWindows, DhcpReadsListEachRowOnce)
{
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        sim->Control("delay 150");

        int walks = Stat("getnext");
        Click(w.btnGet);
        ASSERT_TRUE(w.Request->Busy);
        Click(w.btnGet);
        TypeDhcpEntry(w, "10.0.0.9", "00AABBCCDD09", {3});
        Click(w.btnAdd);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Stat("getnext") - walks, 3) << "one walk";
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(list->Count(), 2);

        // Add: the write and the read go out together.
        TypeDhcpEntry(w, "10.0.0.9", "00AABBCCDD09", {3});
        Click(w.btnAdd);
        ASSERT_TRUE(WaitFor([&] { return w.Request->Busy == 0; }));
        ASSERT_TRUE(w.Request->ReadOutstanding()) << "the read sent with the write still runs";
        walks = Stat("getnext");
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "10.0.0.9"}));
        EXPECT_TRUE(EachRowOnce(list));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_EQ(Sets().size(), 1u);
        EXPECT_GE(Stat("getnext") - walks, 4);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// Closing while a read runs stops the walk and waits for the request before freeing it.
TEST_F(FilterPermitWindows, DhcpClosingDuringAReadWaitsForIt)
{
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        sim->Control("delay 300");
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() == 1; }));
        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000)) << "FormClose has run";
        // No GETNEXT follows the answer the walk was waiting for.
        const int sent = Stat("getnext");
        QTest::qWait(700);
        EXPECT_EQ(Stat("getnext"), sent);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// Exceptions become the request's log line in status panel 0: the opening read's and Add's.
TEST_F(FilterPermitWindows, DhcpExceptionsReachTheStatusLine)
{
    const std::string address = DefaultDevice.Address;
    DefaultDevice.Address = "";
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        EXPECT_EQ(StatusLine(&w).rfind("Get: ", 0), 0u) << StatusLine(&w);
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        EXPECT_FALSE(w.Request->Busy);
    });
    DefaultDevice.Address = address;
    InWindow<TFilterDHCPPermitForm>([&](TFilterDHCPPermitForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        w.Request->Request.Device.Address = "";
        TypeDhcpEntry(w, "10.0.0.9", "00AABBCCDD09", {3});
        Click(w.btnAdd);
        EXPECT_EQ(StatusLine(&w).rfind("Set: ", 0), 0u) << StatusLine(&w);
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_TRUE(w.edtIpAddr->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_FALSE(w.Request->Busy);
    });
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// --- the DHCPv6 server and all-node permit filter windows

struct IPv6Window {
    const char* name;
    std::string entry;
    // The row the switch has, as the edit shows it and as an instance.
    const char* listed;
    std::string listedRow;
};

const IPv6Window IPv6Windows[] = {
    {"DHCPv6", "1.3.6.1.4.1.171.12.37.6.2.1", "FE800000000000000000000000000001",
     ".254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
    {"all-node", "1.3.6.1.4.1.171.12.37.7.2.1", "20010DB8000000000000000000000001",
     ".32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1"},
};

class IPv6PermitWindows : public FilterPermitWindows {
protected:
    // The script in the window of the case.
    void InIPv6Window(const IPv6Window& c, const std::function<void(TFilterIPv6PermitFrame&)>& script)
    {
        if (std::string(c.name) == "DHCPv6")
            InWindow<TFilterDHCPv6PermitForm>([&](TFilterDHCPv6PermitForm& w) { script(w); });
        else
            InWindow<TFilterAllNodePermitForm>([&](TFilterAllNodePermitForm& w) { script(w); });
    }
    static void TypeEntry(TFilterIPv6PermitFrame& w, const std::string& address, const std::vector<int>& ports)
    {
        w.edtIpAddr->SetText("");
        TypeInto(w.edtIpAddr, address);
        TickPorts(w.PortPicker, ports);
    }
};

// The checks of Add, each window with its own check and the same message; nothing goes out.
TEST_F(IPv6PermitWindows, AddChecksRefuseWithTheirMessages)
{
    const char* const wrongAddress = "Please enter a valid IPv6 address whose length is 32 without ':'.";
    struct Refusal {
        const char* address;
        std::vector<int> ports;
        const char* message;
        bool focus;
    };
    const Refusal refusals[] = {
        {"FE80:000000000000000000000000001", {2}, wrongAddress, true},
        {"FE800000000000000000000000000G01", {2}, wrongAddress, true},
        {"FE800000000000000000000000000002", {}, "Please select at least one port to add.", false},
    };
    for (const IPv6Window& c : IPv6Windows) {
        SCOPED_TRACE(c.name);
        InIPv6Window(c, [&](TFilterIPv6PermitFrame& w) {
            EXPECT_FALSE(w.btnEdit->isVisible());
            for (const Refusal& r : refusals) {
                SCOPED_TRACE(r.address);
                ClearMessageBoxes();
                TypeEntry(w, r.address, r.ports);
                w.btnGet->setFocus();
                Click(w.btnAdd);
                EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{r.message});
                if (r.focus) {
                    EXPECT_EQ(FocusName(w), "edtIpAddr");
                }
                EXPECT_EQ(w.edtIpAddr->Text(), r.address);
            }
            EXPECT_TRUE(Sets().empty());
            EXPECT_EQ(w.ListView1->Count(), 1);
        });
    }
}

// Add sends Ports and createAndGo at the 16 octets of the address, then the table is read again
// and the editors emptied; a refused Add keeps the typed entry. A row selected before Refresh
// leaves Add disabled until a click beside the rows. Delete sends destroy alone; deleting the
// last entry shows "0".
TEST_F(IPv6PermitWindows, AddRefreshAndDelete)
{
    const std::string added = "20010DB8000000000000000000000002";
    const std::string addedRow = ".32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.2";
    for (const IPv6Window& c : IPv6Windows) {
        SCOPED_TRACE(c.name);
        InIPv6Window(c, [&](TFilterIPv6PermitFrame& w) {
            ui::ListView* list = w.ListView1;
            EXPECT_EQ(Captions(list), std::vector<std::string>{c.listed});
            EXPECT_EQ(w.StaticText1->Caption(), "1");
            EXPECT_FALSE(w.btnDelete->isEnabled());
            EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);

            TypeEntry(w, "20010db8000000000000000000000002", {3, 10});
            Click(w.btnAdd);
            EXPECT_EQ(Sets(),
                      (Table{{c.entry + ".2" + addedRow + "=2040000000000000", c.entry + ".4" + addedRow + "=4"}}));
            EXPECT_EQ(list->Count(), 2);
            EXPECT_EQ(w.StaticText1->Caption(), "2");
            EXPECT_EQ(Cells(list)[RowOf(list, added)][1], "3,10[2040000000000000]");
            EXPECT_EQ(w.edtIpAddr->Text(), "");
            EXPECT_TRUE(TickedPorts(w.PortPicker).empty());

            // The same entry again: refused, and kept as typed.
            TypeEntry(w, added, {5});
            Click(w.btnAdd);
            EXPECT_EQ(MessageBoxes().size(), 1u);
            EXPECT_EQ(Sets().size(), 1u);
            EXPECT_EQ(w.edtIpAddr->Text(), added);
            EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{5});
            EXPECT_EQ(list->Count(), 2);
            ClearMessageBoxes();

            // Refresh after a row was selected: Add stays off until a click beside the rows.
            ClickRow(list, RowOf(list, c.listed));
            EXPECT_EQ(w.edtIpAddr->Text(), c.listed);
            EXPECT_FALSE(w.edtIpAddr->isEnabled());
            EXPECT_FALSE(w.btnAdd->isEnabled());
            EXPECT_TRUE(w.btnDelete->isEnabled());
            Click(w.btnGet);
            EXPECT_FALSE(w.btnAdd->isEnabled());
            EXPECT_FALSE(w.btnDelete->isEnabled());
            EXPECT_TRUE(w.edtIpAddr->isEnabled());
            EXPECT_EQ(w.edtIpAddr->Text(), "");
            EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
            ClickRow(list, -1);
            EXPECT_TRUE(w.btnAdd->isEnabled());

            ClickRow(list, RowOf(list, c.listed));
            Click(w.btnDelete);
            EXPECT_EQ(Sets(), (Table{{c.entry + ".4" + c.listedRow + "=6"}}));
            EXPECT_EQ(Captions(list), std::vector<std::string>{added});
            EXPECT_TRUE(w.btnAdd->isEnabled());
            EXPECT_EQ(w.Request->Request.VarList.Item(TFilterIPv6PermitFrame::PortsItem).access, readwrite);

            ClickRow(list, 0);
            Click(w.btnDelete);
            EXPECT_EQ(Sets(), (Table{{c.entry + ".4" + addedRow + "=6"}}));
            EXPECT_EQ(list->Count(), 0);
            EXPECT_EQ(w.StaticText1->Caption(), "0");
            EXPECT_TRUE(w.btnAdd->isEnabled());
            EXPECT_FALSE(w.btnDelete->isEnabled());
            EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        });
    }
}

// An exception of the opening read becomes the log line in status panel 0.
TEST_F(IPv6PermitWindows, AnExceptionReachesTheStatusLine)
{
    DefaultDevice.Address = "";
    for (const IPv6Window& c : IPv6Windows) {
        SCOPED_TRACE(c.name);
        InIPv6Window(c, [&](TFilterIPv6PermitFrame& w) {
            EXPECT_EQ(StatusLine(&w).rfind("Get: ", 0), 0u) << StatusLine(&w);
            EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
            EXPECT_EQ(w.StaticText1->Caption(), "0");
        });
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
