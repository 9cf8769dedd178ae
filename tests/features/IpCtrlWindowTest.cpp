// The IP interface window and its dialog against the simulated switch: the list and its buttons,
// the add checks, the ticked columns a write carries, the edit check, Delete's synchronous write
// (the mode back on every path), the system interface, and Stop.

#include "IPWindowsFixture.h"

#include "features/system/IPCtrlEdtForm.h"
#include "features/system/IpCtrlForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Interfaces = "1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1";

using Rows = std::vector<std::vector<std::string>>;

// The instance of an interface name: its length, then its characters.
std::string Named(const std::string& name)
{
    std::string index = std::to_string(name.size());
    for (unsigned char c : name)
        index += "." + std::to_string(c);
    return index;
}

// A display string as the journal shows it.
std::string Hex(const std::string& text)
{
    static const char* const digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

class IpCtrlWindow : public IPWindowTest {
protected:
    using Window = TIpCtrlForm;
    using Dialog = TIPCtrlEdtForm;

    static void Type(Dialog& d, const std::string& name, const std::string& address, const std::string& mask,
                     const std::string& vlan)
    {
        d.edtInterface->SetText(name);
        d.edtIPAddr->SetText(address);
        d.edtMask->SetText(mask);
        d.edtVlan->SetText(vlan);
    }
};

TEST_F(IpCtrlWindow, ListsTheInterfacesAndFollowsTheSelection)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.width(), 671);
        EXPECT_EQ(w.height(), 475);
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        ui::ListView* list = w.ListView1;
        EXPECT_EQ(list->ColumnCount(), 16);
        EXPECT_EQ(list->ColumnCaption(4), "VLAN Name");
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"ip2", "Mgmt", "System"}));
        EXPECT_EQ(Cells(list)[1][4], "mgmt");
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        // The log line shows in the status bar's panel.
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnDel->isEnabled());

        ClickRow(list, RowOf(list, "System"));
        EXPECT_FALSE(w.btnDel->isEnabled());
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_TRUE(w.btnEdit->isEnabled());
        ASSERT_NE(IPCtrlEdtForm, nullptr);
        EXPECT_EQ(IPCtrlEdtForm->edtVlan->Text(), "default");
        // Delete on it, reached all the same, refuses and sends nothing.
        ui::RunGuarded([&] { w.btnDelClick(nullptr); });
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"The system IP interface can't be deleted."});
        ClickRow(list, RowOf(list, "ip2"));
        EXPECT_TRUE(w.btnDel->isEnabled());
        ClickRow(list, -1);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnDel->isEnabled());
        EXPECT_TRUE(Sets().empty());
    });
}

struct AddCheck {
    const char* name;
    const char* address;
    const char* mask;
    const char* vlan;
    std::vector<std::string> boxes;
};

// The add checks in their order; nothing is sent. An address that is no address, or a mask
// without an address, is refused with a message that names the address.
TEST_F(IpCtrlWindow, AddChecks)
{
    const AddCheck cases[] = {
        {"", "", "", "v9", {"Please input Interface Name."}},
        {"ip2", "", "", "v9", {"Please input different Interface Name."}},
        {"IP2", "", "", "", {"Please input a VLAN name."}},
        {"IP2", "", "", "v2", {"The VLAN already has a IP Interface."}},
        {"IP2", "10.1.1", "255.255.255.0", "v9", {"IP Address: Please input a valid IP address."}},
        {"IP2", "", "255.255.255.0", "v9", {"IP Address: Please input a valid IP address."}},
    };
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        for (const AddCheck& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " " + c.address + " " + c.vlan);
            ClearMessageBoxes();
            InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
                EXPECT_EQ(d.Caption(), "IP Control Table: " + sim->Address() + " (Add)");
                EXPECT_EQ(d.btnSet->Caption(), "Add");
                Type(d, c.name, c.address, c.mask, c.vlan);
                Click(d.btnSet);
                EXPECT_FALSE(Closing(d));
                EXPECT_EQ(MessageBoxTexts(), c.boxes);
                EXPECT_EQ(d.edtInterface->Text(), c.name);
            });
            EXPECT_TRUE(Sets().empty());
        }
    });
}

// Add with empty address and mask sends neither, ticked or not, and creates the row with State
// createAndGo; an unticked column stays out; the same name in other letter case is another
// interface.
TEST_F(IpCtrlWindow, AddWritesTheTickedColumns)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            EXPECT_TRUE(d.CheckBox2->Checked());
            EXPECT_TRUE(d.CheckBox3->Checked());
            EXPECT_FALSE(d.CheckBox13->isVisible());
            EXPECT_FALSE(d.cbxState->isVisible());
            EXPECT_FALSE(d.IPMTUEdit->isVisible());
            Type(d, "IP2", "", "", "v9");
            d.CheckBox7->SetChecked(false); // Admin State
            Click(d.btnSet);
            EXPECT_TRUE(Closing(d));
        });
        const std::string row = Named("IP2");
        EXPECT_EQ(Sets(), (Rows{{Interfaces + ".5." + row + "=" + Hex("v9"), Interfaces + ".8." + row + "=1",
                                 Interfaces + ".10." + row + "=1", Interfaces + ".12." + row + "=2",
                                 Interfaces + ".17." + row + "=2", Interfaces + ".16." + row + "=4"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"IP2", "ip2", "Mgmt", "System"}));
        EXPECT_EQ(w.StaticText1->Caption(), "4");
        // The flags are back: the next read lists every column.
        EXPECT_EQ(w.ListView1->ColumnCount(), 16);
        for (int i = 1; i < w.Request->Request.VarList.Count(); ++i)
            EXPECT_EQ(w.Request->Request.VarList.Item(i).access & invalid, 0) << i;
    });
}

// The edit check refuses a mask with a gap; the edit writes the ticked columns and the row's own
// State at the selected interface.
TEST_F(IpCtrlWindow, EditChecksTheMaskAndWritesTheSelectedInterface)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        const int mgmt = RowOf(w.ListView1, "Mgmt");
        InDialog<Dialog>([&] { DoubleClickRow(w.ListView1, mgmt); }, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "IP Control Table: " + sim->Address() + " (Edit)");
            EXPECT_EQ(d.btnSet->Caption(), "Edit");
            EXPECT_EQ(d.edtInterface->Text(), "Mgmt");
            EXPECT_FALSE(d.edtInterface->isEnabled());
            EXPECT_EQ(d.edtMask->Text(), "255.255.0.0");
            d.edtMask->SetText("255.0.255.0");
            Click(d.btnSet);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input valid Subnet Mask."});
            EXPECT_FALSE(Closing(d));
            EXPECT_TRUE(Sets().empty());
            d.edtMask->SetText("255.255.255.0");
            // The mask alone, with the State the row has.
            for (ui::CheckBox* box :
                 {d.CheckBox2, d.CheckBox4, d.CheckBox6, d.CheckBox7, d.CheckBox8, d.CheckBox11, d.CheckBox12})
                box->SetChecked(false);
            Click(d.btnSet);
        });
        const std::string row = Named("Mgmt");
        EXPECT_EQ(Sets(), (Rows{{Interfaces + ".4." + row + "=255.255.255.0", Interfaces + ".16." + row + "=1"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(Cells(w.ListView1)[static_cast<std::size_t>(RowOf(w.ListView1, "Mgmt"))][3], "255.255.255.0");
        EXPECT_EQ(w.ListView1->Selected(), nullptr);
        EXPECT_FALSE(w.btnEdit->isEnabled());
    });
}

// Delete writes the State destroy alone and synchronously; a refusal is shown and the list read
// again; after an exception the request is asynchronous again and the window idle, so it reads
// and closes.
TEST_F(IpCtrlWindow, DeleteWritesSynchronouslyAndGivesTheModeBack)
{
    InWindow<Window>([&](Window& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        const std::string ip2 = Interfaces + ".16." + Named("ip2");

        // The switch keeps this one for the moment.
        ASSERT_EQ(sim->Control("data " + ip2 + " i 1 nodelete"), "ok");
        ClickRow(list, RowOf(list, "ip2"));
        Click(w.btnDel);
        EXPECT_EQ(MessageBoxes().size(), 1u) << "the refusal, shown before Delete returned";
        EXPECT_EQ(Sets(), (Rows{{ip2 + "=6"}}));
        EXPECT_EQ(w.Request->Mode, 1);
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(list->Count(), 3);
        ASSERT_EQ(sim->Control("data " + ip2 + " i 1"), "ok");

        ClickRow(list, RowOf(list, "ip2"));
        Click(w.btnDel);
        EXPECT_EQ(Sets(), (Rows{{ip2 + "=6"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"Mgmt", "System"}));
        EXPECT_FALSE(w.btnDel->isEnabled());

        ClickRow(list, RowOf(list, "Mgmt"));
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        Click(w.btnDel);
        w.Request->Request.Device.Address = address;
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(w.Request->Mode, 1);
        EXPECT_EQ(w.DataComplete, 1);
        for (int i = 0; i < w.Request->Request.VarList.Count(); ++i)
            EXPECT_EQ(w.Request->Request.VarList.Item(i).access & invalid, 0) << i;
        EXPECT_FALSE(w.btnDel->isEnabled());
        EXPECT_TRUE(Sets().empty());
        Click(w.btnRefresh);
        EXPECT_EQ(w.DataComplete, 0);
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_EQ(list->Count(), 2);
        EXPECT_TRUE(w.MayClose());
    });
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
}

// Stop ends a read at its next answer; the window may then close.
TEST_F(IpCtrlWindow, StopEndsAReadAndTheWindowCloses)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        sim->Control("delay 200");
        Click(w.btnRefresh);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        EXPECT_FALSE(CloseAndAnswer(w));
        EXPECT_EQ(LastMessageBoxText(), "Get data not complete");
        Click(w.btnStop);
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }));
        EXPECT_LT(w.ListView1->Count(), 3);
        EXPECT_NE(StatusLine(&w).find("Stop, SNMP Request is not active."), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_TRUE(CloseAndAnswer(w));
    });
}

// A switch of no known model: the window opens empty, binds and reads nothing, offers nothing to
// add, edit or delete, says why, and closes.
TEST_F(IpCtrlWindow, AnUnknownModelOpensEmptyAndCloses)
{
    ModuleOIDText = "1.3.6.1.4.1.171.10.113.1.1";
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.Request, nullptr);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(StatusLine(&w), "The switch's model has no IP interface table.");
        for (ui::Button* button : {w.btnRefresh, w.btnAdd, w.btnEdit, w.btnDel, w.btnStop})
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_TRUE(CloseAndAnswer(w));
    });
    EXPECT_EQ(Stat("getnext"), 0);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
