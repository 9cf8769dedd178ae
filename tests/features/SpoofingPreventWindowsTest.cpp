// The ARP and ND spoofing prevention windows against the simulated switch: the gateways listed,
// Add's checks and what it writes, Delete (after a question in the ARP window, without one in
// the ND window), and the editors in each state.

#include "IPMACBindingFixture.h"

#include "features/acl/NDSpoofingPreventForm.h"
#include "features/system/ARPSpoofingPreventMgmtForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ModalResult.h"

namespace {

const std::string ArpEntry = "1.3.6.1.4.1.171.12.62.3.1.1";
const std::string NdEntry = "1.3.6.1.4.1.171.12.200.3.1.1";
// The instance of gateway FE80::1 with MAC 00:01:02:03:04:0C.
const std::string NdRow = ".254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.0.1.2.3.4.12";

class SpoofingPreventWindows : public IPMACBindingWindowTest {
protected:
    template <class Window>
    static void TypeGateway(Window& w, const std::string& address, const std::string& mac, const std::vector<int>& ports)
    {
        w.edtIpAddr->SetText("");
        w.edtMacAddr->SetText("");
        TypeInto(w.edtIpAddr, address);
        TypeInto(w.edtMacAddr, mac);
        TickPorts(w.PortPicker, ports);
    }
    template <class Window>
    static std::string FocusName(Window& w)
    {
        return Focus(w) != nullptr ? Focus(w)->objectName().toStdString() : "";
    }
};

// A bad address is refused with its message, a bad MAC address silently; the MAC edit takes
// twelve characters.
TEST_F(SpoofingPreventWindows, ArpAddChecks)
{
    InWindow<TARPSpoofingPreventMgmtForm>([&](TARPSpoofingPreventMgmtForm& w) {
        TypeGateway(w, "1.2.3", "000102030405", {3});
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a valid IP."});
        EXPECT_EQ(FocusName(w), "edtIpAddr");

        ClearMessageBoxes();
        TypeGateway(w, "10.90.90.9", "00010203040", {3});
        Click(w.btnAdd);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        EXPECT_EQ(FocusName(w), "edtMacAddr");
        TypeInto(w.edtMacAddr, "56");
        EXPECT_EQ(w.edtMacAddr->Text(), "000102030405");
        EXPECT_TRUE(Sets().empty());
    });
}

struct ArpAdd {
    const char* model;
    std::vector<int> ports;
    bool sendsPorts;
};

// Ports go out only when a port among the model's own is ticked: none on an unidentified switch.
TEST_F(SpoofingPreventWindows, ArpAddSendsPortsOfTheModelOnly)
{
    const ArpAdd cases[] = {
        {"Sorvane-Kb", {}, false},
        {"Sorvane-Kb", {3}, true},
        {"Sorvane-Kb", {30}, false},
        {"", {3}, false},
    };
    int n = 0;
    for (const ArpAdd& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + std::to_string(c.ports.size()));
        ModelNameCopy = c.model;
        const std::string address = "10.90.90." + std::to_string(10 + n++);
        InWindow<TARPSpoofingPreventMgmtForm>([&](TARPSpoofingPreventMgmtForm& w) {
            TypeGateway(w, address, "00010203040C", c.ports);
            Click(w.btnAdd);
            const std::string row = "." + address + ".0.1.2.3.4.12";
            std::vector<std::string> sent;
            if (c.sendsPorts)
                sent.push_back(ArpEntry + ".3" + row + "=2000000000000000");
            sent.push_back(ArpEntry + ".4" + row + "=4");
            EXPECT_EQ(Sets(), Table{sent});
            EXPECT_EQ(Captions(w.ListView1).back(), address);
            EXPECT_EQ(w.edtIpAddr->Text(), "");
            EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
            EXPECT_EQ(w.Request->Request.VarList.Item(TARPSpoofingPreventMgmtForm::PortsItem).access, readwrite);
        });
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Selecting a row disables Add and the edits; Delete asks, Cancel sends nothing and still resets;
// OK sends destroy alone.
TEST_F(SpoofingPreventWindows, ArpRowsAndDelete)
{
    InWindow<TARPSpoofingPreventMgmtForm>([&](TARPSpoofingPreventMgmtForm& w) {
        ui::ListView* list = w.ListView1;
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"10.90.90.1", "10.90.90.2"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_FALSE(w.btnEdit->isVisible());
        EXPECT_EQ(w.btnDelete->y(), w.btnEdit->y());
        EXPECT_EQ(w.btnClose->y(), 142);
        EXPECT_FALSE(w.btnDelete->isEnabled());

        ClickRow(list, 0);
        EXPECT_EQ(w.edtIpAddr->Text(), "10.90.90.1");
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{1, 2}));
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.edtMacAddr->isEnabled());
        EXPECT_TRUE(w.btnDelete->isEnabled());
        ClickRow(list, -1);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());

        ClickRow(list, 1);
        AnswerNextMessageBox(ui::mrCancel);
        Click(w.btnDelete);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Are you sure to delete it?"});
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_TRUE(w.edtIpAddr->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());

        ClickRow(list, 1);
        Click(w.btnDelete);
        EXPECT_EQ(Sets(), (Table{{ArpEntry + ".4.10.90.90.2.0.1.2.3.4.162=6"}}));
        EXPECT_EQ(Captions(list), std::vector<std::string>{"10.90.90.1"});
        EXPECT_EQ(w.StaticText1->Caption(), "1");
    });
}

// An entry the switch refuses stays in the editors; the list is read again.
TEST_F(SpoofingPreventWindows, ArpRefusedAddKeepsTheEntry)
{
    InWindow<TARPSpoofingPreventMgmtForm>([&](TARPSpoofingPreventMgmtForm& w) {
        TypeGateway(w, "10.90.90.1", "0001020304A1", {4});
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses().size(), 1u);
        EXPECT_EQ(w.edtIpAddr->Text(), "10.90.90.1");
        EXPECT_EQ(w.edtMacAddr->Text(), "0001020304A1");
        EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{4});
        EXPECT_EQ(w.ListView1->Count(), 2);
    });
}

struct NdRefusal {
    const char* address;
    const char* mac;
    std::vector<int> ports;
    const char* message;
    const char* focus; // "" when the focus stays
};

// One refusal per check, each with its message; nothing goes out and the inputs stay as typed.
TEST_F(SpoofingPreventWindows, NdAddChecks)
{
    const NdRefusal cases[] = {
        {"fe80:000000000000000000000000001", "00010203040C", {2},
         "Please enter a valid IPv6 address whose length is 32 without ':'.", "edtIpAddr"},
        {"FE800000000000000000000000000001", "00-01-02-03", {2}, "Invalid MAC address", "edtMacAddr"},
        {"FE800000000000000000000000000001", "00010203040C", {}, "Please select at least one port to add.", ""},
    };
    InWindow<TNDSpoofingPreventForm>([&](TNDSpoofingPreventForm& w) {
        for (const NdRefusal& c : cases) {
            SCOPED_TRACE(c.message);
            ClearMessageBoxes();
            TypeGateway(w, c.address, c.mac, c.ports);
            w.btnGet->setFocus();
            Click(w.btnAdd);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
            if (*c.focus != '\0') {
                EXPECT_EQ(FocusName(w), c.focus);
            }
            EXPECT_EQ(w.edtIpAddr->Text(), c.address);
            EXPECT_TRUE(Sets().empty());
        }
    });
}

// Add sends Ports and createAndGo at the 16 octets of the address and the MAC address, then the
// editors are empty; Delete sends destroy alone. A refused Add keeps the entry in the editors.
TEST_F(SpoofingPreventWindows, NdAddAndDelete)
{
    InWindow<TNDSpoofingPreventForm>([&](TNDSpoofingPreventForm& w) {
        ui::ListView* list = w.ListView1;
        EXPECT_EQ(Captions(list), std::vector<std::string>{"FE800000000000000000000000000001"});
        EXPECT_EQ(w.StaticText1->Caption(), "1");
        EXPECT_EQ(w.btnClose->y(), 142);

        TypeGateway(w, "fe800000000000000000000000000001", "00010203040C", {3});
        Click(w.btnAdd);
        EXPECT_EQ(Sets(), (Table{{NdEntry + ".3" + NdRow + "=2000000000000000", NdEntry + ".4" + NdRow + "=4"}}));
        EXPECT_EQ(list->Count(), 2);
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_EQ(w.edtIpAddr->Text(), "");
        EXPECT_EQ(w.edtMacAddr->Text(), "");
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());

        // The same entry again: refused, and kept as typed.
        TypeGateway(w, "FE800000000000000000000000000001", "00010203040C", {5});
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(Sets().size(), 1u);
        EXPECT_EQ(w.edtIpAddr->Text(), "FE800000000000000000000000000001");
        EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{5});

        // A selected row disables the edits and Add; Delete sends destroy alone.
        ClickRow(list, 0);
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.edtIpAddr->isEnabled());
        EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{3});
        Click(w.btnDelete);
        EXPECT_EQ(Sets(), (Table{{NdEntry + ".4" + NdRow + "=6"}}));
        EXPECT_EQ(list->Count(), 1);
        EXPECT_EQ(w.StaticText1->Caption(), "1");
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_TRUE(w.edtIpAddr->isEnabled());
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
        EXPECT_EQ(w.Request->Request.VarList.Item(TNDSpoofingPreventForm::PortsItem).access, readwrite);

        // A click beside the rows after a row click empties the edits again.
        ClickRow(list, 0);
        ClickRow(list, -1);
        EXPECT_EQ(w.edtMacAddr->Text(), "");
        EXPECT_TRUE(w.btnAdd->isEnabled());
    });
}

} // namespace
