// One write of an asynchronous request made synchronously: the answer is in when the write
// returns, and the request is asynchronous again afterwards, also after an exception.

#include "features/common/SynchronousScope.h"

#include "snmp/RequestFixture.h"

#include "support/SimSwitch.h"

#include "snmp/Exception.h"
#include "snmp/Request2Controls.h"
#include "snmp/VarDescriptor.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

// A writable number of tests/support/data/formkit.dat's row 2.
const VarDescriptor NumberOfRowTwo[] = {
    {"1.3.6.1.3.4242.30.1.3.2", "Number", integer, readwrite, nullptr},
    {},
};

class SynchronousScopeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { requesttest::EnsureGlobalSession(); }

    void SetUp() override
    {
        sim = std::make_unique<SimSwitch>(SimSwitchOptions{"Kb", {"--data", SimSwitch::DataFile("formkit.dat")}});
        request = std::make_unique<MvSNMPRequest2Controls>(nullptr);
        requesttest::AimAt(request->Request, *sim);
        request->Request.VarList = MvSNMPVarList(NumberOfRowTwo, MVT_SV, 0);
        request->Request.VarList.Item(0).value = "444";
    }

    std::unique_ptr<SimSwitch> sim;
    std::unique_ptr<MvSNMPRequest2Controls> request;
};

TEST_F(SynchronousScopeTest, TheWriteIsAnsweredWhenItReturnsAndTheModeComesBack)
{
    ASSERT_EQ(request->Mode, 1);
    bool answeredAsynchronously = false;
    request->OnSetEnd = [&](MvSNMPRequest2Controls*, const MvSNMPError&) { answeredAsynchronously = true; };
    {
        SynchronousScope synchronous(*request);
        EXPECT_EQ(request->Mode, 0);
        EXPECT_TRUE(request->Set(false, false));
        EXPECT_EQ(request->Busy, 0);
        ASSERT_EQ(sim->TakeSetJournal(), (std::vector<std::vector<std::string>>{{"1.3.6.1.3.4242.30.1.3.2=444"}}));
    }
    EXPECT_EQ(request->Mode, 1);
    // The answer went to the synchronous report, not to the asynchronous end handler.
    EXPECT_FALSE(answeredAsynchronously);
}

TEST_F(SynchronousScopeTest, AnExceptionInTheScopeStillGivesTheModeBack)
{
    request->Mode = 1;
    EXPECT_THROW(
        {
            SynchronousScope synchronous(*request);
            request->Request.Device.Address = "no such host name!";
            request->Set(false, false);
        },
        std::exception);
    EXPECT_EQ(request->Mode, 1);
    EXPECT_TRUE(sim->TakeSetJournal().empty());
}

} // namespace
