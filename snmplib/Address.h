#pragma once
// Agent addresses: an IP address (IPv4 or IPv6), a UDP address (IP address and port) and the
// generic address that targets hand back.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class IpAddress {
public:
    IpAddress() = default;   // invalid
    // A numeric address: dotted IPv4 or IPv6 text. Names are not looked up here; an
    // unparsable text gives an invalid address.
    IpAddress(const char* text);          // NOLINT
    IpAddress(const std::string& text);   // NOLINT
    // Four (IPv4) or sixteen (IPv6) octets in network order; any other count is invalid.
    IpAddress(const unsigned char* octets, std::size_t count);

    bool valid() const { return family_ != 0; }
    int version() const { return family_; }   // 4, 6, or 0 when invalid
    std::size_t size() const { return family_ == 4 ? 4 : family_ == 6 ? 16 : 0; }
    const unsigned char* data() const { return octets_.data(); }
    std::string get_printable() const;     // empty when invalid

    friend bool operator==(const IpAddress&, const IpAddress&) = default;

private:
    int family_ = 0;
    std::array<unsigned char, 16> octets_{};
};

class UdpAddress {
public:
    UdpAddress() = default;   // invalid
    // An address, optionally with a port: "host", "host/port", "a.b.c.d:port", "[v6]:port" or
    // "v6/port". A host that is not a numeric address is looked up as a DNS name (IPv4
    // preferred). The port is 0 when none is given.
    UdpAddress(const char* text);          // NOLINT
    UdpAddress(const std::string& text);   // NOLINT
    UdpAddress(const IpAddress& ip, std::uint16_t port = 0) : ip_(ip), port_(port) {}

    bool valid() const { return ip_.valid(); }
    const IpAddress& ip() const { return ip_; }
    std::uint16_t get_port() const { return port_; }
    void set_port(std::uint16_t port) { port_ = port; }
    // "address/port", empty when invalid.
    std::string get_printable() const;

    friend bool operator==(const UdpAddress&, const UdpAddress&) = default;

private:
    IpAddress ip_;
    std::uint16_t port_ = 0;
};

// The address type that targets store and return.
class GenAddress {
public:
    GenAddress() = default;
    GenAddress(const char* text) : udp_(text) {}              // NOLINT
    GenAddress(const std::string& text) : udp_(text) {}       // NOLINT
    GenAddress(const UdpAddress& udp) : udp_(udp) {}          // NOLINT
    GenAddress(const IpAddress& ip) : udp_(ip) {}             // NOLINT

    bool valid() const { return udp_.valid(); }
    const UdpAddress& udp() const { return udp_; }
    operator const UdpAddress&() const { return udp_; }        // NOLINT
    std::string get_printable() const { return udp_.get_printable(); }

private:
    UdpAddress udp_;
};
