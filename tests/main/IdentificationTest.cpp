// The main window's creation against the simulated switch: the model from sysObjectID, the
// stacking and firmware reads, and the menu adjusted to the firmware type and the model.
#include "ProgramTest.h"
#include "main/MenuTree.h"
#include "snmp/DeviceState.h"
#include "snmp/Request2Edits.h"
#include "support/SimSwitch.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <QAction>

#include <map>

namespace {

// What the firmware type SI takes away, in the menu's own names.
const std::vector<std::string> HiddenOnSI = {
    "IPMACBind1", "sFlow2", "GuestVLANTable1", "IPv6ControlTable1", "IPv6AddressControl1",
    "N8023OAM1", "IPv6StaticRoute1", "IPv6NeighborSettings1", "EgressACL1", "QinQ1", "ERPS1",
    "CFMManagement1", "PPPoEManagement1", "DDMMangement1", "DHCPv6RelaySettings1",
    "IPv6UpdateServerTable1", "IPv6MaskInformation1", "IPv6Rule1"};

bool LaidOutVisible(const std::string& name)
{
    for (const MenuTreeRow& row : MenuTree())
        if (row.Name == name)
            return row.Visible;
    ADD_FAILURE() << "no row " << name;
    return false;
}

// What the window shows of its start, taken while it is shown.
struct Start {
    std::string caption, moduleOID, modelName, modelCopy, stackMode, firmwareMode, status;
    int unitCount = 0, unitRows = 0;
    std::map<std::string, bool> reachable, visible;
};

Start Observe()
{
    Start start;
    start.caption = MainForm->Caption();
    start.moduleOID = ModuleOIDText;
    start.modelName = ModelNameText;
    start.modelCopy = ModelNameCopy;
    start.stackMode = StackModeText;
    start.firmwareMode = FirmwareModeText;
    start.status = MainForm->StatusBar->Panel(0)->Text();
    start.unitCount = UnitCount;
    start.unitRows = UnitListViewRef != nullptr ? UnitListViewRef->topLevelItemCount() : -1;
    for (const MenuTreeRow& row : MenuTree()) {
        start.reachable[row.Name] = MainForm->Menu().Reachable(row.Name);
        start.visible[row.Name] = MainForm->Menu().Item(row.Name)->isVisible();
    }
    return start;
}

class Identification : public ProgramTest {
protected:
    // Starts the main window against the switch (SNMPv3 carries the port) and observes it.
    static Start StartAgainst(const SimSwitch& sim)
    {
        const StartedMainWindow window({"/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()),
                                        "/m3", "/n" + std::string(SimCredentials::NoAuthUser), "/l1"});
        return Observe();
    }

    // The steps every start takes, whatever the switch said.
    static void ExpectFixedSteps(const Start& start)
    {
        EXPECT_FALSE(start.visible.at("Unitinformation1"));
        EXPECT_FALSE(start.visible.at("UnitTable1"));
        EXPECT_FALSE(start.visible.at("ScheduleGroupTable1")) << "hidden by a fixed step";
        EXPECT_TRUE(start.reachable.at("RCP1")) << "shown by a fixed step";
        EXPECT_TRUE(start.reachable.at("DHCPServer1"));
        EXPECT_FALSE(start.reachable.at("MaxConcurrentRequests2"));
        EXPECT_FALSE(start.reachable.at("GroupTable3")) << "IGMP Proxy hidden";
    }
};

} // namespace

TEST_F(Identification, ModelBySysObjectID)
{
    struct Case {
        const char* model;
        const char* dataFile;
        const char* moduleOID;
        const char* name;
    };
    const Case cases[] = {
        {"Ka", nullptr, "1.3.6.1.4.1.171.10.133.1.1", "Sorvane-Ka"},
        {"Kb", nullptr, "1.3.6.1.4.1.171.10.133.2.1", "Sorvane-Kb"},
        {"Kc", nullptr, "1.3.6.1.4.1.171.10.133.3.1", "Sorvane-Kc"},
        {"Kd", nullptr, "1.3.6.1.4.1.171.10.133.4.1", "Sorvane-Kd"},
        {"Kb", "identify-oid-suffix.dat", "1.3.6.1.4.1.171.10.133.2.1.0", ""},
        {"Kb", "identify-other-series.dat", "1.3.6.1.4.1.171.10.113.1.1", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + (c.dataFile ? std::string(" ") + c.dataFile : ""));
        SimSwitchOptions options;
        options.model = c.model;
        if (c.dataFile != nullptr)
            options.extraArgs = {"--data", SimSwitch::DataFile(c.dataFile)};
        SimSwitch sim(options);
        const Start start = StartAgainst(sim);
        EXPECT_EQ(start.caption, sim.Address());
        EXPECT_EQ(start.moduleOID, c.moduleOID);
        EXPECT_EQ(start.modelName, c.name);
        EXPECT_EQ(start.modelCopy, c.name);
        EXPECT_EQ(start.stackMode, "disabled");
        EXPECT_EQ(start.firmwareMode, "EI");
        EXPECT_EQ(start.unitCount, 1);
        EXPECT_EQ(start.unitRows, 1);
        EXPECT_NE(start.status, "Get Unit Information Failed");
        // "External Alarm Table" exists on the second model only.
        EXPECT_EQ(start.reachable.at("ExternalAlarmTable1"), std::string(c.name) == "Sorvane-Kb");
        ExpectFixedSteps(start);
    }
}

TEST_F(Identification, FirmwareSIHidesWhatItDoesNotOffer)
{
    const std::pair<const char*, bool> cases[] = {
        {"identify-firmware-SI.dat", true}, {"identify-firmware-si-lower.dat", false}, {nullptr, false}};
    for (const auto& [dataFile, si] : cases) {
        SCOPED_TRACE(dataFile ? dataFile : "EI");
        SimSwitchOptions options;
        if (dataFile != nullptr)
            options.extraArgs = {"--data", SimSwitch::DataFile(dataFile)};
        SimSwitch sim(options);
        const Start start = StartAgainst(sim);
        for (const std::string& item : HiddenOnSI) {
            if (si)
                EXPECT_FALSE(start.reachable.at(item)) << item;
            else
                EXPECT_EQ(start.visible.at(item), LaidOutVisible(item)) << item;
        }
        if (!si) {
            EXPECT_TRUE(start.reachable.at("QinQ1") && start.reachable.at("DDMMangement1"));
        }
        ExpectFixedSteps(start);
    }
}

TEST_F(Identification, SilentSwitchOpensWithTheFullMenu)
{
    SimSwitch sim;
    sim.Control("silence on");
    const Start start = StartAgainst(sim);
    EXPECT_EQ(start.moduleOID, "");
    EXPECT_EQ(start.modelName, "");
    EXPECT_EQ(start.stackMode, "");
    EXPECT_EQ(start.firmwareMode, "");
    EXPECT_EQ(start.status, "Get Unit Information Failed");
    for (const std::string& item : HiddenOnSI)
        EXPECT_EQ(start.visible.at(item), LaidOutVisible(item)) << item;
    EXPECT_FALSE(start.reachable.at("ExternalAlarmTable1"));
    ExpectFixedSteps(start);
}

TEST_F(Identification, RefusedAddressLeavesItsMessageAndTheMenuAdjusted)
{
    const StartedMainWindow window({"/I"});
    const Start start = Observe();
    EXPECT_EQ(start.status, MessageOfCode(-509));
    EXPECT_EQ(start.moduleOID, "");
    ExpectFixedSteps(start);
}

TEST_F(Identification, WithoutParametersNoRequestIsMade)
{
    const StartedMainWindow window({});
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"No parameter input"});
    EXPECT_EQ(window->STPVersion(), nullptr);
    EXPECT_EQ(window->StatusBar->Panel(0)->Text(), "");
}

TEST_F(Identification, STPVersionIsReadOnDemand)
{
    SimSwitch sim;
    const StartedMainWindow window({"/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()),
                                    "/m3", "/n" + std::string(SimCredentials::NoAuthUser), "/l1"});
    EXPECT_NE(window->ST_STPVersion->Caption(), "rstp") << "not read at start-up";
    EXPECT_TRUE(window->STPVersion()->Get());
    EXPECT_EQ(window->ST_STPVersion->Caption(), "rstp");
}
