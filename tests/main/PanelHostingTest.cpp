// The main window's front panels against the simulated switch: the model's panel at the first
// activation, the refresh that rebuilds them from the stacking information, the scrolling
// layout of many units, and the close that stops the LED polling.
#include "ProgramTest.h"
#include "panel/PanelSorvaneKaForm.h"
#include "panel/PanelSorvaneKbForm.h"
#include "panel/PanelSorvaneKdForm.h"
#include "panel/WaitingForm.h"
#include "support/SimSwitch.h"
#include "ui/ScrollBox.h"
#include "ui/StatusBar.h"
#include "ui/Timer.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>

#include <typeinfo>

namespace {

const char* const RefreshQuestion = "Refresh panel may take a long time. Are you sure?";

// GET requests the switch has received so far.
int GetCount(SimSwitch& sim)
{
    const std::string stats = sim.Control("stats");
    const std::size_t at = stats.find("get=");
    return at == std::string::npos ? -1 : std::stoi(stats.substr(at + 4));
}

std::vector<std::string> Parameters(const SimSwitch& sim)
{
    return {"/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
            "/n" + std::string(SimCredentials::NoAuthUser), "/l1"};
}

SimSwitchOptions Options(const char* model, const char* dataFile = nullptr)
{
    SimSwitchOptions options;
    options.model = model;
    if (dataFile != nullptr)
        options.extraArgs = {"--data", SimSwitch::DataFile(dataFile)};
    return options;
}

class PanelHosting : public ProgramTest {
protected:
    // Shows the started window; its first activation builds the model panel.
    static void Activate()
    {
        ShowAndActivate(MainForm);
        ASSERT_TRUE(WaitFor([] { return MainForm->Active(); }));
    }

    // Clicks the item and answers the refresh question; returns when the refresh has ended.
    void Refresh(int answer = ui::mrOk, const std::string& item = "RefreshPanel2")
    {
        ClearMessageBoxes();
        AnswerNextMessageBox(answer);
        ClickMenuItem(MainForm, item);
        ASSERT_EQ(MessageBoxTexts(), std::vector<std::string>{RefreshQuestion});
        EXPECT_EQ(MessageBoxes()[0].Buttons, ui::mbOKCancel);
    }

    static std::vector<QPointer<TPanelForm>> Watch(const std::vector<TPanelForm*>& panels)
    {
        return {panels.begin(), panels.end()};
    }

    // Window size and place, frame included (none offscreen).
    static QRect Bounds() { return MainForm->frameGeometry(); }
};

} // namespace

TEST_F(PanelHosting, StartUpShowsTheModelPanelSizedToIt)
{
    struct Case {
        const char* model;
        const char* dataFile;
        const std::type_info* panelClass;  // none: no panel
        int clientWidth;                   // of the panel
    };
    const Case cases[] = {
        {"Ka", nullptr, &typeid(TPanelSorvaneKaForm), 615},
        {"Kb", nullptr, &typeid(TPanelSorvaneKbForm), 801},
        {"Kc", nullptr, nullptr, 0},
        {"Kd", nullptr, &typeid(TPanelSorvaneKdForm), 801},
        // Stacking enabled: still the model panel alone at start-up.
        {"Kb", "stack-mixed.dat", &typeid(TPanelSorvaneKbForm), 801},
        {"Kb", "identify-oid-suffix.dat", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + (c.dataFile ? std::string(" ") + c.dataFile : ""));
        SimSwitch sim(Options(c.model, c.dataFile));
        const StartedMainWindow window(Parameters(sim));
        EXPECT_EQ(MainForm->width(), 800) << "before the first activation";
        Activate();
        const std::vector<TPanelForm*> panels = MainForm->Panels();
        if (c.panelClass == nullptr) {
            EXPECT_TRUE(panels.empty());
            EXPECT_EQ(MainForm->width(), 800);
            continue;
        }
        ASSERT_EQ(panels.size(), 1u);
        TPanelForm* panel = panels[0];
        EXPECT_EQ(typeid(*panel), *c.panelClass);
        EXPECT_EQ(panel->UnitNumber, 1);
        EXPECT_EQ(MainForm->LastPlacedPanel(), panel);
        EXPECT_EQ(panel->ClientWidth(), c.clientWidth);
        EXPECT_EQ(MainForm->ClientWidth(), panel->ClientWidth() + 3);
        EXPECT_EQ(MainForm->ClientHeight(), panel->height() + MainForm->StatusBar->height() + 3);
        // A child of the scroll box at its top left, not a window of its own.
        EXPECT_FALSE(panel->isWindow());
        EXPECT_EQ(panel->parentWidget(), MainForm->ScrollBox1->Content());
        EXPECT_EQ(panel->pos(), QPoint(0, 0));
        EXPECT_TRUE(panel->isVisible());
        EXPECT_FALSE(MainForm->ScrollBox1->AutoScroll());
        EXPECT_EQ(MainForm->ScrollBox1->height(), MainForm->ClientHeight() - MainForm->StatusBar->height());
        // Its LEDs poll the switch and log into status panel 0.
        ASSERT_TRUE(panel->LedRequest);
        EXPECT_TRUE(panel->LedRequest->PollTimer->Enabled());
        EXPECT_TRUE(WaitFor([] { return StatusLine(MainForm).find("LED Status") != std::string::npos; }))
            << StatusLine(MainForm);
        // A later activation builds nothing.
        MainForm->FormActivate(MainForm);
        EXPECT_EQ(MainForm->Panels(), panels);
    }
}

TEST_F(PanelHosting, RefreshBuildsOnePanelPerPresentUnit)
{
    SimSwitch sim(Options("Kb", "stack-mixed.dat"));
    const StartedMainWindow window(Parameters(sim));
    Activate();
    const auto before = Watch(MainForm->Panels());
    ASSERT_EQ(before.size(), 1u);
    EXPECT_TRUE(MainForm->FirstRefreshSet());
    for (const char* item : {"Unitinformation1", "UnitTable1"})
        MainForm->Menu().Item(item)->setVisible(true);

    Refresh();

    EXPECT_FALSE(MainForm->FirstRefreshSet());
    EXPECT_EQ(WaitingForm, nullptr);
    // What the list holds for the cell the switch never gave.
    ASSERT_EQ(MainForm->UnitListView->Count(), 6);
    const std::string missing = MainForm->UnitListView->Item(5)->SubItem(7);
    EXPECT_TRUE(missing == "(NULL)" || missing == "(NOTDONE)") << missing;
    EXPECT_TRUE(before[0].isNull()) << "the old panel is freed";
    // Units 1 to 3 get panels; the absent unit 4, the third model's unit 5 and unit 6 without
    // an Exist State get none; units 1, 2, 3 and 5 are counted.
    const std::vector<TPanelForm*> panels = MainForm->Panels();
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(typeid(*panels[0]), typeid(TPanelSorvaneKaForm));
    EXPECT_EQ(typeid(*panels[1]), typeid(TPanelSorvaneKbForm));
    EXPECT_EQ(typeid(*panels[2]), typeid(TPanelSorvaneKbForm));
    EXPECT_EQ(MainForm->UnitPanels(), 4);
    EXPECT_EQ(MainForm->LastPlacedPanel(), panels[2]);
    EXPECT_EQ(panels[0]->y(), 0);
    for (std::size_t i = 0; i < panels.size(); ++i) {
        EXPECT_EQ(panels[i]->UnitNumber, static_cast<int>(i) + 1);
        EXPECT_EQ(panels[i]->x(), 0);
        EXPECT_TRUE(panels[i]->LedRequest && panels[i]->LedRequest->PollTimer->Enabled());
        if (i > 0) {
            EXPECT_EQ(panels[i]->y(), panels[i - 1]->y() + panels[i - 1]->height() + 1);
        }
    }
    // The widest panel sets the client width; the height counts the panels placed before the last.
    EXPECT_EQ(MainForm->ClientWidth(), 801 + 3);
    EXPECT_EQ(MainForm->ClientHeight(),
              panels[2]->y() + panels[2]->height() + MainForm->StatusBar->height() + 2 + 3);
    EXPECT_FALSE(MainForm->ScrollBox1->AutoScroll());
    EXPECT_NE(Bounds().height(), 500);
    for (const char* item : {"Unitinformation1", "UnitTable1"})
        EXPECT_FALSE(MainForm->Menu().Item(item)->isVisible()) << item;
}

TEST_F(PanelHosting, ARowThatCannotBeReadEndsTheRebuildWithItsMessage)
{
    SimSwitch sim(Options("Kb", "stack-no-start-port.dat"));
    const StartedMainWindow window(Parameters(sim));
    Activate();
    Refresh();
    // Unit 1 (third model) is counted; unit 2's start port is no integer: its message, and
    // unit 3 is not reached.
    EXPECT_EQ(StatusLine(MainForm), "'(NULL)' is not a valid integer value");
    EXPECT_EQ(MainForm->UnitPanels(), 1);
    EXPECT_TRUE(MainForm->Panels().empty());
    EXPECT_EQ(MainForm->LastPlacedPanel(), nullptr);
}

TEST_F(PanelHosting, SixUnitsScrollAndRepeatedRefreshesKeepTheSize)
{
    SimSwitch sim(Options("Kb", "stack-six.dat"));
    const StartedMainWindow window(Parameters(sim));
    Activate();
    Refresh();
    ASSERT_EQ(MainForm->Panels().size(), 6u);
    EXPECT_EQ(MainForm->UnitPanels(), 6);
    const QRect scrolled = Bounds();
    EXPECT_EQ(scrolled.top(), 20);
    EXPECT_EQ(scrolled.height(), 500);
    // The rebuild gave the widest panel's client width + 3; the frame is the same on both sides.
    EXPECT_EQ(MainForm->width(), 801 + 3 + 20);
    EXPECT_TRUE(MainForm->ScrollBox1->AutoScroll());
    EXPECT_EQ(MainForm->ScrollBox1->height(), MainForm->ClientHeight() - MainForm->StatusBar->height());
    EXPECT_EQ(MainForm->ScrollBox1->width(), MainForm->ClientWidth());
    // The panels reach below the visible part: the box scrolls over them.
    EXPECT_GT(MainForm->Panels().back()->geometry().bottom(), MainForm->ScrollBox1->height());

    Refresh();
    EXPECT_EQ(MainForm->Panels().size(), 6u);
    EXPECT_EQ(Bounds(), scrolled);

    // A silent switch: the stacking read fails, the panels and the count stay, the refresh
    // window closes by itself, and the size is as before.
    const auto kept = MainForm->Panels();
    sim.Control("silence on");
    Refresh();
    EXPECT_EQ(StatusLine(MainForm), "Get Unit Information Failed");
    EXPECT_EQ(WaitingForm, nullptr);
    EXPECT_EQ(MainForm->Panels(), kept);
    EXPECT_EQ(MainForm->UnitPanels(), 6);
    EXPECT_EQ(Bounds(), scrolled);
}

TEST_F(PanelHosting, CancelChangesNothingOnEitherItem)
{
    SimSwitch sim(Options("Ka"));
    const StartedMainWindow window(Parameters(sim));
    Activate();
    const auto panels = MainForm->Panels();
    ASSERT_EQ(panels.size(), 1u);
    const QPointer<TPanelForm> panel(panels[0]);
    const QRect bounds = Bounds();
    const auto windows = QApplication::topLevelWidgets();
    // The top-level "Refresh" and Monitoring > Device Management > "Refresh Panel" run the same
    // handler. The second is hidden, and Qt reports a hidden item disabled: shown on its own (its
    // sub-menu stays hidden) it tells its binding.
    EXPECT_FALSE(MainForm->Menu().Reachable("RefreshPanel1"));
    MainForm->Menu().Item("RefreshPanel1")->setVisible(true);
    for (const char* item : {"RefreshPanel2", "RefreshPanel1"}) {
        SCOPED_TRACE(item);
        EXPECT_TRUE(MainForm->Menu().Item(item)->isEnabled());
        Refresh(ui::mrCancel, item);
        EXPECT_EQ(QApplication::topLevelWidgets(), windows) << "no refresh window";
        EXPECT_TRUE(MainForm->FirstRefreshSet());
        EXPECT_FALSE(panel.isNull());
        EXPECT_EQ(MainForm->Panels(), panels);
        EXPECT_EQ(Bounds(), bounds);
    }
}

TEST_F(PanelHosting, ClosingTheWindowStopsThePolling)
{
    SimSwitch sim(Options("Ka"));
    QPointer<TPanelForm> panel;
    Run(Parameters(sim), [&] {
        ASSERT_TRUE(WaitFor([] { return MainForm->Panels().size() == 1; }));
        panel = MainForm->Panels()[0];
        ASSERT_TRUE(WaitFor([] { return StatusLine(MainForm).find("LED Status") != std::string::npos; }));
    });
    ASSERT_TRUE(shown_);
    EXPECT_TRUE(panel.isNull()) << "the panel went with the window";
    // Longer than the first model's poll interval (3000 ms): no read follows the close.
    const int reads = GetCount(sim);
    QElapsedTimer elapsed;
    elapsed.start();
    WaitFor([] { return false; }, 3500);
    EXPECT_GE(elapsed.elapsed(), 3500);
    EXPECT_EQ(GetCount(sim), reads);
}
