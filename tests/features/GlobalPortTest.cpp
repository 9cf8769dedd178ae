// Global port numbers: shown as unit and port, and back.

#include "features/common/GlobalPort.h"

#include <gtest/gtest.h>

namespace {

TEST(GlobalPort, SplitsIntoUnitAndPortAndJoinsBack)
{
    struct Case {
        int global;
        UnitPort shown;
    };
    const Case cases[] = {
        {0, {0, 0}},    // no port
        {1, {1, 1}},   {5, {1, 5}},    {63, {1, 63}},
        {64, {1, 64}},  // the last port of unit 1, not port 0 of unit 2
        {65, {2, 1}},  {128, {2, 64}}, {130, {3, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.global);
        EXPECT_EQ(SplitGlobalPort(c.global), c.shown);
        if (c.global != 0) {
            EXPECT_EQ(JoinGlobalPort(c.shown.Unit, c.shown.Port), c.global);
        }
    }
}

} // namespace
