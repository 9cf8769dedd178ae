// The IPv6 neighbour window and its dialog against the simulated switch: the list, the add
// checks, the entry Add creates, and Delete, which removes the selected entry even after an Add
// dialog changed the controls that hold its keys.

#include "IPWindowsFixture.h"

#include "features/system/ARPIPV6ControlForm.h"
#include "features/system/ARPIPv6ControlEditForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Neighbours = "1.3.6.1.4.1.171.12.26.4.1.1";

using Rows = std::vector<std::vector<std::string>>;

// The instance of an entry: the address's 16 octets and the MAC's 6 (hexadecimal texts), then
// the interface name with its length.
std::string Entry(const std::string& address, const std::string& mac, const std::string& name)
{
    std::string index;
    for (const std::string* hex : {&address, &mac})
        for (std::size_t i = 0; i + 1 < hex->size(); i += 2)
            index += std::to_string(std::stoi(hex->substr(i, 2), nullptr, 16)) + ".";
    index += std::to_string(name.size());
    for (unsigned char c : name)
        index += "." + std::to_string(c);
    return index;
}

class ARPIPV6ControlWindow : public IPWindowTest {
protected:
    using Window = TARPIPV6ControlForm;
    using Dialog = TARPIPv6ControlEditForm;

    // Texts put in as pasted: the input rules do not filter them.
    static void Type(Dialog& d, const std::string& address, const std::string& mac, const std::string& name)
    {
        d.edtAddress->SetText(address);
        d.edtMac->SetText(mac);
        d.edtInterface->SetText(name);
    }
};

TEST_F(ARPIPV6ControlWindow, ListsTheNeighbourCache)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.width(), 524);
        EXPECT_EQ(w.height(), 338);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 3; }));
        EXPECT_EQ(Cells(w.ListView1),
                  (Rows{{"20010DB8000000000000000000000010", "0000AA000001", "ip2", "stale", "active"},
                        {"FE800000000000000000000000000001", "001122334455", "System", "reachable", "active"},
                        {"FE800000000000000000000000000002", "00AABBCCDDEE", "System", "static", "active"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnDelete->isEnabled());
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ASSERT_NE(ARPIPv6ControlEditForm, nullptr);
        EXPECT_EQ(ARPIPv6ControlEditForm->width(), 399);
        EXPECT_EQ(ARPIPv6ControlEditForm->height(), 171);
    });
}

struct EntryCheck {
    const char* name;
    const char* address;
    const char* mac;
    const char* interface;
    std::vector<std::string> boxes;
    const char* focus; // the edit the check moves the focus to; none: it stays where it was
};

TEST_F(ARPIPV6ControlWindow, AddChecksTheEntry)
{
    const EntryCheck cases[] = {
        {"empty address", "", "001122334466", "ip2", {"Please Set IPV6Address"}, nullptr},
        {"colon form", "FE80::1", "001122334466", "ip2",
         {"Please enter a valid IPv6 address whose length is 32 without ':'."}, "edtAddress"},
        {"empty MAC", "FE800000000000000000000000000009", "", "ip2", {"Please Set MAC Address"}, nullptr},
        {"eleven digits", "FE800000000000000000000000000009", "00112233446", "ip2", {"Invalid MAC address"},
         "edtMac"},
        {"empty interface", "FE800000000000000000000000000009", "001122334466", "", {"Please input an index first"},
         "edtInterface"},
    };
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        for (const EntryCheck& c : cases) {
            SCOPED_TRACE(c.name);
            ClearMessageBoxes();
            InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
                EXPECT_EQ(d.Caption(), "IPv6 Neighbor Cache Table: " + sim->Address() + " (Add)");
                EXPECT_FALSE(d.cbxRowStatus->isVisible());
                EXPECT_FALSE(d.cbxState->isVisible());
                Type(d, c.address, c.mac, c.interface);
                Click(d.btnSet);
                EXPECT_FALSE(Closing(d));
                EXPECT_EQ(MessageBoxTexts(), c.boxes);
                ASSERT_NE(d.focusWidget(), nullptr);
                EXPECT_EQ(d.focusWidget()->objectName().toStdString(), c.focus != nullptr ? c.focus : "btnSet");
            });
            EXPECT_TRUE(Sets().empty());
        }
        // A MAC address typed with dashes: the edit takes its hexadecimal digits alone.
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            const int beeps = BeepCount();
            TypeInto(d.edtMac, "00-11-22-33-44-66");
            EXPECT_EQ(d.edtMac->Text(), "001122334466");
            EXPECT_EQ(BeepCount() - beeps, 5);
        });
    });
}

// Add sends the Route Status createAndGo alone, at address (16 sub-identifiers), MAC (6) and the
// interface name (with its length); the entry appears.
TEST_F(ARPIPV6ControlWindow, AddCreatesTheEntry)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 3; }));
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            TypeInto(d.edtAddress, "FE800000000000000000000000000009");
            TypeInto(d.edtMac, "001122334466");
            TypeInto(d.edtInterface, "ip2");
            Click(d.btnSet);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Rows{{Neighbours + ".5." + Entry("FE800000000000000000000000000009", "001122334466", "ip2") +
                                 "=4"}}));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 4; }));
        EXPECT_EQ(Cells(w.ListView1)[3],
                  (std::vector<std::string>{"FE800000000000000000000000000009", "001122334466", "ip2", "static", "active"}));
        EXPECT_EQ(w.StaticText1->Caption(), "4");
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// Select an entry, open Add, type another entry's keys, close the dialog, Delete: the selected
// entry goes, with its Route Status destroy alone, and nothing else.
TEST_F(ARPIPV6ControlWindow, DeleteRemovesTheSelectedEntryAfterAnAddDialog)
{
    InWindow<Window>([&](Window& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 3; }));
        ClearMessageBoxes();
        ui::RunGuarded([&] { w.btnDeleteClick(nullptr); });
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Choose the item first."});

        ClickRow(list, 0);
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            Type(d, "FE800000000000000000000000000002", "00AABBCCDDEE", "System");
            Click(d.btnClose);
        });
        EXPECT_EQ(list->Selected(), list->Item(0)) << "Add leaves the selection as it was";
        Click(w.btnDelete);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(Sets(), (Rows{{Neighbours + ".5." + Entry("20010DB8000000000000000000000010", "0000AA000001", "ip2") +
                                 "=6"}}));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"FE800000000000000000000000000001",
                                                            "FE800000000000000000000000000002"}));
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Choose the item first."});
    });
}

// Refresh does nothing while a read runs and Delete is refused; Add still opens, and the window
// closes while the read runs.
TEST_F(ARPIPV6ControlWindow, WhileAReadRuns)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 3; }));
        sim->Control("delay 150");
        const int walks = Stat("getnext");
        Click(w.btnGet);
        Click(w.btnGet);
        // A row listed while the read goes on.
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        ClickRow(w.ListView1, 0);
        Click(w.btnDelete);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) { EXPECT_TRUE(d.isVisible()); });
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Stat("getnext") - walks, 4) << "one walk";
        EXPECT_TRUE(Sets().empty());
        sim->Control("delay 150");
        Click(w.btnGet);
        EXPECT_TRUE(CloseAndAnswer(w));
        EXPECT_EQ(w.Request, nullptr);
    });
}

} // namespace
