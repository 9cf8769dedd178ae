#pragma once
// Front-panel tests against one simulated switch that serves the LED status value of models 1, 2
// and 4. Requests take the default settings, so the fixture aims those at the switch.

#include "panel/LedColorMaps.h"

#include "snmp/RequestFixture.h"
#include "support/FormTest.h"
#include "support/SimSwitch.h"

#include <string>

class PanelTest : public FormTest {
protected:
    static void SetUpTestSuite()
    {
        requesttest::EnsureGlobalSession();
        SimSwitchOptions options;
        options.model = "Kb";
        options.extraArgs = {"--data", std::string(SORVANE_SOURCE_DIR) + "/tests/panel/data/all-models.dat"};
        sim_ = new SimSwitch(options);
        requesttest::AimDefaultsAt(*sim_);
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override
    {
        FormTest::SetUp();
        BuildLedColorMaps();
    }
    void TearDown() override
    {
        sim_->Control("reset");
        FreeLedColorMaps();
        FormTest::TearDown();
    }

    static SimSwitch& Sim() { return *sim_; }

    // The LED status value of model 1, 2 or 4 (the instance).
    static std::string LedOid(int model)
    {
        return "1.3.6.1.4.1.171.11.133." + std::to_string(model) + ".1.2.1.1.4.0";
    }
    // Fixes the value for the rest of the suite (hexadecimal, possibly short or empty).
    static void FixLedValue(int model, const std::string& hex)
    {
        ASSERT_EQ(sim_->Control("data " + LedOid(model) + " x \"" + hex + "\""), "ok");
    }
    // GET requests the switch has received so far.
    static int GetCount()
    {
        const std::string stats = sim_->Control("stats");
        const std::size_t at = stats.find("get=");
        return at == std::string::npos ? -1 : std::stoi(stats.substr(at + 4));
    }

    // The value of a port's state and colour bytes placed into a value of the model's length:
    // power, console on; every other port steady with colour 1.
    static std::string LedValue(int ports, const std::vector<std::pair<int, std::string>>& codes)
    {
        std::string hex = "000002020101";
        for (int n = 1; n <= ports; ++n)
            hex += "0001";
        for (const auto& [port, code] : codes)
            hex.replace(static_cast<std::size_t>(4 * port + 8), 4, code);
        return hex;
    }

private:
    static inline SimSwitch* sim_ = nullptr;
};
