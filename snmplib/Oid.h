#pragma once
// An object identifier: a sequence of 32-bit sub-identifiers, printed in dotted decimal without
// a leading dot and without MIB names.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Oid {
public:
    Oid() = default;
    // Parses dotted decimal ("1.3.6.1", a leading dot allowed). Anything else, or a
    // sub-identifier above 4294967295, gives an invalid, empty OID.
    Oid(const char* dotted);          // NOLINT: converts like the text it stands for
    Oid(const std::string& dotted);   // NOLINT
    Oid(const std::uint32_t* ids, std::size_t count);

    bool valid() const { return valid_; }
    std::size_t len() const { return ids_.size(); }
    std::uint32_t operator[](std::size_t i) const { return ids_[i]; }
    const std::vector<std::uint32_t>& ids() const { return ids_; }

    std::string get_printable() const;

    Oid& operator+=(std::uint32_t id);
    Oid& operator+=(const Oid& tail);
    // Appends the sub-identifiers of a dotted text.
    Oid& operator+=(const char* dotted);

    // Whether the first n sub-identifiers of both are equal (the shorter compared as a whole
    // when either has fewer than n).
    bool nCompare(std::size_t n, const Oid& other) const;
    // Whether this OID lies below (or is) the given prefix.
    bool starts_with(const Oid& prefix) const;

    friend bool operator==(const Oid& a, const Oid& b) { return a.ids_ == b.ids_; }
    friend std::strong_ordering operator<=>(const Oid& a, const Oid& b) { return a.ids_ <=> b.ids_; }

private:
    std::vector<std::uint32_t> ids_;
    bool valid_ = true;
};
