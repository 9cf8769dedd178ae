// The DNS relay static table window and its dialog against the simulated switch: the list of the
// model's table, the address check, what Add and Delete write, the reads that must not overlap,
// and a switch whose model is not identified.

#include "IPWindowsFixture.h"

#include "features/system/DNSCtrlAddForm.h"
#include "features/system/DNSCtrlForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Entries = "1.3.6.1.4.1.171.11.133.2.3.3.2.6.1";

using Rows = std::vector<std::vector<std::string>>;

// The instance of an entry: the name with its length, then the address (the switch orders the
// entries by it: shorter names first).
std::string Entry(const std::string& name, const std::string& address)
{
    std::string index = std::to_string(name.size());
    for (unsigned char c : name)
        index += "." + std::to_string(c);
    return index + "." + address;
}

class DNSCtrlWindow : public IPWindowTest {
protected:
    using Window = TDNSCtrlForm;
    using Dialog = TDNSCtrlAddForm;

    std::vector<std::string> DataFiles() const override { return {"systemlists.dat"}; }

    static bool Listed(Window& w, int rows) { return Quiet(w.Request.get()) && w.ListView1->Count() == rows; }
};

TEST_F(DNSCtrlWindow, ListsTheModelsTable)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.width(), 478);
        EXPECT_EQ(w.height(), 278);
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_EQ(Cells(w.ListView1), (Rows{{"ns.lab", "10.0.0.53", "valid"}, {"host.lab", "10.0.0.1", "valid"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_EQ(w.Label1->Caption(), "Samples");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnDelete->isEnabled());
        ASSERT_NE(DNSCtrlAddForm, nullptr);
        EXPECT_EQ(DNSCtrlAddForm->edtName->Text(), "host.lab");
        EXPECT_EQ(DNSCtrlAddForm->width(), 367);
        EXPECT_EQ(DNSCtrlAddForm->height(), 153);
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.btnDelete->isEnabled());
    });
    EXPECT_EQ(DNSCtrlAddForm, nullptr);
}

// Add checks the address whole ("" and "abc" would key row 0.0.0.0): message, focus, nothing
// sent, what was typed stays. A good address sends State valid alone at name.address, and the
// table is read again.
TEST_F(DNSCtrlWindow, AddChecksTheAddressAndCreatesTheEntry)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        for (const char* address : {"", "abc", "10.0.0", "10.0.0.256"}) {
            SCOPED_TRACE(address);
            ClearMessageBoxes();
            InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
                EXPECT_EQ(d.Caption(), "DNS Relay Static Table: " + sim->Address() + " (Add)");
                EXPECT_FALSE(d.cbxState->isEnabled());
                EXPECT_EQ(d.cbxState->Text(), "valid");
                EXPECT_EQ(d.edtName->Text(), "");
                d.edtName->SetText("mail.lab");
                d.edtIP->SetText(address);
                Click(d.btnAdd);
                EXPECT_FALSE(Closing(d));
                EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a valid IP"});
                ASSERT_NE(d.focusWidget(), nullptr);
                EXPECT_EQ(d.focusWidget()->objectName().toStdString(), "edtIP");
                EXPECT_EQ(d.edtIP->Text(), address);
            });
            EXPECT_TRUE(Sets().empty());
        }
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            TypeInto(d.edtName, "mail.lab");
            TypeInto(d.edtIP, "10.0.0.25");
            Click(d.btnAdd);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Rows{{Entries + ".3." + Entry("mail.lab", "10.0.0.25") + "=3"}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 3); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"ns.lab", "host.lab", "mail.lab"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
    });
}

// Add while a slow read runs stops it; the entry is still sent, and the rows are listed once.
// Delete while a read runs stops and waits for it, then writes State invalid for the selected
// entry alone, without a question; the list reads the table again once.
TEST_F(DNSCtrlWindow, AddAndDeleteDuringAReadListTheRowsOnce)
{
    InWindow<Window>([&](Window& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        sim->Control("delay 200");
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            TypeInto(d.edtName, "mail.lab");
            TypeInto(d.edtIP, "10.0.0.25");
            Click(d.btnAdd);
        });
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 3); }));
        WaitFor([] { return false; }, 500);
        EXPECT_EQ(list->Count(), 3);
        EXPECT_EQ(Sets().size(), 1U);

        Click(w.btnDelete);
        EXPECT_TRUE(Sets().empty()) << "Delete without a selected row does nothing";
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        ClickRow(list, 0);
        ASSERT_EQ(list->Selected()->Caption(), "ns.lab");
        Click(w.btnDelete);
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        WaitFor([] { return false; }, 500);
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"host.lab", "mail.lab"}));
        EXPECT_EQ(Sets(), (Rows{{Entries + ".3." + Entry("ns.lab", "10.0.0.53") + "=2"}}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        EXPECT_EQ(w.StaticText1->Caption(), "2");
    });
}

// Add while the first read runs stops it; when the dialog closes without an entry before that
// read's next answer, Refresh makes the request active again and the read goes on to the end of
// the table.
TEST_F(DNSCtrlWindow, RefreshAfterAnAddThatStoppedTheReadListsTheWholeTable)
{
    sim->Control("delay 1000");
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) { Click(d.btnClose); });
        ASSERT_TRUE(w.Request->ReadOutstanding()) << "the read ended before the dialog closed";
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"ns.lab", "host.lab"}));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.StaticText1->Caption(), "2");
    });
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A switch whose model is not identified: the window opens empty, binds and reads nothing, and
// Add and Delete do nothing.
TEST_F(DNSCtrlWindow, UnidentifiedModelHasNoTable)
{
    ModuleOIDText = "1.3.6.1.4.1.171.10.133.9.1";
    const int gets = Stat("getnext");
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.Request, nullptr);
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        EXPECT_EQ(StatusLine(&w), "The switch's model has no DNS relay static table.");
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ui::RunGuarded([&] {
            w.btnAddClick(nullptr);
            w.btnDeleteClick(nullptr);
        });
        Click(w.btnGet);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
    EXPECT_EQ(Stat("getnext"), gets);
    EXPECT_TRUE(Sets().empty());
}

} // namespace
