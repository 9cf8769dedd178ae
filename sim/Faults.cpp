#include "Faults.h"

#include <array>
#include <charconv>

namespace sim {

int Faults::ErrorFor(const Oid& oid) const
{
    int status = 0;
    std::size_t best = 0;
    for (const auto& [prefix, error] : errors) {
        if (IsPrefix(prefix, oid) && prefix.size() >= best) {
            best = prefix.size();
            status = error;
        }
    }
    return status;
}

int ErrorStatusFromText(const std::string& text)
{
    static const std::array<const char*, 19> names = {
        "noError", "tooBig", "noSuchName", "badValue", "readOnly", "genErr", "noAccess",
        "wrongType", "wrongLength", "wrongEncoding", "wrongValue", "noCreation",
        "inconsistentValue", "resourceUnavailable", "commitFailed", "undoFailed",
        "authorizationError", "notWritable", "inconsistentName"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (text == names[i])
            return static_cast<int>(i);
    }
    int number = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 0
        || number >= static_cast<int>(names.size()))
        return -1;
    return number;
}

} // namespace sim
