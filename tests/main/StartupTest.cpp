// The program started in a directory of its own against the simulated switch: the boots
// counter, the message files, the main window; and the start-ups that end at once.
#include "main/MainUnit.h"
#include "ProgramTest.h"
#include "main/Startup.h"
#include "snmp/GlobalSession.h"
#include "snmp/SnmpError.h"
#include "snmp/SnmpSettings.h"
#include "snmplib/Snmp.h"
#include "support/SimSwitch.h"
#include "ui/Application.h"
#include "ui/ListView.h"
#include "ui/ScrollBox.h"
#include "ui/StatusBar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

#include <unistd.h>

namespace {

using Startup = ProgramTest;

} // namespace

TEST_F(Startup, AgainstTheSimulatedSwitch)
{
    // The third model has no front panel: the window keeps the size its constructor gave it.
    SimSwitchOptions options;
    options.model = "Kc";
    SimSwitch sim(options);
    QDir(dir_.path()).mkdir("errmsg");
    QFile common(dir_.filePath("errmsg/common.err"));
    ASSERT_TRUE(common.open(QIODevice::WriteOnly));
    common.write("First common text from the file\r\n\r\n Second one\n");
    common.close();

    const std::vector<std::string> parameters = {
        "/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
        "/n" + std::string(SimCredentials::NoAuthUser), "/l1"};
    std::string address, entry0, entry1;
    int port = 0, width = 0, clientHeight = 0, panels = 0, panelWidth = 0;
    bool hiddenReceivers = false;
    const int result = Run(parameters, [&] {
        address = DeviceIPText;
        port = DefaultDevice.Port;
        entry0 = CommonMessage(0);
        entry1 = CommonMessage(1);
        width = MainForm->width();
        clientHeight = MainForm->ClientHeight();
        panels = MainForm->StatusBar->PanelCount();
        panelWidth = panels > 0 ? MainForm->StatusBar->Panel(0)->Width() : 0;
        hiddenReceivers = MainForm->FindComponent("UnitListView") != nullptr &&
                          !MainForm->UnitListView->isVisible() && !MainForm->ST_ModuleOID->isVisible();
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(shown_);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(address, sim.Address());
    EXPECT_EQ(port, sim.Port());
    EXPECT_EQ(entry0, "First common text from the file");
    EXPECT_EQ(entry1, " Second one");
    EXPECT_EQ(width, 800);
    EXPECT_EQ(clientHeight, 138);
    EXPECT_EQ(panels, 1);
    EXPECT_EQ(panelWidth, 50);
    EXPECT_TRUE(hiddenReceivers);
    QFile boots(dir_.filePath("MvSNMP_PP_BootCounter"));
    ASSERT_TRUE(boots.open(QIODevice::ReadOnly)) << "the boots counter file";
    EXPECT_FALSE(boots.readAll().isEmpty());
    EXPECT_EQ(MainForm, nullptr) << "the main window is gone with the program";
}

// make demo's screenshot: the item named in the environment opens its window over the main
// window, the switch's reply in it; an unknown name opens nothing.
TEST_F(Startup, TheMenuItemNamedInTheEnvironmentIsChosen)
{
    SimSwitch sim;
    const std::vector<std::string> parameters = {
        "/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
        "/n" + std::string(SimCredentials::NoAuthUser), "/l1"};
    struct Case {
        const char* item;
        bool opens;
    };
    for (const Case c : {Case{"BasicInfo1", true}, Case{"NoSuchItem1", false}}) {
        SCOPED_TRACE(c.item);
        setenv("SORVANE_OPEN_ITEM", c.item, 1);
        bool opened = false;
        std::string caption;
        const int result = Run(parameters, [&] {
            if (c.opens) {
                RunInNextModal([&](ui::Form* shown) {
                    opened = true;
                    caption = shown->Caption();
                    shown->Close();
                });
                WaitFor([&] { return opened; }, OpenItemDelayMs + 30000);
            } else {
                WaitFor([] { return false; }, OpenItemDelayMs + 1000);
                opened = QApplication::activeModalWidget() != nullptr;
            }
        });
        unsetenv("SORVANE_OPEN_ITEM");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(opened, c.opens);
        if (c.opens) {
            EXPECT_NE(caption.find("Basic Information"), std::string::npos) << caption;
        }
    }
}

// The end of one run is not carried into the next: run again in the same process, the program
// shows its main window again (and a run that ends before its loop does not end the next one).
TEST_F(Startup, EachRunInTheSameProcessStartsAfresh)
{
    SimSwitch sim;
    const std::vector<std::string> parameters = {
        "/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
        "/n" + std::string(SimCredentials::NoAuthUser), "/l1"};
    EXPECT_EQ(Run(parameters), 0);
    EXPECT_TRUE(shown_);
    EXPECT_EQ(Run(parameters), 0);
    EXPECT_TRUE(shown_) << "the second run ended at once";
    EXPECT_EQ(Run({}), 0);
    EXPECT_FALSE(shown_);
    EXPECT_EQ(Run(parameters), 0);
    EXPECT_TRUE(shown_) << "the run after one that ended before its loop";
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"No parameter input"});
}

TEST_F(Startup, WithoutParametersItSaysSoAndEnds)
{
    EXPECT_EQ(Run({}), 0);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"No parameter input"});
    EXPECT_EQ(MessageBoxes()[0].Caption, "Sorvane-Series");
}

TEST_F(Startup, AFailureOfTheStartUpIsShownAndEndsTheProgram)
{
    struct Case {
        const char* name;
        std::vector<std::string> parameters;
        std::function<void()> prepare;
        std::function<std::string()> message;
    };
    const std::vector<Case> cases = {
        {"a version that is no number", {"/I10.0.0.1", "/vabc"}, [] {},
         [] { return std::string("'abc' is not a valid integer value."); }},
        {"a boots counter that cannot be saved", {"/I10.0.0.1"},
         [this] {
             QFile::remove(dir_.filePath("MvSNMP_PP_BootCounter"));
             ASSERT_TRUE(QDir(dir_.path()).mkdir("MvSNMP_PP_BootCounter"));
         },
         [] { return MessageOfCode(-508); }}, // ends in "!": no full stop added
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        c.prepare();
        EXPECT_EQ(Run(c.parameters), 0);
        EXPECT_FALSE(shown_) << "no main window";
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(MessageBoxes()[0].Text, c.message());
    }
}
