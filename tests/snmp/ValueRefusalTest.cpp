// Typed values go to the switch as exactly what was typed, or not at all: texts that a syntax
// cannot encode are refused with the bad-value error before anything is sent, naming the item;
// an emptied octet string is a zero-length value, "(NULL)" the explicit null.

#include "BindingFixture.h"
#include "RequestFixture.h"
#include "TestHelpers.h"

#include "snmp/Exception.h"
#include "snmp/OctetText.h"
#include "snmp/ValueCodec.h"
#include "snmplib/Vb.h"

#include <optional>

using namespace bindingtest;
using namespace requesttest;

namespace {

std::string OctetsOf(const Vb& vb)
{
    OctetStr octets;
    vb.get_value(octets);
    return octets.get_string();
}

// The refusal a conversion raised, or none.
template <class Conversion>
std::optional<EBadValue> Refusal(Conversion convert)
{
    try {
        convert();
    } catch (const EBadValue& e) {
        return e;
    }
    return std::nullopt;
}

constexpr const char* Refused = nullptr;

struct TextCase {
    std::int32_t syntax;
    std::string text;
    const char* sent;   // Refused, or the printable value (octet strings: hex) of the binding
};

TEST(ValueRefusal, TextsEachSyntaxRefusesOrSendsExactly)
{
    const TextCase cases[] = {
        {integer, "", Refused},
        {integer, "abc", Refused},
        {integer, "12abc", Refused},
        {integer, " 5", Refused},
        {integer, "+5", Refused},
        {integer, "2147483648", Refused},
        {integer, "-2147483649", Refused},
        {integer, "(NOTDONE)", Refused},
        {integer, "-2147483648", "-2147483648"},
        {integer, "0", "0"},
        {integer, "(NULL)", ""},
        {guage, "", Refused},
        {guage, "-1", Refused},
        {counter, "4294967296", Refused},
        {uinteger, "4294967295", "4294967295"},
        {counter64, "", Refused},
        {counter64, "18446744073709551616", Refused},
        {counter64, "18446744073709551615", "18446744073709551615"},
        {timeticks, "", Refused},
        {timeticks, "12345", Refused},           // the lenient reading gives 0
        {timeticks, "1:02:03", Refused},         // ... drops the seconds
        {timeticks, "5.5", Refused},             // ... five hundredths
        {timeticks, "0:60:00.00", Refused},
        {timeticks, "497 days, 2:27:52.96", Refused},
        {timeticks, "497 days, 2:27:52.95", "497 days, 2:27:52.95"},
        {timeticks, "0:01:00.00", "0:01:00.00"},
        {ipaddress, "", Refused},
        {ipaddress, "10.0.0.300", Refused},
        {ipaddress, "10.0.0", Refused},
        {ipaddress, "10.0.0.1.5", Refused},
        {ipaddress, "10.0.0.1 ", Refused},
        {nsapaddr, "a.b.c.d", Refused},
        {ipaddress, "10.0.0.1", "10.0.0.1"},
        {ipaddress, "010.0.0.1", "10.0.0.1"},
        {inetaddress, "10.0.0.256", Refused},
        {inetaddress, "switch", Refused},
        {inetaddress, "10.0.0.1", "0A000001"},
        {inetaddress, "", ""},
        {datetime, "", Refused},
        {datetime, "abc", Refused},
        {datetime, "2007-13-45,25:61:61.0", Refused},
        {datetime, "2023-2-29,0:0:0.0", Refused},
        {datetime, "2024-4-31", Refused},
        {datetime, "2024-1-2,3:4:5.6,+15:0", Refused},
        {datetime, "2024-2-29,23:59:60.9,+5:30", "07E8021D173B3C092B051E"},
        {datetime, "2024-1-2", "07E80102000000002B0000"},
        {macaddress, "", Refused},
        {macaddress, "00112233445", Refused},
        {macaddress, "00-11-22-33-44-55", "001122334455"},
        // The octet strings take the empty text as a zero-length value, not a null.
        {octetstr, "", ""},
        {bitstr, "", ""},
        {opaque, "", ""},
        {bitlist, "", ""},
        {ipv6address, "", ""},
        {displaystr, "", ""},
        {octetstr, "(NULL)", ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax 0x" << std::hex << c.syntax << " \"" << c.text << "\"");
        Vb vb(Oid("1.3.6.1.3.1.0"));
        const std::optional<EBadValue> refusal = Refusal([&] { ValueTextToVb(c.text, c.syntax, vb); });
        if (c.sent == Refused) {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->HelpContext(), -518);
            EXPECT_EQ(refusal->Syntax(), c.syntax);
            continue;
        }
        ASSERT_FALSE(refusal.has_value()) << refusal->Message();
        if (c.text == "(NULL)") {
            EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL);
        } else if (vb.get_syntax() == sNMP_SYNTAX_OCTETS) {
            EXPECT_EQ(OctetsToHex(OctetsOf(vb)), c.sent);
        } else {
            EXPECT_EQ(vb.get_printable_value(), c.sent);
        }
    }
}

// Texts typed into bound edits: whole values, values spread over several edits and parts of
// values. A refusal names the item and the syntax the text was read in.
class RefusedEdits : public BindingTest {};

TEST_F(RefusedEdits, TypedTextsAreCollectedExactlyOrRefusedNamingTheItem)
{
    struct Case {
        const char* name;
        std::int32_t syntax;
        int offset;
        std::int32_t partSyntax;
        std::vector<std::string> typed;
        const char* collected;   // Refused, or the item's value afterwards
    };
    const Case cases[] = {
        {"emptied number", integer, 0, integer, {""}, Refused},
        {"number out of range", integer, 0, integer, {"2147483648"}, Refused},
        {"negative counter", guage, 0, guage, {"-1"}, Refused},
        {"number", integer, 0, integer, {"-7"}, "-7"},
        {"address field above 255", ipaddress, 0, ipaddress, {"10", "0", "0", "300"}, Refused},
        {"emptied address field", ipaddress, 0, ipaddress, {"10", "0", "", "1"}, Refused},
        {"address", ipaddress, 0, ipaddress, {"10", "0", "0", "44"}, "10.0.0.44"},
        {"address in one edit", ipaddress, 0, ipaddress, {"10.0.0.300"}, Refused},
        {"month 13", datetime, 0, datetime, {"2007", "13", "45", "25", "61", "61", "0", "+", "0", "0"}, Refused},
        {"month field above its octet", datetime, 0, datetime, {"2007", "269", "1", "0", "0", "0", "0", "+", "0", "0"},
         Refused},
        {"date text", datetime, 0, datetime, {"abc"}, Refused},
        {"date", datetime, 0, datetime, {"2024", "2", "29", "23", "59", "0", "0", "+", "0", "0"}, "2024-2-29,23:59:0.0"},
        {"emptied time-tick field", timeticks, 0, timeticks, {"1", "", "0", "0", "0"}, Refused},
        {"minutes above 59", timeticks, 0, timeticks, {"0", "0", "60", "0", "0"}, Refused},
        {"byte part above 255", octetstr, 1, uint8, {"256"}, Refused},
        {"emptied byte part", octetstr, 1, uint8, {""}, Refused},
        {"16-bit part", octetstr, 0, uint16, {"65535"}, "FFFF"},
        {"emptied octet string", octetstr, 0, octetstr, {""}, ""},
        {"emptied hex string", opaque, 0, opaque, {""}, ""},
        {"emptied display string", displaystr, 0, displaystr, {""}, ""},
        {"explicit null", octetstr, 0, octetstr, {"(NULL)"}, "(NULL)"},
        {"explicit null number", integer, 0, integer, {"(NULL)"}, "(NULL)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver->Unbind(1);
        // Item 0 stays well-formed: the refusal must name item 1.
        Items({{"1.3.6.1.3.1", "First", integer, readwrite, nullptr},
               {"1.3.6.1.3.2", "Typed", c.syntax, readwrite, nullptr}},
              {"5", ""});
        if (driver->Bindings.empty())
            driver->BindEdits(0, "%s", Add<ui::Edit>());
        const std::vector<ui::Edit*> edits = AddMany<ui::Edit>(static_cast<int>(c.typed.size()));
        std::string rule;
        for (std::size_t k = 0; k < edits.size(); ++k)
            rule += "%s";
        driver->BindEditsPart(1, c.offset, c.partSyntax, nullptr, rule, edits[0], {edits.begin() + 1, edits.end()});
        static_cast<ui::Edit*>(driver->Bindings[0].Controls[0].data())->SetText("5");
        for (std::size_t k = 0; k < edits.size(); ++k)
            edits[k]->SetText(c.typed[k]);

        const std::optional<EBadValue> refusal = Refusal([&] { driver->ControlsToValues(); });
        if (c.collected == Refused) {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->Item(), 1);
            EXPECT_EQ(refusal->Syntax(), c.partSyntax);
        } else {
            ASSERT_FALSE(refusal.has_value()) << refusal->Message();
            EXPECT_EQ(Value(1), c.collected);
        }
    }
}

// Against the simulated switch: a refused value stops the whole write, so nothing reaches the
// switch; an emptied octet string goes out as a zero-length OCTET STRING.
class RefusedWrites : public RequestTest {};

TEST_F(RefusedWrites, NothingReachesTheSwitchAndEmptyOctetStringsAreZeroLength)
{
    const VarDescriptor scalars[] = {
        {"1.3.6.1.3.4242.6.2", "Text", octetstr, readwrite, nullptr},
        {"1.3.6.1.3.4242.6.1", "Number", integer, readwrite, nullptr},
        {"1.3.6.1.3.4242.6.3", "Address", ipaddress, readwrite, nullptr},
        {},
    };
    struct Case {
        const char* number;
        const char* address;
        int refusedItem;   // -1: written
    };
    const Case cases[] = {{"", "10.0.0.1", 1}, {"5", "10.0.0.300", 2}, {"5", "10.0.0.1", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.number << " " << c.address);
        auto request = Request(MvSNMPVarList(scalars, SVT_SV, 0));
        request->VarList.Item(0).value = "";
        request->VarList.Item(1).value = c.number;
        request->VarList.Item(2).value = c.address;
        Sim().ClearSetJournal();
        bool ok = false;
        MvSNMPError error;
        const std::optional<EBadValue> refusal = Refusal([&] { request->SyncSet(ok, error); });
        const auto journal = Sim().SetJournal();
        if (c.refusedItem >= 0) {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->Item(), c.refusedItem);
            EXPECT_TRUE(journal.empty());
            continue;
        }
        ASSERT_FALSE(refusal.has_value()) << refusal->Message();
        EXPECT_TRUE(ok) << error.Message;
        ASSERT_EQ(journal.size(), 1u);
        ASSERT_EQ(journal[0].size(), 3u);
        EXPECT_EQ(journal[0][0].type, 'x');
        EXPECT_EQ(journal[0][0].Octets(), "");
        EXPECT_EQ(journal[0][1].value, "5");
        EXPECT_EQ(journal[0][2].value, "10.0.0.1");
    }
}

// A key names the row a write goes to: an empty or foreign key text names none.
TEST_F(RefusedWrites, KeysThatNameNoRowAreRefused)
{
    const VarDescriptor columns[] = {
        {"1.3.6.1.3.4242.1.1.3", "Row", integer, notaccess, nullptr},
        {"1.3.6.1.3.4242.1.1.2", "Number", integer, readwrite, nullptr},
        {},
    };
    for (const char* key : {"", "(NULL)", "x1", "4294967296"}) {
        SCOPED_TRACE(key);
        auto request = Request(MvSNMPVarList(columns, MVT_FMV, 1));
        request->VarList.Item(0).value = key;
        request->VarList.Item(1).value = "7";
        Sim().ClearSetJournal();
        bool ok = false;
        MvSNMPError error;
        const std::optional<EBadValue> refusal = Refusal([&] { request->SyncSet(ok, error); });
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->Item(), 0);
        EXPECT_TRUE(Sim().SetJournal().empty());
    }
}

} // namespace
