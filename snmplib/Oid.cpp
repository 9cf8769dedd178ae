#include "snmplib/Oid.h"

#include <algorithm>
#include <optional>

namespace {

std::optional<std::vector<std::uint32_t>> ParseDotted(const std::string& text)
{
    std::vector<std::uint32_t> ids;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '.')
        ++i;
    if (i == text.size())
        return ids;
    while (true) {
        if (i == text.size() || text[i] < '0' || text[i] > '9')
            return std::nullopt;
        std::uint64_t value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
            if (value > 0xFFFFFFFFull)
                return std::nullopt;
            ++i;
        }
        ids.push_back(static_cast<std::uint32_t>(value));
        if (i == text.size())
            return ids;
        if (text[i] != '.')
            return std::nullopt;
        ++i;
    }
}

} // namespace

Oid::Oid(const char* dotted) : Oid(std::string(dotted ? dotted : "")) {}

Oid::Oid(const std::string& dotted)
{
    if (auto ids = ParseDotted(dotted))
        ids_ = std::move(*ids);
    else
        valid_ = false;
}

Oid::Oid(const std::uint32_t* ids, std::size_t count) : ids_(ids, ids + count) {}

std::string Oid::get_printable() const
{
    std::string text;
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (i > 0)
            text += '.';
        text += std::to_string(ids_[i]);
    }
    return text;
}

Oid& Oid::operator+=(std::uint32_t id)
{
    ids_.push_back(id);
    return *this;
}

Oid& Oid::operator+=(const Oid& tail)
{
    ids_.insert(ids_.end(), tail.ids_.begin(), tail.ids_.end());
    valid_ = valid_ && tail.valid_;
    return *this;
}

Oid& Oid::operator+=(const char* dotted)
{
    return *this += Oid(dotted);
}

bool Oid::nCompare(std::size_t n, const Oid& other) const
{
    if (ids_.size() < n || other.ids_.size() < n)
        return ids_ == other.ids_;
    return std::equal(ids_.begin(), ids_.begin() + static_cast<std::ptrdiff_t>(n), other.ids_.begin());
}

bool Oid::starts_with(const Oid& prefix) const
{
    return prefix.ids_.size() <= ids_.size() &&
           std::equal(prefix.ids_.begin(), prefix.ids_.end(), ids_.begin());
}
