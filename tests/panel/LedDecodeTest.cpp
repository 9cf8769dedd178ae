// The LED request without an agent: a value text is put into the list and the answer step runs,
// as the event pump would run it; blink ticks are called by hand.

#include "panel/LedColorMaps.h"
#include "panel/Request2Leds.h"

#include "snmp/Exception.h"
#include "snmp/SnmpError.h"
#include "snmp/VarList.h"
#include "ui/Panel.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t Lime = 0x00FF00;
constexpr std::int32_t Red = 0x0000FF;
constexpr std::int32_t Orange = 0x4080FF;
constexpr std::int32_t DarkGrey = 0x4B4B4B;

// Power, console, RPS and fan, then the LED of ports 1 to 3, as a panel binds them.
enum Led { Power, Console, Rps, Fan, Port1, Port2, Port3 };

class LedDecode : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildLedColorMaps();
        leds_ = std::make_unique<MvSNMPRequest2Leds>(&owner_);
        leds_->BlinkTimer->SetEnabled(false);
        leds_->Request.VarList = MvSNMPVarList(LedStatusTable2, SVT_SV, 0);
        const std::vector<std::pair<int, const MvSNMPLedColorMapList*>> places = {
            {2, &PowerLedMap}, {3, &ConsoleLedMap}, {4, &RpsLedMap}, {5, &FanLedMap},
            {6, &PortLedMap},  {8, &PortLedMap},    {10, &PortLedMap}};
        for (const auto& [byte, map] : places) {
            auto* panel = new ui::Panel(&owner_);
            leds_->AddLeds(0, std::to_string(byte), *map, panel, 0, 9, ui::stRectangle, 6, 6);
        }
        leds_->SetMode(2, 6);
    }
    void TearDown() override
    {
        leds_.reset();
        FreeLedColorMaps();
    }

    void Receive(const std::string& value)
    {
        leds_->Request.VarList.Item(0).value = value;
        leds_->RowReceived();
    }
    const LedBinding& Binding(int led) const { return leds_->Leds[static_cast<std::size_t>(led)]; }
    std::int32_t Shown(int led) const { return static_cast<std::int32_t>(Binding(led).shape->BrushColor()); }

    QWidget owner_;
    std::unique_ptr<MvSNMPRequest2Leds> leds_;
};

struct DecodeCase {
    const char* what;
    const char* value;
    int led;
    std::int32_t colour;
    bool blinking;
};

TEST_F(LedDecode, DecodesEveryKindOfLedFromTheValue)
{
    const DecodeCase cases[] = {
        {"6 bytes: power", "000002020102", Power, Lime, false},
        {"6 bytes: console", "000002020102", Console, Lime, false},
        {"6 bytes: RPS", "000002020102", Rps, 0, false},
        {"6 bytes: fan fault", "000002020102", Fan, Red, true},
        {"6 bytes: a port beyond the value", "000002020102", Port1, 0, false},
        {"fan key 1", "000000000001", Fan, 0, false},
        {"console key 3 is no entry", "000000030000", Console, 0, false},
        {"port without link, colour 3", "0000020201010103", Port1, 0, false},
        {"port activity", "0000020201018202", Port1, Orange, true},
        {"port steady", "0000020201010004", Port1, Lime, false},
        {"port state 2, colour 1", "0000020201010201", Port1, Orange, true},
        {"port key 0", "0000020201010000", Port1, DarkGrey, false},
        {"port colour 5 is no entry: black, not key 0's colour", "0000020201010005", Port1, 0, false},
        {"fibre colour 13", "0000020201018213", Port1, Lime, true},
        {"a state byte that ends the value", "00000202010100", Port1, 0, false},
        {"(NULL): power", "(NULL)", Power, 0, false},
        {"(NULL): port", "(NULL)", Port2, 0, false},
    };
    for (const DecodeCase& c : cases) {
        Receive(c.value);
        EXPECT_EQ(Binding(c.led).colour, c.colour) << c.what;
        EXPECT_EQ(Binding(c.led).blinking, c.blinking) << c.what;
        if (!c.blinking) {
            EXPECT_EQ(Shown(c.led), c.colour) << c.what << ": the answer's repaint shows the colour";
        }
    }
}

TEST_F(LedDecode, AMapWithoutAbsentColourStopsDecodingAtAShortValue)
{
    MvSNMPLedColorMapList strict;
    const LedColorEntry entries[] = {{2, Red}, {}};
    strict.Init(entries, 7, 0, 0, -1);
    auto* panel = new ui::Panel(&owner_);
    leds_->AddLeds(0, "12", strict, panel, 0, 9, ui::stRectangle, 6, 6); // port 4, after ports 1 to 3
    const int port4 = 7;
    Receive("0000020201010004000300040002");
    ASSERT_EQ(Binding(port4).colour, Red);
    ASSERT_EQ(Shown(Port2), Lime);

    leds_->Request.VarList.Item(0).value = "00000000000000010001";
    try {
        leds_->RowReceived();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext(), MvCode::PartIndexOutOfRange);
    }
    EXPECT_EQ(Binding(Power).colour, 0) << "decoded before the failing LED";
    EXPECT_EQ(Binding(Port2).colour, Orange);
    EXPECT_EQ(Binding(port4).colour, Red) << "the failing LED keeps its state";
    EXPECT_EQ(Shown(Power), Lime) << "no repaint";
    EXPECT_EQ(Shown(Port2), Lime) << "no repaint";
}

TEST_F(LedDecode, ModesAndSplit)
{
    Receive("0000020201010004");
    leds_->SetMode(3, 6);
    Receive("0000000000000103");
    EXPECT_EQ(Binding(Power).colour, Lime) << "mode 3 decodes nothing";
    EXPECT_EQ(Binding(Port1).colour, Lime);

    leds_->SetMode(0, 0);
    EXPECT_EQ(leds_->Mode, 1);
    EXPECT_EQ(leds_->SplitIndex, 4);
    Receive("0000020201010004");
    EXPECT_EQ(Binding(Port1).colour, DarkGrey) << "mode 1: port 1's state byte as a one-byte LED";
    EXPECT_FALSE(Binding(Port1).blinking);
    EXPECT_EQ(Binding(Port2).colour, 0) << "beyond the value";
}

// The brush colours of one LED after the answer and each of the following blink ticks.
std::vector<std::int32_t> Flashes(MvSNMPRequest2Leds& leds, int led, int ticks)
{
    std::vector<std::int32_t> seen;
    const auto shown = [&] { return static_cast<std::int32_t>(leds.Leds[static_cast<std::size_t>(led)].shape->BrushColor()); };
    seen.push_back(shown());
    for (int i = 0; i < ticks; ++i) {
        leds.BlinkTimerTick(nullptr);
        seen.push_back(shown());
    }
    return seen;
}

int Changes(const std::vector<std::int32_t>& colours, std::int32_t before)
{
    int changes = 0;
    for (std::int32_t c : colours) {
        changes += c != before ? 1 : 0;
        before = c;
    }
    return changes;
}

TEST_F(LedDecode, ABlinkingLedFlashesSevenTimesAfterEachAnswer)
{
    Receive("0000020201018203");
    std::vector<std::int32_t> seen = Flashes(*leds_, Port1, 12);
    EXPECT_EQ(Changes(seen, 0), 7);
    EXPECT_EQ(seen[1], 0) << "dark at the first tick";
    for (std::size_t i = 6; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], Lime) << "steady from the sixth tick on, at " << i;
    EXPECT_GT(leds_->BlinkCount, leds_->BlinkLimit);

    Receive("0000020201018203");
    EXPECT_EQ(leds_->BlinkCount, 1);
    seen = Flashes(*leds_, Port1, 12);
    EXPECT_GE(Changes(seen, Lime), 7) << "the next answer starts the flashing again";
    EXPECT_EQ(seen.back(), Lime);

    Receive("0000020201030203"); // fan byte 3: blinking in its default colour, black
    seen = Flashes(*leds_, Fan, 12);
    EXPECT_TRUE(Binding(Fan).blinking);
    EXPECT_EQ(Changes(seen, 0), 0) << "an LED lit in its default colour never changes";
}

TEST_F(LedDecode, ResetAndStopShowTheDefaultColours)
{
    Receive("0000020201018203");
    leds_->Stop();
    EXPECT_EQ(Shown(Power), 0);
    EXPECT_EQ(Shown(Port1), 0);
    EXPECT_FALSE(Binding(Port1).blinking);
    EXPECT_FALSE(leds_->PollTimer->Enabled());
    EXPECT_FALSE(leds_->BlinkTimer->Enabled());
}

// The maps as the panels use them: key mask 7, default and absent colour black, and exactly
// these entries.
TEST(LedColorMaps, HoldTheirEntriesAndMasks)
{
    BuildLedColorMaps();
    BuildLedColorMaps(); // only the first call builds
    struct Expected {
        const char* name;
        const MvSNMPLedColorMapList* map;
        int blinkMask;
        std::vector<std::pair<int, std::int32_t>> entries;
    };
    const Expected maps[] = {
        {"power", &PowerLedMap, 0, {{0, 0}, {1, 0}, {2, 0x00FF00}}},
        {"console", &ConsoleLedMap, 0, {{0, 0}, {1, 0}, {2, 0x00FF00}}},
        {"RPS", &RpsLedMap, 0, {{0, 0}, {1, 0}, {2, 0x00FF00}, {3, 0}}},
        {"fan", &FanLedMap, 2, {{0, 0}, {1, 0}, {2, 0x0000FF}}},
        {"port", &PortLedMap, 7, {{0, 0x4B4B4B}, {1, 0x4080FF}, {2, 0x4080FF}, {3, 0x00FF00}, {4, 0x00FF00}}},
        {"strip", &PortStripMap, 0, {{0, 0}, {1, 0x04A6FD}, {2, 0x04A6FD}, {3, 0x05B135}, {4, 0x05B135}}},
        {"thin strip", &PortThinStripMap, 0, {{0, 0}, {1, 0x07E8FA}, {2, 0x07E8FA}, {3, 0x7CF759}, {4, 0x7CF759}}},
        {"uplink", &UplinkLedMap, 7, {{0, 0x4B4B4B}, {1, 0x4080FF}, {2, 0x4080FF}, {3, 0x4080FF}, {4, 0x00FF00}}},
        {"uplink strip", &UplinkStripMap, 0, {{0, 0}, {1, 0x04A6FD}, {2, 0x04A6FD}, {3, 0x04A6FD}, {4, 0x05B135}}},
        {"uplink thin strip", &UplinkThinStripMap, 0,
         {{0, 0}, {1, 0x07E8FA}, {2, 0x07E8FA}, {3, 0x07E8FA}, {4, 0x7CF759}}},
    };
    for (const Expected& e : maps) {
        EXPECT_EQ(e.map->KeyMask, 7) << e.name;
        EXPECT_EQ(e.map->BlinkMask, e.blinkMask) << e.name;
        EXPECT_EQ(e.map->DefaultColour, 0) << e.name;
        EXPECT_EQ(e.map->AbsentColour, 0) << e.name;
        ASSERT_EQ(e.map->Count(), static_cast<int>(e.entries.size())) << e.name;
        for (int i = 0; i < e.map->Count(); ++i) {
            EXPECT_EQ(e.map->Entry(i).key, e.entries[static_cast<std::size_t>(i)].first) << e.name;
            EXPECT_EQ(e.map->Entry(i).colour, e.entries[static_cast<std::size_t>(i)].second) << e.name;
        }
        for (int key = 5; key <= 7; ++key)
            EXPECT_EQ(e.map->ColourOf(static_cast<std::uint8_t>(key)), 0) << e.name;
    }
    FreeLedColorMaps();
    EXPECT_EQ(PowerLedMap.Count(), 3) << "still built: one Free per Build";
    FreeLedColorMaps();
    EXPECT_EQ(PowerLedMap.Count(), 0);
}

TEST(LedColorMaps, StatusTablePerModel)
{
    EXPECT_EQ(LedStatusTableOf("1.3.6.1.4.1.171.10.133.1.1"), LedStatusTable1);
    EXPECT_EQ(LedStatusTableOf("1.3.6.1.4.1.171.10.133.4.1"), LedStatusTable4);
    EXPECT_EQ(LedStatusTableOf("1.3.6.1.4.1.171.10.133.5.1"), nullptr);
    EXPECT_STREQ(LedStatusTable3[0].oid, "1.3.6.1.4.1.171.11.133.3.1.2.1.1.4");
    EXPECT_EQ(LedStatusTable3[0].syntax, octetstr);
    EXPECT_EQ(LedStatusTable3[0].access, readonly);
    EXPECT_EQ(LedStatusTable3[1].oid, nullptr);
}

} // namespace
