#include "main/CommandLine.h"

#include "main/MainUnit.h"
#include "snmp/Convert.h"
#include "snmp/SnmpSettings.h"

#include <array>
#include <cstdint>
#include <functional>

namespace {

struct Switch {
    const char* text;
    bool versionThreeOnly;
    std::function<void(const std::string& value, SwitchCopies& copies)> apply;
};

const std::array<Switch, 14>& Switches()
{
    static const std::array<Switch, 14> switches{{
        {"/I", false,
         [](const std::string& v, SwitchCopies& c) {
             DefaultDevice.Address = v;
             c.AddressText = v;
             DeviceIPText = v;
         }},
        {"/R", false,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.ReadCommunity = v;
             c.ReadCommunityText = DefaultSecurity.ReadCommunity;
         }},
        {"/W", false,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.WriteCommunity = v;
             c.WriteCommunityText = DefaultSecurity.WriteCommunity;
         }},
        {"/v", false,
         [](const std::string& v, SwitchCopies& c) {
             // One byte: the low 8 bits of the number.
             DefaultSecurity.Version = static_cast<std::uint8_t>(StrToInt(v));
             c.VersionText = IntToStr(DefaultSecurity.Version);
         }},
        {"/t", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultDevice.Port = static_cast<std::uint16_t>(StrToInt(v));
             c.PortText = IntToStr(DefaultDevice.Port);
         }},
        {"/c", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultScope.ContextName = v;
             if (!v.empty())
                 c.ContextNameText = v;
         }},
        {"/d", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultScope.ContextEngineId = v;
             c.ContextEngineIdText = v;
         }},
        {"/m", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.SecurityModel = StrToInt(v);
             c.SecurityModelText = IntToStr(DefaultSecurity.SecurityModel);
         }},
        {"/l", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.SecurityLevel = StrToInt(v);
             if (DefaultSecurity.SecurityLevel != 0)
                 c.SecurityLevelText = IntToStr(DefaultSecurity.SecurityLevel);
         }},
        {"/n", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.SecurityName = v;
             c.SecurityNameText = v;
         }},
        {"/A", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.AuthPassword = v;
             if (!v.empty())
                 c.AuthPasswordText = v;
         }},
        {"/P", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.PrivPassword = v;
             if (!v.empty())
                 c.PrivPasswordText = v;
         }},
        {"/a", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.AuthProtocol = StrToInt(v);
             if (c.AuthProtocolText != "0")
                 c.AuthProtocolText =
                     UIntToStr(static_cast<std::uint32_t>(DefaultSecurity.AuthProtocol));
         }},
        {"/p", true,
         [](const std::string& v, SwitchCopies& c) {
             DefaultSecurity.PrivProtocol = StrToInt(v);
             if (c.PrivProtocolText != "0")
                 c.PrivProtocolText =
                     UIntToStr(static_cast<std::uint32_t>(DefaultSecurity.PrivProtocol));
         }},
    }};
    return switches;
}

} // namespace

void ReadCommandLine(const std::vector<std::string>& parameters, SwitchCopies& copies)
{
    for (const std::string& parameter : parameters) {
        const bool versionThree = copies.VersionText == "3" || DefaultSecurity.Version == 3;
        for (const Switch& s : Switches()) {
            if (s.versionThreeOnly && !versionThree)
                break;
            const std::size_t at = parameter.find(s.text);
            if (at == std::string::npos)
                continue;
            s.apply(parameter.substr(at + 2), copies);
            break;
        }
    }
}
