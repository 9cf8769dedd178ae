#include "EditRule.h"

#include "Convert.h"
#include "SnmpError.h"
#include "TextUtil.h"
#include "Validators.h"
#include "ValueTypes.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace {

[[noreturn]] void RejectRule() { RaiseCommonError(CommonMsg::BadConstraintFormat); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The run of digits at i as a decimal number (saturating); i moves past it. No digit rejects.
std::int32_t ReadDigits(const std::string& text, std::size_t& i)
{
    const std::size_t start = i;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), INT32_MAX);
    if (i == start)
        RejectRule();
    return static_cast<std::int32_t>(value);
}

// The run of "-0123456789." at i as a real number; i moves past it. A run without a digit
// rejects.
double ReadBound(const std::string& text, std::size_t& i)
{
    const std::size_t start = i;
    bool digit = false;
    for (; i < text.size() && (IsDigit(text[i]) || text[i] == '-' || text[i] == '.'); ++i)
        digit = digit || IsDigit(text[i]);
    if (!digit)
        RejectRule();
    return ReadReal(text.substr(start, i - start));
}

void SetTypeDefaults(EditRuleFormat& rule)
{
    switch (rule.Type) {
    case 'f':
    case 'h':
    case 's':
        // The smallest positive double, not the most negative one: a real rule refuses 0.
        rule.Min = DBL_MIN;
        rule.Max = DBL_MAX;
        break;
    case 'i':
        rule.Min = INT32_MIN;
        rule.Max = INT32_MAX;
        break;
    case 'u':
    case 'n':
        rule.Min = 0;
        rule.Max = UINT32_MAX;
        break;
    default:
        RejectRule();
    }
}

// A bound of a number list, cut toward zero to an unsigned 32-bit number.
std::uint32_t UnsignedBound(double value)
{
    const double cut = std::trunc(value);
    if (!(cut > -9.2e18 && cut < 9.2e18))
        return cut > 0 ? UINT32_MAX : 0;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(cut));
}

// Characters, not bytes: the edit limits its text in characters.
std::int64_t CharacterCount(const std::string& text)
{
    std::int64_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string Filled(int entry, std::initializer_list<std::pair<const char*, std::string>> values)
{
    std::string text = CommonMessage(entry);
    for (const auto& [placeholder, value] : values)
        text = ReplaceAll(text, placeholder, value);
    return text;
}

EditTextVerdict Refused(std::vector<std::string> messages) { return {false, std::move(messages)}; }

EditTextVerdict CheckAddress(std::uint8_t kind, const std::string& text)
{
    switch (kind) {
    case AddressIPv4:
        if (!IsValidIPv4Text(text))
            return Refused({IPv4RefusalMessage});
        break;
    case AddressMulticastIPv4:
        if (!IsMulticastIPv4Text(text))
            return Refused({CommonMessage(CommonMsg::InvalidMulticastIP)});
        break;
    case AddressIPv6:
    case AddressMulticastIPv6:
        if (!IsValidIPv6HexText(text))
            return Refused({IPv6RefusalMessage, CommonMessage(CommonMsg::InvalidIPv6)});
        // A multicast IPv6 address starts with the octet FF.
        if (kind == AddressMulticastIPv6 && !(SameText(text.substr(0, 2), "ff")))
            return Refused({CommonMessage(CommonMsg::InvalidMulticastIPv6)});
        break;
    case AddressMAC:
        if (!IsValidMACText(text))
            return Refused({CommonMessage(CommonMsg::InvalidMAC)});
        break;
    case AddressMulticastMAC:
        if (!IsValidMACText(text) || !IsMulticastMACText(text))
            return Refused({CommonMessage(CommonMsg::InvalidMulticastMAC)});
        break;
    case AddressUnicastMAC:
        if (!IsValidMACText(text) || !IsUnicastMACText(text))
            return Refused({CommonMessage(CommonMsg::InvalidUnicastMAC)});
        break;
    default:
        break;
    }
    return {};
}

EditTextVerdict CheckLength(const EditRuleFormat& rule, const std::string& text)
{
    if (rule.MaxLength <= 0)
        return {};
    const bool hex = rule.Type == 'h';
    const std::string limit = IntToStr(rule.MaxLength);
    const std::int64_t length = CharacterCount(text);
    if (rule.LengthFlags & LengthFixed) {
        if (length != rule.MaxLength)
            return Refused({Filled(hex ? CommonMsg::HexLength : CommonMsg::StringLength, {{"[LEN]", limit}})});
    } else if (length > rule.MaxLength) {
        return Refused({Filled(hex ? CommonMsg::HexTooLong : CommonMsg::StringTooLong, {{"[MAXLEN]", limit}})});
    }
    return {};
}

EditTextVerdict CheckNumberList(const EditRuleFormat& rule, const std::string& text)
{
    MvNumList<unsigned int> numbers;
    numbers.delimiter = rule.Delimiter;
    numbers.Parse(text);
    const std::string delimiter(1, rule.Delimiter);
    const std::string limit = IntToStr(rule.MaxLength);
    if (rule.MaxLength > 0) {
        if (rule.LengthFlags & LengthFixed) {
            if (numbers.Count() != rule.MaxLength)
                return Refused({Filled(CommonMsg::NumberListCount, {{"[DELIMITER]", delimiter}, {"[COUNT]", limit}})});
        } else if (numbers.Count() > rule.MaxLength) {
            return Refused(
                {Filled(CommonMsg::NumberListTooLong, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", limit}})});
        }
    }
    const std::uint32_t low = UnsignedBound(rule.Min);
    const std::uint32_t high = UnsignedBound(rule.Max);
    if (!numbers.InRange(low, high))
        return Refused({Filled(CommonMsg::NumberListRange,
                               {{"[DELIMITER]", delimiter}, {"[MIN]", UIntToStr(low)}, {"[MAX]", UIntToStr(high)}})});
    return {};
}

} // namespace

EditRuleFormat ParseEditRule(const std::string& text)
{
    if (text.size() < 2 || text[0] != '%')
        RejectRule();
    EditRuleFormat rule;
    rule.Type = text[1];
    SetTypeDefaults(rule);
    std::size_t i = 2;
    if (rule.Type == 'n') {
        if (text.size() < 3)
            RejectRule();
        rule.Delimiter = text[2];
        i = 3;
    }
    if (i == text.size())
        return rule;
    if (text[i] != '{' || text.back() != '}')
        RejectRule();
    const std::size_t close = text.size() - 1;
    // After "I", "I6" and "M" the next character is always consumed, even when it is no suffix.
    auto suffix = [&] { return text[i++]; };
    for (++i; i < close;) {
        switch (text[i++]) {
        case 'I':
            if (text[i] == '6') {
                ++i;
                rule.AddressKind = suffix() == 'm' ? AddressMulticastIPv6 : AddressIPv6;
            } else {
                rule.AddressKind = suffix() == 'm' ? AddressMulticastIPv4 : AddressIPv4;
            }
            break;
        case 'M': {
            const char c = suffix();
            rule.AddressKind = c == 'm' ? AddressMulticastMAC : c == 'u' ? AddressUnicastMAC : AddressMAC;
            break;
        }
        case 'Z':
            rule.CustomCheck = true;
            break;
        case 'e':
            if (i >= close)
                RejectRule();
            rule.JumpChar = text[i++];
            break;
        case 'l':
            rule.MaxLength = ReadDigits(text, i);
            for (int flags = 0; flags < 3 && i < close; ++flags, ++i) {
                const char c = text[i];
                if (c == 'a')
                    rule.LengthFlags |= LengthAutoAdvance;
                else if (c == 'f')
                    rule.LengthFlags |= LengthFixed;
                else if (c == 'n')
                    rule.LengthFlags |= LengthNotEmpty;
                else
                    break;
            }
            break;
        case 'w':
            rule.Width = ReadDigits(text, i);
            break;
        case 'n':
            rule.Min = ReadBound(text, i);
            break;
        case 'x':
            rule.Max = ReadBound(text, i);
            break;
        default:
            RejectRule();
        }
    }
    return rule;
}

std::vector<std::string> SplitEditRules(const std::string& text)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at = 1; at <= text.size(); ++at) {
        if (at == text.size() || text[at] == '%') {
            pieces.push_back(text.substr(start, at - start));
            start = at;
        }
    }
    if (pieces.empty())
        pieces.push_back(text);
    if (pieces.size() > 1 && pieces.back() == "%")
        pieces.pop_back();
    return pieces;
}

std::size_t FirstRefusedChar(const EditRuleFormat& rule, const std::string& text)
{
    bool dot = false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        bool accepted = true;
        switch (rule.Type) {
        case 'f':
            accepted = IsDigit(c) || (c == '-' && k == 0) || (c == '.' && !dot);
            dot = dot || c == '.';
            break;
        case 'h':
            accepted = HexDigitValue(c) >= 0;
            break;
        case 'i':
            accepted = IsDigit(c) || (c == '-' && k == 0);
            break;
        case 'u':
            accepted = IsDigit(c);
            break;
        case 'n':
            accepted = IsDigit(c) || (c == rule.Delimiter && k > 0 && text[k - 1] != rule.Delimiter);
            break;
        default:
            break;
        }
        if (!accepted)
            return k;
    }
    return std::string::npos;
}

EditTextVerdict CheckEditText(const EditRuleFormat& rule, const std::string& text)
{
    switch (rule.Type) {
    case 'f':
    case 'i':
    case 'u': {
        const double value = ReadReal(text);
        if (value < rule.Min || value > rule.Max)
            return Refused({Filled(CommonMsg::NumberRange,
                                   {{"[MIN]", FloatToStr(rule.Min)}, {"[MAX]", FloatToStr(rule.Max)}})});
        return {};
    }
    case 'h':
    case 's':
        return rule.AddressKind != AddressNone ? CheckAddress(rule.AddressKind, text) : CheckLength(rule, text);
    case 'n':
        return CheckNumberList(rule, text);
    default:
        return {};
    }
}
