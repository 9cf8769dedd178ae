#pragma once
// An octet string. The octets are kept in a byte string; zero octets are ordinary octets.

#include <cstddef>
#include <string>

class OctetStr {
public:
    OctetStr() = default;
    OctetStr(const char* text) : octets_(text ? text : "") {}          // NOLINT
    OctetStr(std::string octets) : octets_(std::move(octets)) {}        // NOLINT
    OctetStr(const unsigned char* data, std::size_t length)
        : octets_(reinterpret_cast<const char*>(data), length) {}

    std::size_t len() const { return octets_.size(); }
    const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(octets_.data()); }
    unsigned char operator[](std::size_t i) const { return static_cast<unsigned char>(octets_[i]); }
    const std::string& get_string() const { return octets_; }

    // The octets as they are; the framework converts octet strings with its own functions.
    const std::string& get_printable() const { return octets_; }

    friend bool operator==(const OctetStr&, const OctetStr&) = default;

private:
    std::string octets_;
};
