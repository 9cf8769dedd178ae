#pragma once
// The binding and spoofing prevention windows against a simulated Sorvane-Kb switch serving
// tests/support/data/ipmacbind.dat, one switch per test, the model's names filled in as the main
// window fills them.

#include "SwitchingFixture.h"

#include "snmp/DeviceState.h"

#include <string>
#include <vector>

class IPMACBindingWindowTest : public SwitchingWindowTest {
protected:
    using Table = std::vector<std::vector<std::string>>;

    void SetUp() override
    {
        SwitchingWindowTest::SetUp();
        ModelNameCopy = "Sorvane-Kb";
    }
    std::vector<std::string> DataFiles() const override { return {"ipmacbind.dat"}; }

    // The widget that has the focus inside the window.
    static QWidget* Focus(QWidget& window) { return window.focusWidget(); }
};
