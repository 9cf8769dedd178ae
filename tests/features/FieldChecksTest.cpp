// Typed numbers and addresses before a SET: what converts (to exactly what was typed), what is
// refused, and what the user is told.

#include "support/FormTest.h"

#include "features/common/FieldChecks.h"

#include "ui/Edit.h"

#include <climits>
#include <memory>

namespace {

class FieldChecks : public FormTest {};

TEST_F(FieldChecks, NumberTexts)
{
    struct Case {
        std::string text;
        long long min, max;
        std::optional<long long> value;
    };
    const Case cases[] = {
        {"0", 0, 61440, 0},
        {"61440", 0, 61440, 61440},
        {"007", 0, 10, 7},
        {"-1", -1, 7, -1},
        {"", 0, 61440, std::nullopt},
        {"-", -1, 7, std::nullopt},
        {"61441", 0, 61440, std::nullopt},
        {"-2", -1, 7, std::nullopt},
        {"-0", 0, 7, std::nullopt},
        {"+5", 0, 7, std::nullopt},
        {" 5", 0, 7, std::nullopt},
        {"5 ", 0, 7, std::nullopt},
        {"1e3", 0, 4095, std::nullopt},
        {"4294967296", 0, 4294967295LL, std::nullopt},
        {"4294967295", 0, 4294967295LL, 4294967295LL},
        {"99999999999999999999999", 0, LLONG_MAX, std::nullopt},
        {"9223372036854775807", 0, LLONG_MAX, LLONG_MAX},
        {"-9223372036854775808", LLONG_MIN, 0, LLONG_MIN},
        {"-9223372036854775809", LLONG_MIN, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseNumberText(c.text, c.min, c.max), c.value) << '"' << c.text << '"';
}

TEST_F(FieldChecks, IPv4Texts)
{
    using Octets = std::array<unsigned char, 4>;
    const std::pair<std::string, std::optional<Octets>> cases[] = {
        {"10.0.0.44", Octets{10, 0, 0, 44}},
        {"0.0.0.0", Octets{0, 0, 0, 0}},
        {"255.255.255.255", Octets{255, 255, 255, 255}},
        {"010.001.000.009", Octets{10, 1, 0, 9}},
        {"10.0.0.300", std::nullopt},
        {"", std::nullopt},
        {"10.0.0", std::nullopt},
        {"10.0.0.4.5", std::nullopt},
        {"10..0.4", std::nullopt},
        {"10.0.0.", std::nullopt},
        {"10.0.0.0044", std::nullopt},
        {"10.0.0.-4", std::nullopt},
        {"10.0.0.4 ", std::nullopt},
        {"a.b.c.d", std::nullopt},
    };
    for (const auto& [text, octets] : cases)
        EXPECT_EQ(ParseIPv4Text(text), octets) << '"' << text << '"';
}

TEST_F(FieldChecks, ARefusedFieldIsNamedAndGetsTheFocus)
{
    auto window = std::make_unique<QWidget>();
    auto* other = new ui::Edit(window.get());
    auto* priority = new ui::Edit(window.get());
    ShowAndActivate(window.get());
    other->SetFocus();

    priority->SetText("");
    EXPECT_FALSE(CheckNumberField(priority, "Priority", 0, 61440, window.get()));
    EXPECT_EQ(LastMessageBoxText(), "Priority: Please input a number between 0 and 61440.");
    EXPECT_TRUE(WaitFor([&] { return priority->hasFocus(); }, 5000));
    EXPECT_EQ(priority->Text(), "");

    other->SetText("10.0.0.300");
    EXPECT_FALSE(CheckIPv4Field(other, "Source IP", window.get()));
    EXPECT_EQ(LastMessageBoxText(), "Source IP: Please input a valid IP address.");
    EXPECT_TRUE(WaitFor([&] { return other->hasFocus(); }, 5000));
    EXPECT_EQ(other->Text(), "10.0.0.300");

    ClearMessageBoxes();
    priority->SetText("4096");
    other->SetText("10.0.0.44");
    EXPECT_TRUE(CheckNumberField(priority, "Priority", 0, 61440, window.get()));
    EXPECT_TRUE(CheckIPv4Field(other, "Source IP", window.get()));
    EXPECT_TRUE(MessageBoxes().empty());
}

} // namespace
