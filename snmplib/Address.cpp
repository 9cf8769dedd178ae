#include "snmplib/Address.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>
#include <cstring>

IpAddress::IpAddress(const char* text) : IpAddress(std::string(text ? text : "")) {}

IpAddress::IpAddress(const std::string& text)
{
    if (text.find(':') == std::string::npos) {
        in_addr v4{};
        if (inet_pton(AF_INET, text.c_str(), &v4) == 1) {
            std::memcpy(octets_.data(), &v4, 4);
            family_ = 4;
        }
    } else {
        in6_addr v6{};
        if (inet_pton(AF_INET6, text.c_str(), &v6) == 1) {
            std::memcpy(octets_.data(), &v6, 16);
            family_ = 6;
        }
    }
}

IpAddress::IpAddress(const unsigned char* octets, std::size_t count)
{
    if (count == 4 || count == 16) {
        std::memcpy(octets_.data(), octets, count);
        family_ = count == 4 ? 4 : 6;
    }
}

std::string IpAddress::get_printable() const
{
    char text[INET6_ADDRSTRLEN] = {};
    if (family_ == 4)
        inet_ntop(AF_INET, octets_.data(), text, sizeof text);
    else if (family_ == 6)
        inet_ntop(AF_INET6, octets_.data(), text, sizeof text);
    return text;
}

namespace {

IpAddress Resolve(const std::string& host)
{
    IpAddress numeric(host);
    if (numeric.valid() || host.empty())
        return numeric;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return {};
    IpAddress result;
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        if (a->ai_family == AF_INET) {
            const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
            result = IpAddress(reinterpret_cast<const unsigned char*>(&in->sin_addr), 4);
            break;
        }
        if (a->ai_family == AF_INET6 && !result.valid()) {
            const auto* in6 = reinterpret_cast<const sockaddr_in6*>(a->ai_addr);
            result = IpAddress(reinterpret_cast<const unsigned char*>(&in6->sin6_addr), 16);
        }
    }
    freeaddrinfo(found);
    return result;
}

bool ParsePort(const std::string& text, std::uint16_t& port)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
    if (value > 65535)
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

} // namespace

UdpAddress::UdpAddress(const char* text) : UdpAddress(std::string(text ? text : "")) {}

UdpAddress::UdpAddress(const std::string& text)
{
    std::string host = text;
    std::uint16_t port = 0;
    if (!host.empty() && host.front() == '[') {
        const std::size_t close = host.find(']');
        if (close == std::string::npos)
            return;
        std::string rest = host.substr(close + 1);
        host = host.substr(1, close - 1);
        if (!rest.empty() && !((rest[0] == ':' || rest[0] == '/') && ParsePort(rest.substr(1), port)))
            return;
    } else if (const std::size_t slash = host.rfind('/'); slash != std::string::npos) {
        if (!ParsePort(host.substr(slash + 1), port))
            return;
        host.erase(slash);
    } else if (const std::size_t colon = host.find(':');
               colon != std::string::npos && host.find(':', colon + 1) == std::string::npos) {
        if (!ParsePort(host.substr(colon + 1), port))
            return;
        host.erase(colon);
    }
    ip_ = Resolve(host);
    port_ = port;
}

std::string UdpAddress::get_printable() const
{
    if (!valid())
        return {};
    return ip_.get_printable() + "/" + std::to_string(port_);
}
