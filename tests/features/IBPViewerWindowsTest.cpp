// The four IP-MAC binding ACL viewers against the simulated switch (tests/support/data/
// acl-counters-bindings.dat): their tables listed, a row shown in read-only fields and port
// boxes, a click on empty space and Refresh clearing them, and nothing ever written.

#include "SwitchingFixture.h"

#include "features/acl/IBPACLEtherMaskForm.h"
#include "features/acl/IBPEtherRuleForm.h"
#include "features/acl/IBPIPMaskForm.h"
#include "features/acl/IBPIPRuleForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

namespace {

using Table = std::vector<std::vector<std::string>>;
using Script = std::function<void(TIBPViewerFrame&)>;

class IBPViewerWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"acl-counters-bindings.dat"}; }

public:
    // Opens the viewer and runs a script inside it.
    template <class Window>
    static std::function<void(IBPViewerWindows&, const Script&)> Opener()
    {
        return [](IBPViewerWindows& test, const Script& script) {
            test.InWindow<Window>([&](Window& w) { script(w); });
        };
    }
};

struct Viewer {
    const char* name;
    std::function<void(IBPViewerWindows&, const Script&)> open;
    std::string entry;                     // the table, for emptying it
    std::vector<std::string> headers;
    Table rows;
    std::vector<std::string> edits;        // the fields of the columns, in column order
    const char* combo;                     // the option column's list, or none
    const char* refresh;                   // the Refresh button
    std::vector<int> portsOfRow0;          // the rule windows' ticked ports of row 0
};

const std::vector<Viewer>& Viewers()
{
    static const std::vector<Viewer> viewers = {
        {"Ethernet mask", IBPViewerWindows::Opener<TIBPACLEtherMaskForm>(), "1.3.6.1.4.1.171.12.9.2.6.1",
         {"Profile ID", "Ethernet Type"},
         {{"1", "enabled"}, {"14", "disabled"}},
         {"edtID"}, "cbxEtherType", "BT_Get", {}},
        {"Ethernet rule", IBPViewerWindows::Opener<TIBPEtherRuleForm>(), "1.3.6.1.4.1.171.12.9.3.5.1",
         {"Profile ID", "Access ID", "Rule Type", "Permit", "Port"},
         {{"1", "1", "0806", "permit", "1-3[E000000000000000]"},
          {"1", "2", "0800", "deny", "10[0040000000000000]"},
          {"2", "3", "0806", "permit", "26[0000004000000000]"}},
         {"edtMaskID", "edtAccessID", "edtRuleType"}, "cbxPermit", "btnRefresh", {1, 2, 3}},
        {"IP mask", IBPViewerWindows::Opener<TIBPIPMaskForm>(), "1.3.6.1.4.1.171.12.9.2.7.1",
         {"Profile ID", "Source MAC Address Mask", "Source IP Address Mask"},
         {{"2", "FFFFFFFFFFFF", "255.255.255.255"}, {"3", "FFFFFF000000", "255.255.255.0"}},
         {"edtID", "edtSrcMacMask", "edtSrcIPMask"}, nullptr, "BT_Get", {}},
        {"IP rule", IBPViewerWindows::Opener<TIBPIPRuleForm>(), "1.3.6.1.4.1.171.12.9.3.6.1",
         {"Profile ID", "Access ID", "Source MAC Address", "Source IP Address", "Permit", "Port"},
         {{"1", "1", "001122334455", "10.0.0.1", "permit", "1,5[8800000000000000]"},
          {"1", "2", "0A0B0C0D0E0F", "10.0.0.2", "deny", "24[0000010000000000]"}},
         {"edtMaskID", "edtAccessID", "edtSrcMac", "edtSrcIP"}, "cbxPermit", "btnRefresh", {1, 5}},
    };
    return viewers;
}

// Each viewer lists its table and shows a row in its fields (the option in a list that stays
// off, a rule's ports in the boxes of unit 1); a click on empty space clears them.
TEST_F(IBPViewerWindows, ListTheirTablesAndShowTheChosenRow)
{
    for (const Viewer& v : Viewers()) {
        SCOPED_TRACE(v.name);
        v.open(*this, [&](TIBPViewerFrame& w) {
            auto* list = Find<ui::ListView>(&w, "ListView1");
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(Cells(list), v.rows);
            ASSERT_EQ(list->ColumnCount(), static_cast<int>(v.headers.size()));
            for (int i = 0; i < list->ColumnCount(); ++i)
                EXPECT_EQ(list->ColumnCaption(i), v.headers[static_cast<std::size_t>(i)]);
            EXPECT_EQ(Find<ui::Label>(&w, "StaticText1")->Caption(), std::to_string(v.rows.size()));
            EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
            EXPECT_EQ(w.PortPicker != nullptr, !v.portsOfRow0.empty());
            ui::ComboBox* combo = v.combo != nullptr ? Find<ui::ComboBox>(&w, v.combo) : nullptr;
            if (combo != nullptr) {
                EXPECT_FALSE(combo->isEnabled());
                EXPECT_EQ(combo->ItemIndex(), -1);
            }

            ClickRow(list, 0);
            for (std::size_t i = 0; i < v.edits.size(); ++i) {
                auto* edit = Find<ui::Edit>(&w, v.edits[i]);
                ASSERT_NE(edit, nullptr);
                EXPECT_EQ(edit->Text(), v.rows[0][i]) << v.edits[i];
                EXPECT_TRUE(edit->ReadOnly()) << v.edits[i];
            }
            if (combo != nullptr) {
                EXPECT_FALSE(combo->isEnabled());
                EXPECT_EQ(combo->Text(), v.rows[0][v.edits.size()]);
            }
            if (w.PortPicker) {
                EXPECT_EQ(TickedPorts(w.PortPicker), v.portsOfRow0);
                EXPECT_EQ(w.PortPicker->PortBoxes.size(), 64u);
                EXPECT_EQ(w.PortPicker->parentWidget()->parentWidget()->parentWidget(),
                          Find<QWidget>(&w, "PageControl1"));
            }

            ClickRow(list, -1);
            for (const std::string& name : v.edits)
                EXPECT_EQ(Find<ui::Edit>(&w, name)->Text(), "") << name;
            if (combo != nullptr) {
                EXPECT_EQ(combo->ItemIndex(), -1);
                EXPECT_FALSE(combo->isEnabled());
            }
            if (w.PortPicker) {
                EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
            }
        });
    }
    EXPECT_TRUE(Sets().empty()) << "nothing is ever written";
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A rule row's ports: box k is port k + 1 of unit 1, the last ports of the switch too.
TEST_F(IBPViewerWindows, ARuleRowTicksTheBoxesOfItsPorts)
{
    InWindow<TIBPEtherRuleForm>([&](TIBPEtherRuleForm& w) {
        ClickRow(w.ListView1, 2);
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{26}));
        EXPECT_EQ(w.cbxPermit->Text(), "permit");
        ClickRow(w.ListView1, 1);
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{10}));
        EXPECT_EQ(w.cbxPermit->Text(), "deny");
        EXPECT_FALSE(w.cbxPermit->isEnabled());
    });
    InWindow<TIBPIPRuleForm>([&](TIBPIPRuleForm& w) {
        ClickRow(w.ListView1, 1);
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{24}));
        EXPECT_EQ(w.edtSrcIP->Text(), "10.0.0.2");
        EXPECT_EQ(w.cbxPermit->Text(), "deny");
        EXPECT_FALSE(w.cbxPermit->isEnabled());
    });
    EXPECT_TRUE(Sets().empty());
}

// A Refresh that cannot be sent says why in the status line and leaves no row shown.
TEST_F(IBPViewerWindows, ARefreshThatCannotBeSentSaysWhy)
{
    InWindow<TIBPIPRuleForm>([&](TIBPIPRuleForm& w) {
        ClickRow(w.ListView1, 0);
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.btnRefresh);
        w.Request->Request.Device.Address = address;
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.edtSrcMac->Text(), "");
        EXPECT_EQ(w.cbxPermit->ItemIndex(), -1);
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
        Click(w.btnRefresh);
        EXPECT_EQ(w.ListView1->Count(), 2);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Refresh reads the table again and clears what the row showed; an emptied table shows "0".
TEST_F(IBPViewerWindows, RefreshReadsAgainAndClears)
{
    for (const Viewer& v : Viewers()) {
        SCOPED_TRACE(v.name);
        v.open(*this, [&](TIBPViewerFrame& w) {
            auto* list = Find<ui::ListView>(&w, "ListView1");
            ASSERT_NE(list, nullptr);
            ClickRow(list, 0);
            const int getNexts = Stat("getnext");
            // The first row leaves the switch.
            const std::string index = v.rows[0][0] + (v.portsOfRow0.empty() ? "" : "." + v.rows[0][1]);
            for (int column = 2; column <= 6; ++column)
                sim->Control("data remove " + v.entry + "." + std::to_string(column) + "." + index);
            Click(&w, v.refresh);
            EXPECT_GT(Stat("getnext"), getNexts);
            EXPECT_EQ(list->Count(), static_cast<int>(v.rows.size()) - 1);
            EXPECT_EQ(Find<ui::Label>(&w, "StaticText1")->Caption(), std::to_string(v.rows.size() - 1));
            for (const std::string& name : v.edits)
                EXPECT_EQ(Find<ui::Edit>(&w, name)->Text(), "") << name;
            if (w.PortPicker) {
                EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
            }

            // Empty.
            sim->Control("data remove " + v.entry);
            Click(&w, v.refresh);
            EXPECT_EQ(list->Count(), 0);
            EXPECT_EQ(Find<ui::Label>(&w, "StaticText1")->Caption(), "0");
        });
        // Opened on the empty table.
        v.open(*this, [&](TIBPViewerFrame& w) {
            EXPECT_EQ(Find<ui::ListView>(&w, "ListView1")->Count(), 0);
            EXPECT_EQ(Find<ui::Label>(&w, "StaticText1")->Caption(), "0");
        });
    }
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
