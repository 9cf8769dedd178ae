#include "features/common/FieldChecks.h"

#include "snmp/TypedValues.h"

#include "ui/Edit.h"
#include "ui/MessageBox.h"

namespace {

bool Refuse(ui::Edit* edit, const std::string& message, QWidget* owner)
{
    ui::ShowMessage(owner, message);
    edit->SetFocus();
    return false;
}

} // namespace

std::optional<long long> ParseNumberText(const std::string& text, long long min, long long max)
{
    // A sign where no negative number fits is refused, "-0" too.
    if (min >= 0 && !text.empty() && text[0] == '-')
        return std::nullopt;
    if (const auto value = ReadNumberText(text, min, max))
        return *value;
    return std::nullopt;
}

std::optional<std::array<unsigned char, 4>> ParseIPv4Text(const std::string& text)
{
    if (const auto octets = ReadIPv4Text(text))
        return std::array<unsigned char, 4>{(*octets)[0], (*octets)[1], (*octets)[2], (*octets)[3]};
    return std::nullopt;
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

bool CheckMACField(ui::Edit* edit, const std::string& field, QWidget* owner)
{
    const std::string text = edit->Text();
    const bool hex = text.size() == 12 && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    return hex || Refuse(edit, field + ": Please input a valid MAC address.", owner);
}
