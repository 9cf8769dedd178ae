#pragma once
// The LLDP windows against a simulated Sorvane-Kb switch serving tests/support/data/lldp.dat.

#include "SwitchingFixture.h"

class LLDPWindowTest : public SwitchingWindowTest {
protected:
    std::string DataFileName() const override { return "lldp.dat"; }
};
