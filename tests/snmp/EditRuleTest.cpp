// The rule language of edit controls: reading rule texts, the characters a type refuses and the
// checks of a whole text.

#include "snmp/EditRule.h"
#include "snmp/Exception.h"
#include "snmp/SnmpError.h"
#include "snmp/Validators.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

TEST(EditRuleParse, ReadsTheOptionsOfTheSystemsRuleTexts)
{
    const EditRuleFormat vlan = ParseEditRule("%i{n1x4094l4}");
    EXPECT_EQ(vlan.Type, 'i');
    EXPECT_EQ(vlan.Min, 1);
    EXPECT_EQ(vlan.Max, 4094);
    EXPECT_EQ(vlan.MaxLength, 4);
    EXPECT_EQ(vlan.LengthFlags, 0);

    const EditRuleFormat port = ParseEditRule("%i{n1x65535l5a}");
    EXPECT_EQ(port.MaxLength, 5);
    EXPECT_EQ(port.LengthFlags, LengthAutoAdvance);

    const EditRuleFormat negative = ParseEditRule("%i{n-1x7l2}");
    EXPECT_EQ(negative.Min, -1);
    EXPECT_EQ(negative.Max, 7);

    const EditRuleFormat big = ParseEditRule("%i{n0x4294967295l10}");
    EXPECT_EQ(big.Max, 4294967295.0);

    // Flag letters follow the digits directly; "n" there is the not-empty flag, not a bound.
    const EditRuleFormat flags = ParseEditRule("%s{l8afnx5}");
    EXPECT_EQ(flags.LengthFlags, LengthAutoAdvance | LengthFixed | LengthNotEmpty);
    EXPECT_EQ(flags.Max, 5);

    const EditRuleFormat list = ParseEditRule("%n,{l3f}");
    EXPECT_EQ(list.Type, 'n');
    EXPECT_EQ(list.Delimiter, ',');
    EXPECT_EQ(list.LengthFlags, LengthFixed);

    const EditRuleFormat misc = ParseEditRule("%s{Ze.w120}");
    EXPECT_TRUE(misc.CustomCheck);
    EXPECT_EQ(misc.JumpChar, '.');
    EXPECT_EQ(misc.Width, 120);

    // A later option overrides an earlier one of the same kind.
    EXPECT_EQ(ParseEditRule("%i{x5x9}").Max, 9);
}

TEST(EditRuleParse, TypeDefaults)
{
    const EditRuleFormat real = ParseEditRule("%f");
    EXPECT_EQ(real.Min, DBL_MIN); // the smallest positive double
    EXPECT_EQ(real.Max, DBL_MAX);
    EXPECT_EQ(ParseEditRule("%i{}").Min, -2147483648.0);
    EXPECT_EQ(ParseEditRule("%i").Max, 2147483647.0);
    EXPECT_EQ(ParseEditRule("%u").Min, 0);
    EXPECT_EQ(ParseEditRule("%u").Max, 4294967295.0);
    EXPECT_EQ(ParseEditRule("%n.").Max, 4294967295.0);
}

TEST(EditRuleParse, AddressOptionsConsumeTheFollowingCharacter)
{
    const struct {
        const char* text;
        std::uint8_t kind;
    } cases[] = {
        {"%s{I}", AddressIPv4},       {"%s{Im}", AddressMulticastIPv4}, {"%s{I6}", AddressIPv6},
        {"%s{I6m}", AddressMulticastIPv6}, {"%s{M}", AddressMAC},      {"%s{Mm}", AddressMulticastMAC},
        {"%s{Mu}", AddressUnicastMAC},
        // Any other character after "I" is skipped as well.
        {"%s{Ixl4}", AddressIPv4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseEditRule(c.text).AddressKind, c.kind);
    }
    EXPECT_EQ(ParseEditRule("%s{Ixl4}").MaxLength, 4);
}

TEST(EditRuleParse, MalformedTextsRaiseEntryTwoWithCodeMinusTwo)
{
    for (const char* text : {"", "i", "%", "%x", "%i{n}", "%i{l}", "%i{q}", "%i{l4", "%s{Il4}", "%n", "%i}",
                             "%i{", "%ix", "%s{e}", "%i{w}", "%i{n-}", "%i{}x"}) {
        SCOPED_TRACE(text);
        try {
            ParseEditRule(text);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext(), -2);
            EXPECT_EQ(e.Message(), " Bad format specifier of edit's constraint!");
        }
    }
}

TEST(EditRuleSplit, CutsBeforeEveryPercentButTheFirst)
{
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(SplitEditRules("%i{n0x255}%i{n0x255}"), (Pieces{"%i{n0x255}", "%i{n0x255}"}));
    EXPECT_EQ(SplitEditRules("%s{l4}%"), (Pieces{"%s{l4}"}));
    EXPECT_EQ(SplitEditRules("%i"), (Pieces{"%i"}));
    // Text between a closing brace and the next "%" stays with the earlier piece.
    EXPECT_EQ(SplitEditRules("%i{} %s"), (Pieces{"%i{} ", "%s"}));
    EXPECT_THROW(ParseEditRule(SplitEditRules("%i{} %s")[0]), Exception);
}

TEST(EditRuleFilter, FirstRefusedCharacterByType)
{
    const struct {
        const char* rule;
        const char* text;
        std::size_t refused;
    } cases[] = {
        {"%i", "12a", 2},   {"%i", "-12", std::string::npos}, {"%i", "1-2", 1},   {"%u", "-1", 0},
        {"%f", "-1.5", std::string::npos}, {"%f", "1.5.", 3}, {"%f", "1e5", 1}, {"%h", "0aF9", std::string::npos},
        {"%h", "12G", 2},   {"%n,", ",1", 0}, {"%n,", "1,,2", 2}, {"%n,", "1,2,", std::string::npos},
        {"%n,", "1.2", 1},  {"%s", "any text!", std::string::npos},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rule) + " " + c.text);
        EXPECT_EQ(FirstRefusedChar(ParseEditRule(c.rule), c.text), c.refused);
    }
}

TEST(EditRuleCheck, AcceptsAndRefusesWholeTexts)
{
    const struct {
        const char* rule;
        std::string text;
        const char* message; // nullptr: passes
    } cases[] = {
        {"%i{n1x4094l4}", "4094", nullptr},
        {"%i{n1x4094l4}", "-5", " Please enter a number between 1 and 4094!"},
        {"%i{n-1x7l2}", "-2", " Please enter a number between -1 and 7!"},
        {"%i{n0x4294967295l10}", "4294967296", " Please enter a number between 0 and 4294967295!"},
        // The lower bound of a real rule is the smallest positive double.
        {"%f{l32}", "0", " Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
        {"%f{l32}", "-1", " Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
        {"%f{l32}", "0.5", nullptr},
        {"%s{l32f}", std::string(31, 'a'), " Please enter a string whose length is 32!"},
        {"%s{l4}", "abcde", " Please enter a string whose length is less than 4!"},
        {"%s{l4}", "abcd", nullptr},
        {"%s{l4}", "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", nullptr}, // four characters, eight bytes
        {"%h{l4f}", "12", " Please enter a hex string whose length is 4!"},
        {"%h{l12}", "1234567890ABC", " Please enter a hex string whose length is less than 12!"},
        {"%s", std::string(300, 'x'), nullptr},
        {"%s{Im}", "224.0.0.1", nullptr},
        {"%s{Im}", "223.1.1.1", " Please enter a valid multicast IP address!"},
        {"%s{M}", "00-11-22-33-44", " Please enter a valid MAC address!"},
        {"%s{Mm}", "01-00-5E-00-00-01", nullptr},
        {"%s{Mm}", "00-11-22-33-44-55", " Please enter a valid multicast MAC address!"},
        {"%s{Mu}", "01-00-5E-00-00-01", " Please enter a valid unicast MAC address!"},
        {"%s{Mu}", "00-11-22-33-44-55", nullptr},
        {"%s{Mu}", "00:11:22:33:44:55", " Please enter a valid unicast MAC address!"},
        {"%s{I6m}", "ff020000000000000000000000000001", nullptr},
        {"%s{I6m}", "20010db8000000000000000000000001", " Please enter a valid multicast IPV6 address!"},
        {"%n,", "1,2", nullptr},
        {"%n,", "1,4294967295", nullptr},
        {"%n,{l3}", "1,2,3,4",
         " Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 3!"},
        {"%n,{l3f}", "1,2",
         " Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 3!"},
        {"%n.{n1x4094}", "1.0",
         " Please enter a delimited number string with delimiter '.'.\nHere,each number is between 1 and 4094!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rule) + " " + c.text);
        const EditTextVerdict verdict = CheckEditText(ParseEditRule(c.rule), c.text);
        EXPECT_EQ(verdict.Passed, c.message == nullptr);
        if (c.message != nullptr) {
            ASSERT_EQ(verdict.Messages.size(), 1u);
            EXPECT_EQ(verdict.Messages[0], c.message);
        }
    }
}

TEST(EditRuleCheck, AddressChecksWithTheValidatorsOwnMessage)
{
    // The IPv4 check speaks only through the validator's message.
    const EditTextVerdict ipv4 = CheckEditText(ParseEditRule("%s{I}"), "10.1.1.300");
    EXPECT_FALSE(ipv4.Passed);
    EXPECT_EQ(ipv4.Messages, std::vector<std::string>{IPv4RefusalMessage});
    EXPECT_TRUE(CheckEditText(ParseEditRule("%s{I}"), "10.1.1.1").Passed);

    // The IPv6 check shows the validator's message, then the rule's own.
    const EditTextVerdict ipv6 = CheckEditText(ParseEditRule("%s{I6}"), "2001:db8::1");
    EXPECT_EQ(ipv6.Messages,
              (std::vector<std::string>{IPv6RefusalMessage, " Please enter a valid IPV6 address!"}));
    EXPECT_TRUE(CheckEditText(ParseEditRule("%s{I6}"), "20010db8000000000000000000000001").Passed);
}

TEST(EditRuleCheck, MessagesComeFromTheCurrentCommonTable)
{
    std::vector<std::string> texts(9, "x");
    texts[8] = "from [MIN] to [MAX], [MIN] at least";
    CommonMessages.Replace(texts);
    const EditTextVerdict verdict = CheckEditText(ParseEditRule("%i{n1x9}"), "10");
    CommonMessages.Reset();
    ASSERT_EQ(verdict.Messages.size(), 1u);
    EXPECT_EQ(verdict.Messages[0], "from 1 to 9, 1 at least");
}

} // namespace
