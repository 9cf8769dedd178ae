#pragma once
// The LLDP windows against a simulated Sorvane-Kb switch serving tests/support/data/lldp.dat.

#include "SwitchingFixture.h"

class LLDPWindowTest : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"lldp.dat"}; }
};
