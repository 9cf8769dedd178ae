#include "features/common/FieldChecks.h"

#include "ui/Edit.h"
#include "ui/MessageBox.h"

namespace {

bool IsDecimal(char c) { return c >= '0' && c <= '9'; }

bool Refuse(ui::Edit* edit, const std::string& message, QWidget* owner)
{
    ui::ShowMessage(owner, message);
    edit->SetFocus();
    return false;
}

} // namespace

std::optional<long long> ParseNumberText(const std::string& text, long long min, long long max)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        if (min >= 0)
            return std::nullopt;
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    // Built towards the sign's side so that the most negative long long reads too; a text that
    // leaves the range on the way is refused before it can overflow.
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDecimal(text[i]))
            return std::nullopt;
        const int digit = text[i] - '0';
        if (negative) {
            if (value < (min + digit) / 10)
                return std::nullopt;
            value = value * 10 - digit;
        } else {
            if (value > (max - digit) / 10)
                return std::nullopt;
            value = value * 10 + digit;
        }
    }
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<std::array<unsigned char, 4>> ParseIPv4Text(const std::string& text)
{
    std::array<unsigned char, 4> octets{};
    std::size_t start = 0;
    for (std::size_t n = 0; n < octets.size(); ++n) {
        const std::size_t end = n + 1 < octets.size() ? text.find('.', start) : text.size();
        if (end == std::string::npos || end - start > 3)
            return std::nullopt;
        const auto value = ParseNumberText(text.substr(start, end - start), 0, 255);
        if (!value)
            return std::nullopt;
        octets[n] = static_cast<unsigned char>(*value);
        start = end + 1;
    }
    return octets;
}

bool CheckNumberField(ui::Edit* edit, const std::string& field, long long min, long long max, QWidget* owner)
{
    return ParseNumberText(edit->Text(), min, max) ||
           Refuse(edit,
                  field + ": Please input a number between " + std::to_string(min) + " and " +
                      std::to_string(max) + ".",
                  owner);
}

bool CheckIPv4Field(ui::Edit* edit, const std::string& field, QWidget* owner)
{
    return ParseIPv4Text(edit->Text()) || Refuse(edit, field + ": Please input a valid IP address.", owner);
}
