// The IPv6 static route window and its dialog against the simulated switch: the list, the add
// checks, what Add, Add Default and Delete write, and the dialog's read after its write while the
// window's own read runs.

#include "IPWindowsFixture.h"

#include "features/acl/TextChecks.h"
#include "features/system/Ipv6StaticRouteEditForm.h"
#include "features/system/Ipv6StaticRouteForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Routes = "1.3.6.1.4.1.171.12.26.3.1.1";
const char* const Zeros = "00000000000000000000000000000000";

using Rows = std::vector<std::vector<std::string>>;

// The instance of a route: destination (16 sub-identifiers), prefix, the interface name with its
// length, next hop (16).
std::string Route(const std::string& destination, int prefix, const std::string& name, const std::string& nextHop)
{
    std::string index;
    auto octets = [&index](const std::string& hex) {
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            index += std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16)) + ".";
    };
    octets(destination);
    index += std::to_string(prefix) + "." + std::to_string(name.size()) + ".";
    for (unsigned char c : name)
        index += std::to_string(c) + ".";
    octets(nextHop);
    index.pop_back();
    return index;
}

class Ipv6StaticRouteWindow : public IPWindowTest {
protected:
    using Window = TIpv6StaticRouteForm;
    using Dialog = TIpv6StaticRouteEditForm;

    std::vector<std::string> DataFiles() const override { return {"systemlists.dat"}; }

    // Texts put in as pasted: the input rules do not filter them.
    static void Type(Dialog& d, const std::string& destination, const std::string& prefix, const std::string& name,
                     const std::string& nextHop, const std::string& metric)
    {
        if (d.edtDst->isEnabled()) {
            d.edtDst->SetText(destination);
            d.edtPrefix->SetText(prefix);
        }
        d.edtInterface->SetText(name);
        d.edtNextHop->SetText(nextHop);
        d.edtMetric->SetText(metric);
    }
};

TEST_F(Ipv6StaticRouteWindow, ListsTheRoutes)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.width(), 554);
        EXPECT_EQ(w.height(), 356);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 2; }));
        EXPECT_EQ(Cells(w.ListView1),
                  (Rows{{"20010DB8000000000000000000000000", "32", "ip2", "FE800000000000000000000000000001", "1",
                         "static", "active", "none"},
                        {"20010DB8000100000000000000000000", "48", "System", "FE800000000000000000000000000002", "10",
                         "static", "active", "primary"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnDelete->isEnabled());
        ASSERT_NE(Ipv6StaticRouteEditForm, nullptr);
        EXPECT_EQ(Ipv6StaticRouteEditForm->edtInterface->Text(), "System");
        EXPECT_EQ(Ipv6StaticRouteEditForm->width(), 437);
        EXPECT_EQ(Ipv6StaticRouteEditForm->height(), 327);
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.btnDelete->isEnabled());
    });
    EXPECT_EQ(Ipv6StaticRouteEditForm, nullptr) << "the dialog goes with its window";
}

struct RouteCheck {
    const char* name;
    const char* destination;
    const char* prefix;
    const char* nextHop;
    const char* metric;
    std::vector<std::string> boxes; // none: the check passes and the route is written
    const char* focus;              // the edit that has the focus afterwards; none: it stays
};

// The add checks in their order: each stops the Set with its message and, where it says so, the
// focus on its edit; nothing is sent. Prefix 0 and 128 pass.
TEST_F(Ipv6StaticRouteWindow, AddChecksTheRoute)
{
    const char* const dst = "20010DB8000200000000000000000000";
    const char* const hop = "FE800000000000000000000000000009";
    const RouteCheck cases[] = {
        {"empty destination", "", "64", hop, "", {"Please Set Destination Address"}, nullptr},
        // The edit keeps the hexadecimal digits alone: eight of them.
        {"colon form", "2001:db8::1", "64", hop, "", {IPv6LengthMessage}, "edtDst"},
        {"empty prefix", dst, "", hop, "", {"Please Set Prefix length"}, nullptr},
        {"prefix 129", dst, "129", hop, "", {"Prefix should between 0-128"}, "edtPrefix"},
        {"empty next hop", dst, "64", "", "", {"Please Set Next Hop Address"}, nullptr},
        {"next hop colon form", dst, "64", "fe80::9", "", {IPv6LengthMessage}, "edtNextHop"},
        {"next hop the destination", dst, "64", dst, "", {"Duplicate IPv6 address, Please input a valid Next Hop"},
         "edtNextHop"},
        {"metric 0", dst, "64", hop, "0", {"Metric should between 1-65535"}, "edtMetric"},
        {"metric 65536", dst, "64", hop, "65536", {"Metric should between 1-65535"}, "edtMetric"},
        {"prefix 0", dst, "0", hop, "", {}, nullptr},
        {"prefix 128", dst, "128", hop, "", {}, nullptr},
    };
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 2; }));
        for (const RouteCheck& c : cases) {
            SCOPED_TRACE(c.name);
            ClearMessageBoxes();
            Sets();
            InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
                EXPECT_EQ(d.Caption(), "IPv6 Static Route: " + sim->Address() + " (Add)");
                Type(d, c.destination, c.prefix, "ip2", c.nextHop, c.metric);
                const std::string typed = d.edtDst->Text();
                Click(d.btnSet);
                EXPECT_EQ(MessageBoxTexts(), c.boxes);
                EXPECT_EQ(Closing(d), c.boxes.empty());
                if (!c.boxes.empty()) {
                    ASSERT_NE(d.focusWidget(), nullptr);
                    EXPECT_EQ(d.focusWidget()->objectName().toStdString(), c.focus != nullptr ? c.focus : "btnSet");
                    EXPECT_EQ(d.edtDst->Text(), typed) << "what the user typed stays";
                }
            });
            EXPECT_EQ(Sets().size(), c.boxes.empty() ? 1U : 0U);
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        }
    });
}

// Add writes Metric, Status createAndGo and Backup State "none" at the route's four keys; an
// empty metric stays out. Add Default fills 32 zeros and prefix 0 into its disabled edits.
// Delete writes Status destroy with the route's backup state, and the count shows "0" once the
// last route has gone.
TEST_F(Ipv6StaticRouteWindow, AddAddDefaultAndDeleteWriteTheirRows)
{
    InWindow<Window>([&](Window& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));

        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            EXPECT_FALSE(d.cbxStatus->isEnabled());
            EXPECT_EQ(d.cbxStatus->Text(), "createAndGo");
            EXPECT_EQ(d.cbxBackup->Text(), "none");
            EXPECT_FALSE(d.edtProtocol->isEnabled());
            EXPECT_FALSE(d.edtWeight->isVisible());
            Type(d, "20010DB8000200000000000000000000", "64", "ip2", "FE800000000000000000000000000009", "7");
            Click(d.btnSet);
            EXPECT_TRUE(Closing(d));
        });
        const std::string added =
            Route("20010DB8000200000000000000000000", 64, "ip2", "FE800000000000000000000000000009");
        EXPECT_EQ(Sets(), (Rows{{Routes + ".5." + added + "=7", Routes + ".8." + added + "=4",
                                 Routes + ".9." + added + "=3"}}));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 3; }));
        EXPECT_EQ(Cells(list)[2], (std::vector<std::string>{"20010DB8000200000000000000000000", "64", "ip2",
                                                            "FE800000000000000000000000000009", "7", "static",
                                                            "active", "none"}));

        InDialog<Dialog>(w.btnAddDefault, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "IPv6 Static Route: " + sim->Address() + " (Add default)");
            EXPECT_EQ(d.edtDst->Text(), Zeros);
            EXPECT_EQ(d.edtPrefix->Text(), "0");
            EXPECT_FALSE(d.edtDst->isEnabled());
            EXPECT_FALSE(d.edtPrefix->isEnabled());
            d.edtInterface->SetText("System");
            d.edtNextHop->SetText("FE80000000000000000000000000000A");
            d.cbxBackup->SetItemIndex(1);
            Click(d.btnSet);
            EXPECT_TRUE(Closing(d));
        });
        const std::string defaultRoute = Route(Zeros, 0, "System", "FE80000000000000000000000000000A");
        EXPECT_EQ(Sets(), (Rows{{Routes + ".8." + defaultRoute + "=4", Routes + ".9." + defaultRoute + "=2"}}));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 4; }));

        ClearMessageBoxes();
        ui::RunGuarded([&] { w.btnDeleteClick(nullptr); });
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Choose the item first."});
        while (list->Count() > 0) {
            const std::vector<std::string> row = Cells(list)[0];
            const std::string route = Route(row[0], std::stoi(row[1]), row[2], row[3]);
            const std::string backup = row[7] == "primary" ? "1" : row[7] == "backup" ? "2" : "3";
            const int before = list->Count();
            ClickRow(list, 0);
            Click(w.btnDelete);
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == before - 1; }));
            EXPECT_EQ(Sets(), (Rows{{Routes + ".8." + route + "=6", Routes + ".9." + route + "=" + backup}}));
            EXPECT_FALSE(w.btnDelete->isEnabled());
        }
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Choose the item first."});
    });
}

// The dialog's Set while the window's read runs: the read after the write supersedes that one,
// so every route is listed once. Delete is refused while a read runs; the window closes then.
TEST_F(Ipv6StaticRouteWindow, ReadsDoNotOverlap)
{
    InWindow<Window>([&](Window& w) {
        ui::ListView* list = w.ListView1;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        sim->Control("delay 150");
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        ClickRow(list, 0);
        Click(w.btnDelete);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            Type(d, "20010DB8000300000000000000000000", "64", "ip2", "FE800000000000000000000000000009", "");
            Click(d.btnSet);
        });
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets().size(), 1U);
        EXPECT_EQ(list->Count(), 3);
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        sim->Control("delay 150");
        Click(w.btnGet);
        EXPECT_TRUE(CloseAndAnswer(w));
        EXPECT_EQ(w.Request, nullptr);
    });
}

} // namespace
