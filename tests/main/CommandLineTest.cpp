// The command-line grammar: parameters in, default settings and switch copies out.
#include "main/CommandLine.h"
#include "main/MainUnit.h"
#include "snmp/Exception.h"
#include "snmp/SnmpSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Settings {
    MvSNMPDevice device;
    MvSNMPScope scope;
    MvSNMPSecurity security;
    SwitchCopies copies;
    std::string deviceIP;
};

// The defaults the session writes, with the version the main window sets before the switches.
Settings Defaults()
{
    Settings s;
    s.device.Address = "127.0.0.1";
    s.device.Port = 161;
    s.security.Version = 0;
    s.security.ReadCommunity = "tarnel";
    s.security.WriteCommunity = "quostem";
    s.security.SecurityModel = 1;
    s.security.SecurityLevel = 1;
    s.security.AuthProtocol = 1;
    s.security.PrivProtocol = 1;
    return s;
}

void Install(const Settings& s)
{
    DefaultDevice = s.device;
    DefaultScope = s.scope;
    DefaultSecurity = s.security;
    DeviceIPText = s.deviceIP;
}

Settings Current(const SwitchCopies& copies)
{
    return {DefaultDevice, DefaultScope, DefaultSecurity, copies, DeviceIPText};
}

void ExpectEqual(const Settings& actual, const Settings& expected)
{
    EXPECT_EQ(actual.device.Address, expected.device.Address);
    EXPECT_EQ(actual.device.Port, expected.device.Port);
    EXPECT_EQ(actual.scope.ContextEngineId, expected.scope.ContextEngineId);
    EXPECT_EQ(actual.scope.ContextName, expected.scope.ContextName);
    const MvSNMPSecurity& a = actual.security;
    const MvSNMPSecurity& e = expected.security;
    EXPECT_EQ(a.Version, e.Version);
    EXPECT_EQ(a.ReadCommunity, e.ReadCommunity);
    EXPECT_EQ(a.WriteCommunity, e.WriteCommunity);
    EXPECT_EQ(a.SecurityModel, e.SecurityModel);
    EXPECT_EQ(a.SecurityLevel, e.SecurityLevel);
    EXPECT_EQ(a.SecurityName, e.SecurityName);
    EXPECT_EQ(a.AuthPassword, e.AuthPassword);
    EXPECT_EQ(a.PrivPassword, e.PrivPassword);
    EXPECT_EQ(a.AuthProtocol, e.AuthProtocol);
    EXPECT_EQ(a.PrivProtocol, e.PrivProtocol);
    const SwitchCopies& ac = actual.copies;
    const SwitchCopies& ec = expected.copies;
    EXPECT_EQ(ac.AddressText, ec.AddressText);
    EXPECT_EQ(ac.ReadCommunityText, ec.ReadCommunityText);
    EXPECT_EQ(ac.WriteCommunityText, ec.WriteCommunityText);
    EXPECT_EQ(ac.PortText, ec.PortText);
    EXPECT_EQ(ac.VersionText, ec.VersionText);
    EXPECT_EQ(ac.SecurityNameText, ec.SecurityNameText);
    EXPECT_EQ(ac.AuthPasswordText, ec.AuthPasswordText);
    EXPECT_EQ(ac.PrivPasswordText, ec.PrivPasswordText);
    EXPECT_EQ(ac.AuthProtocolText, ec.AuthProtocolText);
    EXPECT_EQ(ac.PrivProtocolText, ec.PrivProtocolText);
    EXPECT_EQ(ac.ContextEngineIdText, ec.ContextEngineIdText);
    EXPECT_EQ(ac.SecurityLevelText, ec.SecurityLevelText);
    EXPECT_EQ(ac.ContextNameText, ec.ContextNameText);
    EXPECT_EQ(ac.SecurityModelText, ec.SecurityModelText);
    EXPECT_EQ(actual.deviceIP, expected.deviceIP);
}

struct Case {
    const char* name;
    std::vector<std::string> parameters;
    std::function<void(Settings&)> expect; // changes to the defaults
};

} // namespace

TEST(CommandLine, ParametersSetTheDefaultsAndTheCopies)
{
    const std::vector<Case> cases = {
        {"address and an empty read community", {"/I10.90.90.90", "/R"},
         [](Settings& s) {
             s.device.Address = s.copies.AddressText = s.deviceIP = "10.90.90.90";
             s.security.ReadCommunity = "";
         }},
        {"the switch may stand anywhere", {"x/I10.1.1.1"},
         [](Settings& s) { s.device.Address = s.copies.AddressText = s.deviceIP = "10.1.1.1"; }},
        {"an earlier switch takes the whole rest", {"/Rabc/W"},
         [](Settings& s) { s.security.ReadCommunity = s.copies.ReadCommunityText = "abc/W"; }},
        {"the table order decides, not the position", {"/Wx/Iy"},
         [](Settings& s) { s.device.Address = s.copies.AddressText = s.deviceIP = "y"; }},
        {"SNMPv2c", {"/I10.90.90.90", "/Rabc", "/Wdef", "/v1"},
         [](Settings& s) {
             s.device.Address = s.copies.AddressText = s.deviceIP = "10.90.90.90";
             s.security.ReadCommunity = s.copies.ReadCommunityText = "abc";
             s.security.WriteCommunity = s.copies.WriteCommunityText = "def";
             s.security.Version = 1;
             s.copies.VersionText = "1";
         }},
        {"a port before the version 3 is ignored", {"/t2000", "/v3"},
         [](Settings& s) {
             s.security.Version = 3;
             s.copies.VersionText = "3";
         }},
        {"a port after it counts", {"/v3", "/t2000"},
         [](Settings& s) {
             s.security.Version = 3;
             s.copies.VersionText = "3";
             s.device.Port = 2000;
             s.copies.PortText = "2000";
         }},
        {"a later version closes the second block", {"/v3", "/v1", "/nuser"},
         [](Settings& s) {
             s.security.Version = 1;
             s.copies.VersionText = "1";
         }},
        {"switches are case-sensitive", {"/i10.1.1.1"}, [](Settings&) {}},
        {"every SNMPv3 switch",
         {"/I10.0.0.2", "/v3", "/t1161", "/cctx", "/d800000", "/m3", "/l3", "/nshapriv",
          "/Asorvaneauth", "/Psorvanepriv", "/a3", "/p2"},
         [](Settings& s) {
             s.device.Address = s.copies.AddressText = s.deviceIP = "10.0.0.2";
             s.security.Version = 3;
             s.copies.VersionText = "3";
             s.device.Port = 1161;
             s.copies.PortText = "1161";
             s.scope.ContextName = s.copies.ContextNameText = "ctx";
             s.scope.ContextEngineId = s.copies.ContextEngineIdText = "800000";
             s.security.SecurityModel = 3;
             s.copies.SecurityModelText = "3";
             s.security.SecurityLevel = 3;
             s.copies.SecurityLevelText = "3";
             s.security.SecurityName = s.copies.SecurityNameText = "shapriv";
             s.security.AuthPassword = s.copies.AuthPasswordText = "sorvaneauth";
             s.security.PrivPassword = s.copies.PrivPasswordText = "sorvanepriv";
             s.security.AuthProtocol = 3;
             s.copies.AuthProtocolText = "3";
             s.security.PrivProtocol = 2;
             s.copies.PrivProtocolText = "2";
         }},
        {"empty values that leave their copies empty", {"/v3", "/c", "/A", "/P", "/l0"},
         [](Settings& s) {
             s.security.Version = 3;
             s.copies.VersionText = "3";
             s.security.SecurityLevel = 0;
         }},
        {"a protocol copy of 0 stays", {"/v3", "/a0", "/a2", "/p-1"},
         [](Settings& s) {
             s.security.Version = 3;
             s.copies.VersionText = "3";
             s.security.AuthProtocol = 2;
             s.copies.AuthProtocolText = "0";
             s.security.PrivProtocol = -1;
             s.copies.PrivProtocolText = "4294967295";
         }},
        {"version in one byte, port in sixteen bits", {"/v259", "/t70000"},
         [](Settings& s) {
             s.security.Version = 3;
             s.copies.VersionText = "3";
             s.device.Port = 4464;
             s.copies.PortText = "4464";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Install(Defaults());
        SwitchCopies copies;
        ReadCommandLine(c.parameters, copies);
        Settings expected = Defaults();
        c.expect(expected);
        ExpectEqual(Current(copies), expected);
    }
}

TEST(CommandLine, ANumericSwitchWithoutANumberRaisesTheConversionError)
{
    struct Failing {
        std::vector<std::string> parameters;
        std::string message;
    };
    for (const Failing& f : {Failing{{"/vabc"}, "'abc' is not a valid integer value"},
                             Failing{{"/v"}, "'' is not a valid integer value"},
                             Failing{{"/v3", "/t"}, "'' is not a valid integer value"}}) {
        Install(Defaults());
        SwitchCopies copies;
        try {
            ReadCommandLine(f.parameters, copies);
            ADD_FAILURE() << f.parameters.back() << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), f.message);
        }
    }
    // Without the version 3 an empty port switch is no switch at all.
    Install(Defaults());
    SwitchCopies copies;
    EXPECT_NO_THROW(ReadCommandLine({"/t"}, copies));
}
