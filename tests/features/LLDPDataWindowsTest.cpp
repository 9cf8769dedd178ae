// The read-only LLDP windows against the simulated switch: the local system data with its
// capabilities as words and the system name's hint, the remote table and the local link
// aggregation table with their bits as words.

#include "LLDPFixture.h"

#include "features/switching/LLDPDot3LinkAggForm.h"
#include "features/switching/LLDPLocSysDataForm.h"
#include "features/switching/LLDPRemoteForm.h"

#include "ui/Button.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

class LLDPData : public LLDPWindowTest {};

std::vector<std::size_t> LineLengths(const std::string& text)
{
    std::vector<std::size_t> lengths{0};
    for (const char c : text) {
        if (c == '\n')
            lengths.push_back(0);
        else
            ++lengths.back();
    }
    return lengths;
}

TEST_F(LLDPData, LocalSystemDataShowsTheCapabilitiesAsWords)
{
    InWindow<TLLDPLocSysDataForm>([&](TLLDPLocSysDataForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_EQ(w.subtypeText->Caption(), "macAddress");
        EXPECT_EQ(w.sysDescText->Caption(), "Sorvane-Kb Gigabit Ethernet Switch");
        EXPECT_FALSE(w.tempText1->isVisible());
        EXPECT_FALSE(w.CapSupportEdit->isEnabled());
        EXPECT_EQ(w.CapSupportEdit->Text(), " Bridge,Router");
        EXPECT_EQ(w.capEnableEdit->Text(), " Telphone");
        const std::string name = w.sysNameText->Caption();
        ASSERT_EQ(name.size(), 250u);
        const std::string hint = ui::Hint(w.sysNameText);
        EXPECT_EQ(LineLengths(hint), (std::vector<std::size_t>{99, 99, 52}));
        std::string joined = hint;
        std::erase(joined, '\n');
        EXPECT_EQ(joined, name);

        // Two octets: the first holds the bits.
        sim->Control("data 1.0.8802.1.1.2.1.3.5.0 x 28:00");
        sim->Control("data 1.0.8802.1.1.2.1.3.6.0 x C0");
        Click(w.GetButton);
        // The texts as they stood are decoded at once; the answer decodes the new ones.
        EXPECT_EQ(w.CapSupportEdit->Text(), " Bridge,Router");
        EXPECT_EQ(w.capEnableEdit->Text(), " Telphone");
        ASSERT_TRUE(WaitFor([&] { return w.capEnableEdit->Text() == " Other,Repeater"; }));
        EXPECT_EQ(w.CapSupportEdit->Text(), " Bridge,Router");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST(NameHint, LinesOf99Characters)
{
    EXPECT_EQ(NameHintOf(""), "");
    EXPECT_EQ(NameHintOf(std::string(99, 'a')), std::string(99, 'a'));
    EXPECT_EQ(NameHintOf(std::string(100, 'a')), std::string(99, 'a') + "\n" + "a");
    EXPECT_EQ(LineLengths(NameHintOf(std::string(250, 'a'))), (std::vector<std::size_t>{99, 99, 52}));
}

TEST_F(LLDPData, RemoteTableShowsTheNeighboursCapabilitiesAsWords)
{
    InWindow<TLLDPRemoteForm>([&](TLLDPRemoteForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        const Table rows = Cells(w.ListView1);
        ASSERT_EQ(rows.size(), 2u);
        ASSERT_EQ(rows[0].size(), 12u);
        EXPECT_EQ(rows[0][1], "1");
        EXPECT_EQ(rows[0][3], "macAddress");
        EXPECT_EQ(rows[0][8], "core-sw-01");
        EXPECT_EQ(rows[0][10], " bridge,router");
        EXPECT_EQ(rows[0][11], " bridge");
        EXPECT_EQ(rows[1][1], "3");
        EXPECT_EQ(rows[1][10], " bridge,router");
        EXPECT_EQ(rows[1][11], " router");
        EXPECT_EQ(w.StaticText1->Caption(), "2");

        // Without neighbours the list is empty and the count says so.
        sim->Control("data remove 1.0.8802.1.1.2.1.4.1.1");
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(LLDPData, LinkAggregationShowsTheStatusAsWords)
{
    InWindow<TLLDPDot3LinkAggForm>([&](TLLDPDot3LinkAggForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_EQ(Cells(w.ListView1),
                  (Table{{"1", " aggCapable,aggEnabled", "1"}, {"2", " aggEnabled", "0"}, {"3", " ", "0"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");

        // Refresh twice at once: the second read supersedes the first, no row twice.
        sim->Control("delay 50");
        Click(w.GetButton);
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }, 10000));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2", "3"}));

        // A silent switch: the time-out is reported in the status line, the list stays empty.
        w.Request->Request.Timeout = 20;
        sim->Control("silence on");
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }, 10000));
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_NE(StatusLine(&w).find("Get: "), std::string::npos) << StatusLine(&w);
        sim->Control("silence off");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
