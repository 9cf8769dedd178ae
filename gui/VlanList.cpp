#include "gui/VlanList.h"

#include "snmp/Convert.h"

#include "ui/MessageBox.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>

namespace {

// Calls visit with every non-empty item of a comma-separated list, in order; stops when it
// returns false and then returns false.
bool ForEachItem(const std::string& text, const std::function<bool(const std::string&)>& visit)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start && !visit(text.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

// Sets the flags of the VLANs first to last; VLANs below 1 have none, and a range longer than a
// block sets each flag once.
void SetVlanFlags(VlanFlags& flags, std::int64_t first, std::int64_t last)
{
    first = std::max<std::int64_t>(first, 1);
    const std::int64_t count = std::min<std::int64_t>(last - first + 1, VlansPerBlock);
    for (std::int64_t i = 0; i < count; ++i)
        flags[static_cast<std::size_t>((first - 1 + i) % VlansPerBlock)] = true;
}

// A number of nothing but decimal digits.
bool ReadDigits(const std::string& text, std::int64_t& value)
{
    if (text.empty() || text.size() > 18 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

} // namespace

bool ParseVlanListText(const std::string& text, VlanFlags& flags)
{
    flags.fill(false);
    return ForEachItem(text, [&](const std::string& item) {
        const std::size_t dash = item.find('-');
        if (dash == std::string::npos) {
            const std::int64_t vlan = StrToInt(item);
            SetVlanFlags(flags, vlan, vlan);
            return true;
        }
        const std::int64_t first = StrToInt(item.substr(0, dash));
        const std::int64_t last = StrToInt(item.substr(dash + 1));
        if (last < first)
            return false;
        SetVlanFlags(flags, first, last);
        return true;
    });
}

std::uint8_t PackEightFlags(const bool* flags)
{
    std::uint8_t octet = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (flags[bit])
            octet |= static_cast<std::uint8_t>(0x80 >> bit);
    return octet;
}

void VlanListTextToHex(std::string& text)
{
    VlanFlags flags;
    if (!ParseVlanListText(text, flags))
        return;
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(VlansPerBlock / 4);
    for (int octet = 0; octet < VlansPerBlock / 8; ++octet) {
        const std::uint8_t value = PackEightFlags(flags.data() + octet * 8);
        hex += digits[value >> 4];
        hex += digits[value & 0x0F];
    }
    text = hex;
}

std::string VlanHexToListText(const std::string& hex, int block, bool append)
{
    // Every digit is one half of an octet: four bits, the first digit the high half.
    const auto bitSet = [&hex](std::size_t bit) {
        const int digit = HexDigitValue(hex[bit / 4]);
        return digit > 0 && (digit & (0x8 >> (bit % 4))) != 0;
    };
    // An odd last digit is the high half of a last octet, whose low half is 0.
    const std::size_t bitCount = (hex.size() + 1) / 2 * 8;
    const std::int64_t firstVlan = static_cast<std::int64_t>(block) * VlansPerBlock + 1;
    std::string list;
    std::size_t bit = 0;
    while (bit < bitCount) {
        if (bit / 4 >= hex.size() || !bitSet(bit)) {
            ++bit;
            continue;
        }
        std::size_t end = bit + 1;
        while (end < bitCount && end / 4 < hex.size() && bitSet(end))
            ++end;
        if (!list.empty())
            list += ',';
        list += IntToStr(firstVlan + static_cast<std::int64_t>(bit));
        if (end - bit > 1)
            list += '-' + IntToStr(firstVlan + static_cast<std::int64_t>(end - 1));
        bit = end;
    }
    if (list.empty())
        list = "0";
    if (append)
        list += '[' + hex + ']';
    return list;
}

std::string VlanBlockCaption(int block)
{
    const std::int64_t first = static_cast<std::int64_t>(block) * VlansPerBlock + 1;
    return IntToStr(first) + '-' + IntToStr(std::min<std::int64_t>(first + VlansPerBlock - 1, MaxVlanId));
}

bool IsVlanBlockListText(const std::string& text, int block)
{
    if (text.empty() || text == "0")
        return true;
    const std::int64_t first = static_cast<std::int64_t>(block) * VlansPerBlock + 1;
    const std::int64_t last = std::min<std::int64_t>(first + VlansPerBlock - 1, MaxVlanId);
    const auto inBlock = [&](std::int64_t vlan) { return vlan >= first && vlan <= last; };
    bool anyItem = false;
    const bool valid = ForEachItem(text, [&](const std::string& item) {
        anyItem = true;
        const std::size_t dash = item.find('-');
        std::int64_t low = 0;
        std::int64_t high = 0;
        if (dash == std::string::npos)
            return ReadDigits(item, low) && inBlock(low);
        return ReadDigits(item.substr(0, dash), low) && ReadDigits(item.substr(dash + 1), high) &&
               inBlock(low) && inBlock(high) && low <= high;
    });
    return valid && anyItem;
}

bool CheckVlanBlockText(QWidget* owner, const std::string& text, int block)
{
    if (IsVlanBlockListText(text, block))
        return true;
    ui::ShowMessage(owner, "Please input a VLAN list within " + VlanBlockCaption(block) + ".");
    return false;
}
