// The syslog server window with its dialog, and the log save window, against the simulated
// switch: the list, the port rule, what Add, Edit and Delete write, the checks of each mode, the
// edit of the selected server after an Add dialog, and the log save method with its interval.

#include "IPWindowsFixture.h"

#include "features/system/LogHostEditForm.h"
#include "features/system/LogSaveControlForm.h"
#include "features/system/SystemLogHostForm.h"

#include "snmp/Request2Edits.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Servers = "1.3.6.1.4.1.171.12.12.2.1";
const char* const PortMessage = "The range of UDP Port for syslog is 514 or 6000-65535.";

using Rows = std::vector<std::vector<std::string>>;

class SystemLogWindows : public IPWindowTest {
protected:
    using Window = TSystemLogHostForm;
    using Dialog = TLogHostEditForm;

    std::vector<std::string> DataFiles() const override { return {"systemlists.dat"}; }

    static bool Listed(Window& w, int rows) { return Quiet(w.Request.get()) && w.ListView1->Count() == rows; }

    // "OID=value" of column column of server index.
    static std::string Cell(int column, int index, const std::string& value)
    {
        return Servers + "." + std::to_string(column) + "." + std::to_string(index) + "=" + value;
    }
};

TEST_F(SystemLogWindows, ListsTheServers)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_EQ(Cells(w.ListView1),
                  (Rows{{"swSysLogServerIndex-1", "local1", "informational", "514", "enabled", "active", "ipv4",
                         "10.0.90.1"},
                        {"swSysLogServerIndex-2", "local5", "notice", "6000", "disabled", "active", "ipv4",
                         "10.0.90.2"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        ASSERT_NE(LogHostEditForm, nullptr);
        EXPECT_EQ(LogHostEditForm->IPAddrEdit->Text(), "10.0.90.2");
        EXPECT_FALSE(LogHostEditForm->RowComboBox->isVisible());
        InDialog<Dialog>(w.EditButton, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "System Log Server Table: " + sim->Address() + " (Edit)");
            EXPECT_FALSE(d.cbxIndex->isEnabled());
            EXPECT_EQ(d.cbxIndex->Text(), "swSysLogServerIndex-2");
            EXPECT_EQ(d.SevComboBox->Text(), "notice");
        });
    });
    EXPECT_EQ(LogHostEditForm, nullptr);
}

// The port rule in edit mode: 514 and 6000 to 65535 pass and go out, others are refused with the
// port message and the focus, an empty port passes and stays out. An edit never sends Row
// Status, and leaves the address out when it is 0.0.0.0.
TEST_F(SystemLogWindows, EditChecksThePortAndWritesTheServer)
{
    struct Case {
        const char* port;
        bool passes;
    };
    const Case cases[] = {{"514", true},  {"6000", true},  {"65535", true}, {"513", false},
                          {"515", false}, {"5999", false}, {"65536", false}};
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.port);
            ClearMessageBoxes();
            ClickRow(w.ListView1, 0);
            InDialog<Dialog>(w.EditButton, [&](Dialog& d) {
                d.PortEdit->SetText(c.port);
                Click(d.SetButton);
                EXPECT_EQ(Closing(d), c.passes);
                if (!c.passes) {
                    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{PortMessage});
                    EXPECT_EQ(d.focusWidget(), d.PortEdit);
                }
            });
            if (c.passes) {
                EXPECT_EQ(Sets(), (Rows{{Cell(3, 1, "1"), Cell(4, 1, "3"), Cell(5, 1, c.port), Cell(6, 1, "3"),
                                         Cell(8, 1, "1"), Cell(9, 1, "0A005A01")}}));
                ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
            } else {
                EXPECT_TRUE(Sets().empty());
            }
        }
        ClearMessageBoxes();
        ClickRow(w.ListView1, 1);
        InDialog<Dialog>(w.EditButton, [&](Dialog& d) {
            d.PortEdit->SetText("");
            d.IPAddrEdit->SetText("0.0.0.0");
            d.FacComboBox->SetItemIndex(7);
            Click(d.SetButton);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Rows{{Cell(3, 2, "7"), Cell(4, 2, "8"), Cell(6, 2, "2"), Cell(8, 2, "1")}}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

struct AddCase {
    const char* name;
    int index; // -1: none chosen
    const char* port;
    const char* address;
    std::vector<std::string> boxes;
    const char* focus;
};

// The add checks in their order, each with its message and the focus, nothing sent; then an add
// that writes the index, the inputs shown, Address Type and Row Status createAndGo.
TEST_F(SystemLogWindows, AddChecksThenCreatesTheServer)
{
    const AddCase cases[] = {
        {"no index", -1, "", "10.0.90.3", {"Index is needed."}, "cbxIndex"},
        {"port", 2, "80", "10.0.90.3", {PortMessage}, "PortEdit"},
        {"no address", 2, "", "", {"IP Address should be set."}, "IPAddrEdit"},
        {"listed address", 2, "", "10.0.90.2", {"IP Address must be different."}, "IPAddrEdit"},
        {"no IPv4 address", 2, "", "10.0.90", {"Please input a valid IP.", "IP Address should be set."}, "IPAddrEdit"},
    };
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ClickRow(w.ListView1, 0);
        ClickRow(w.ListView1, -1);
        for (const AddCase& c : cases) {
            SCOPED_TRACE(c.name);
            ClearMessageBoxes();
            InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
                EXPECT_EQ(d.Caption(), "System Log Server Table: " + sim->Address() + " (Add)");
                EXPECT_TRUE(d.cbxIndex->isEnabled());
                EXPECT_EQ(d.cbxIndex->ItemIndex(), -1);
                EXPECT_EQ(d.FacComboBox->Text(), "local0");
                EXPECT_EQ(d.SevComboBox->Text(), "warning");
                EXPECT_EQ(d.StateComboBox->Text(), "disabled");
                d.cbxIndex->SetItemIndex(c.index);
                d.PortEdit->SetText(c.port);
                d.IPAddrEdit->SetText(c.address);
                Click(d.SetButton);
                EXPECT_FALSE(Closing(d));
                EXPECT_EQ(MessageBoxTexts(), c.boxes);
                ASSERT_NE(d.focusWidget(), nullptr);
                EXPECT_EQ(d.focusWidget()->objectName().toStdString(), c.focus);
            });
            EXPECT_TRUE(Sets().empty());
        }
        InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
            d.cbxIndex->SetItemIndex(2);
            d.SevComboBox->SetItemIndex(7);
            d.IPAddrEdit->SetText("10.0.90.3");
            Click(d.SetButton);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Rows{{Cell(3, 3, "0"), Cell(4, 3, "9"), Cell(6, 3, "2"), Cell(7, 3, "4"), Cell(8, 3, "1"),
                                 Cell(9, 3, "0A005A03")}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 3); }));
        EXPECT_EQ(Cells(w.ListView1)[2], (std::vector<std::string>{"swSysLogServerIndex-3", "local0", "debug", "514",
                                                                   "disabled", "active", "ipv4", "10.0.90.3"}));
    });
}

// An add before any row was selected finds no address type: the address goes out as IPv4, so it
// is checked as one, and the type stays out of the SET.
TEST_F(SystemLogWindows, AddWithoutAddressTypeChecksAnIPv4Address)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
            EXPECT_EQ(d.AddressTypeComboBox->ItemIndex(), -1);
            d.cbxIndex->SetItemIndex(3);
            d.IPAddrEdit->SetText("abc");
            Click(d.SetButton);
            EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Please input a valid IP.", "IP Address should be set."}));
            EXPECT_FALSE(Closing(d));
            d.IPAddrEdit->SetText("10.0.90.4");
            Click(d.SetButton);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Rows{{Cell(3, 4, "0"), Cell(4, 4, "2"), Cell(6, 4, "2"), Cell(7, 4, "4"),
                                 Cell(9, 4, "0A005A04")}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 3); }));
    });
}

// Select a server, open Add and type another server, close it, double-click the still-selected
// server and Set: that server's index is written with its own values.
TEST_F(SystemLogWindows, EditAfterAnAddDialogWritesTheSelectedServer)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ClickRow(w.ListView1, 1);
        InDialog<Dialog>(w.AddButton, [&](Dialog& d) {
            d.cbxIndex->SetItemIndex(3);
            d.PortEdit->SetText("7000");
            d.IPAddrEdit->SetText("10.0.90.9");
            Click(d.CloseButton);
        });
        EXPECT_EQ(w.ListView1->Selected(), w.ListView1->Item(1));
        InDialog<Dialog>([&] { DoubleClickRow(w.ListView1, 1); },
                         [&](Dialog& d) {
                             EXPECT_EQ(d.Caption(), "System Log Server Table: " + sim->Address() + " (Edit)");
                             EXPECT_EQ(d.cbxIndex->Text(), "swSysLogServerIndex-2");
                             Click(d.SetButton);
                             EXPECT_TRUE(Closing(d));
                         });
        EXPECT_EQ(Sets(), (Rows{{Cell(3, 2, "5"), Cell(4, 2, "8"), Cell(5, 2, "6000"), Cell(6, 2, "2"),
                                 Cell(8, 2, "1"), Cell(9, 2, "0A005A02")}}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// Delete writes Row Status destroy alone and asks nothing; without a row it says so; an
// exception on the way shows in the status line.
TEST_F(SystemLogWindows, DeleteDestroysTheSelectedServer)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ui::RunGuarded([&] { w.DeleteButtonClick(nullptr); });
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Choose the item first."});
        ClearMessageBoxes();

        ClickRow(w.ListView1, 0);
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        Click(w.DeleteButton);
        w.Request->Request.Device.Address = address;
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.DeleteButton->isEnabled());

        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        ClickRow(w.ListView1, -1);
        ClickRow(w.ListView1, 0);
        Click(w.DeleteButton);
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 1); }));
        EXPECT_EQ(Sets(), (Rows{{Cell(7, 1, "6")}}));
        EXPECT_EQ(Captions(w.ListView1), std::vector<std::string>{"swSysLogServerIndex-2"});
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

const std::string SaveMethod = "1.3.6.1.4.1.171.12.12.3.1.0";
const std::string SaveInterval = "1.3.6.1.4.1.171.12.12.3.2.0";

// The log save window reads the method and interval; "on-demand" disables the interval and is
// written alone, "time-interval" with the interval. Without a method Set says so and reads again.
TEST_F(SystemLogWindows, LogSaveWritesTheMethodAndItsInterval)
{
    InWindow<TLogSaveControlForm>([&](TLogSaveControlForm& w) {
        EXPECT_EQ(w.width(), 360);
        EXPECT_EQ(w.cbxLogSaveMethod->Text(), "time-interval");
        EXPECT_EQ(w.EdLogSavetimeInterval->Text(), "30");
        EXPECT_TRUE(w.EdLogSavetimeInterval->isEnabled());

        Choose(w.cbxLogSaveMethod, "on-demand");
        EXPECT_EQ(w.cbxLogSaveMethod->Text(), "on-demand");
        EXPECT_FALSE(w.EdLogSavetimeInterval->isEnabled());
        Click(w.btnSet);
        EXPECT_EQ(Sets(), (Rows{{SaveMethod + "=2"}}));
        EXPECT_FALSE(w.EdLogSavetimeInterval->isEnabled());

        Choose(w.cbxLogSaveMethod, "time-interval");
        EXPECT_TRUE(w.EdLogSavetimeInterval->isEnabled());
        w.EdLogSavetimeInterval->SetText("60");
        Click(w.btnSet);
        EXPECT_EQ(Sets(), (Rows{{SaveMethod + "=1", SaveInterval + "=60"}}));
        EXPECT_EQ(w.EdLogSavetimeInterval->Text(), "60");

        const int gets = Stat("get");
        w.cbxLogSaveMethod->SetItemIndex(-1);
        Click(w.btnSet);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"You should choose Log Save Method."});
        EXPECT_TRUE(Sets().empty());
        EXPECT_GT(Stat("get"), gets);
        EXPECT_EQ(w.cbxLogSaveMethod->Text(), "time-interval");
    });
}

} // namespace
