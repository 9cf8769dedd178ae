#include "snmp/PortList.h"

#include "snmp/Convert.h"
#include "snmp/OctetText.h"

#include <algorithm>
#include <vector>

std::string BitmapToPortList(std::string_view hex, bool withHex)
{
    const std::size_t octetCount = hex.size() / 2;
    const std::size_t lastPort = octetCount * 8;
    std::string list;
    std::size_t rangeStart = 0; // first port of the run being read, 0 outside a run
    auto closeRun = [&](std::size_t lastOfRun) {
        if (!list.empty())
            list.push_back(',');
        list += std::to_string(rangeStart);
        if (lastOfRun > rangeStart) {
            list.push_back('-');
            list += std::to_string(lastOfRun);
        }
        rangeStart = 0;
    };
    for (std::size_t k = 0; k < lastPort; ++k) {
        // A character that is not a hex digit counts as 0.
        const int high = std::max(HexDigitValue(hex[k / 8 * 2]), 0);
        const int low = std::max(HexDigitValue(hex[k / 8 * 2 + 1]), 0);
        const bool set = ((high << 4 | low) & (0x80 >> (k % 8))) != 0;
        if (set && rangeStart == 0)
            rangeStart = k + 1;
        else if (!set && rangeStart != 0)
            closeRun(k);
    }
    if (rangeStart != 0)
        closeRun(lastPort);
    if (list.empty())
        list.push_back('0');
    if (withHex) {
        list.push_back('[');
        list.append(hex);
        list.push_back(']');
    }
    return list;
}

std::optional<std::string> PortListToBitmap(std::string_view list, std::string_view widthReference)
{
    const std::size_t digits = widthReference.size();
    const std::int64_t maxPort = static_cast<std::int64_t>(digits) * 4;
    std::vector<bool> ports(static_cast<std::size_t>(maxPort), false);
    auto inRange = [&](std::int64_t port) { return port >= 1 && port <= maxPort; };

    if (list == "all") {
        ports.assign(ports.size(), true);
    } else {
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t comma = list.find(',', start);
            if (comma == std::string_view::npos)
                comma = list.size();
            const std::string_view element = list.substr(start, comma - start);
            start = comma + 1;
            if (element.empty())
                continue;
            if (const std::size_t dash = element.find('-'); dash != std::string_view::npos) {
                const std::int64_t first = ReadDecimal(std::string(element.substr(0, dash)));
                const std::int64_t last = ReadDecimal(std::string(element.substr(dash + 1)));
                if (!inRange(first) || !inRange(last) || first > last)
                    return std::nullopt;
                for (std::int64_t p = first; p <= last; ++p)
                    ports[static_cast<std::size_t>(p - 1)] = true;
            } else {
                const std::int64_t port = ReadDecimal(std::string(element));
                if (!inRange(port))
                    return std::nullopt;
                ports[static_cast<std::size_t>(port - 1)] = true;
            }
        }
    }

    static const char hexDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(digits);
    for (std::size_t d = 0; d < digits; ++d) {
        unsigned nibble = 0;
        for (std::size_t b = 0; b < 4; ++b)
            if (ports[d * 4 + b])
                nibble |= 0x8u >> b;
        hex.push_back(hexDigits[nibble]);
    }
    return hex;
}

std::string PortListCellHex(std::string_view cell)
{
    std::size_t open = cell.find('[');
    open = open == std::string_view::npos ? 0 : open + 1;
    const std::size_t close = cell.find(']', open);
    return std::string(cell.substr(open, close == std::string_view::npos ? std::string_view::npos : close - open));
}
