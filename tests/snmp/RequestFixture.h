#pragma once
// Requests against a simulated switch: the global session (created once per test program) and
// one agent per test suite, serving the request tables and a table at the end of its MIB.

#include "snmp/GlobalSession.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSettings.h"
#include "snmp/VarList.h"
#include "support/SimSwitch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace requesttest {

// Objects of tests/support/data/tables.dat and tests/snmp/data/end-of-view.dat.
inline constexpr const char* ThreeRows = "1.3.6.1.3.4242.1.1";
inline constexpr const char* EmptyTable = "1.3.6.1.3.4242.2.1";
inline constexpr const char* Sparse = "1.3.6.1.3.4242.3.1";
inline constexpr const char* StringIndexed = "1.3.6.1.3.4242.4.1";
inline constexpr const char* AddressIndexed = "1.3.6.1.3.4242.5.1";
inline constexpr const char* RowStatusTable = "1.3.6.1.3.4242.7.1";
inline constexpr const char* LastTable = "1.3.99.1.1";

// The key (row number) and the two columns of the three-row table.
inline const VarDescriptor ThreeRowColumns[] = {
    {"1.3.6.1.3.4242.1.1.1", "Row", integer, notaccess, nullptr},
    {"1.3.6.1.3.4242.1.1.1", "Name", displaystr, readonly, nullptr},
    {"1.3.6.1.3.4242.1.1.2", "Number", integer, readonly, nullptr},
    {},
};

inline void EnsureGlobalSession()
{
    if (SnmpEventProcessor == nullptr)
        InitRequestStatics();
    if (GlobalSnmpSession == nullptr) {
        static QTemporaryDir bootsDir;
        CreateGlobalSession(bootsDir.path().toStdString());
    }
}

// Aims a request at the simulated switch, with its communities.
inline void AimAt(MvSNMPRequest& request, const SimSwitch& sim, int version = 1)
{
    request.Device.Address = sim.Address();
    request.Device.Port = static_cast<std::uint16_t>(sim.Port());
    request.Security.Version = static_cast<std::uint8_t>(version);
    request.Security.ReadCommunity = SimCredentials::ReadCommunity;
    request.Security.WriteCommunity = SimCredentials::WriteCommunity;
}

// Aims the requests made from now on (the settings every new request starts from) at the
// simulated switch, with its communities.
inline void AimDefaultsAt(const SimSwitch& sim, int version = 1)
{
    DefaultDevice.Address = sim.Address();
    DefaultDevice.Port = static_cast<std::uint16_t>(sim.Port());
    DefaultSecurity.Version = static_cast<std::uint8_t>(version);
    DefaultSecurity.ReadCommunity = SimCredentials::ReadCommunity;
    DefaultSecurity.WriteCommunity = SimCredentials::WriteCommunity;
}

// Lets the event pump deliver answers until done holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10))
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return true;
}

inline std::vector<std::string> Values(const MvSNMPVarList& list)
{
    std::vector<std::string> values;
    for (int i = 0; i < list.Count(); ++i)
        values.push_back(list.Item(i).value);
    return values;
}

using Rows = std::vector<std::vector<std::string>>;

class RequestTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        EnsureGlobalSession();
        SimSwitchOptions options;
        options.extraArgs = {"--data", SimSwitch::DataFile("tables.dat"), "--data",
                             std::string(SORVANE_SOURCE_DIR) + "/tests/snmp/data/end-of-view.dat"};
        sim_ = new SimSwitch(options);
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        sim_ = nullptr;
    }
    // The agent serves the whole suite: what a test wrote is put back, so that the next test
    // reads the data file's values whatever ran before it.
    void TearDown() override
    {
        sim_->Control("reset");
        EXPECT_FALSE(WritableLines().empty());
        for (const std::string& line : WritableLines())
            EXPECT_EQ(sim_->Control("data " + line), "ok") << line;
    }

    static SimSwitch& Sim() { return *sim_; }

    // A request aimed at the simulated switch, reading list.
    static std::unique_ptr<MvSNMPRequest> Request(const MvSNMPVarList& list, int version = 1)
    {
        auto request = std::make_unique<MvSNMPRequest>();
        AimAt(*request, *sim_, version);
        request->VarList = list;
        request->ResultHook = [](MvSNMPError* error) { Reports().push_back(*error); };
        Reports().clear();
        return request;
    }

    // Failure reports of the requests made by Request().
    static std::vector<MvSNMPError>& Reports()
    {
        static std::vector<MvSNMPError> reports;
        return reports;
    }

    // GETNEXT exchanges the agent has received so far.
    static int GetNextCount()
    {
        const std::string stats = sim_->Control("stats");
        const std::size_t at = stats.find("getnext=");
        return at == std::string::npos ? -1 : std::stoi(stats.substr(at + 8));
    }

private:
    // The lines of tables.dat that set the writable scalars and the RowStatus table's row.
    static const std::vector<std::string>& WritableLines()
    {
        static const std::vector<std::string> lines = [] {
            std::vector<std::string> found;
            std::ifstream in(SimSwitch::DataFile("tables.dat"));
            for (std::string line; std::getline(in, line);)
                if (line.starts_with("1.3.6.1.3.4242.6.") || line.starts_with("1.3.6.1.3.4242.7.1."))
                    found.push_back(line);
            return found;
        }();
        return lines;
    }

    static inline SimSwitch* sim_ = nullptr;
};

} // namespace requesttest
