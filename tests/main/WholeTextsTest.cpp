// No text of a window is cut off or covered: every hand-made window of the menu with the
// dialogs it owns, every DDM window, every generated window with editor rows and every generated
// list window with the Add and Edit dialogs its buttons open, each opened by its handler against
// a simulated Sorvane-Kb, on each of its pages (tests/support/WholeTexts.h); and the progress box
// with each prompt the windows give it.
//
// The texts are measured in the font the program draws with on a display: ui::Application
// names DejaVu Sans at 8 points, and the offscreen platform finds it through fontconfig as the
// X11 platform does (same file, same metrics). FontIsTheProgramsOwn fails when the font is
// missing and fontconfig would substitute another; scripts/install-deps installs it.
//
// With SORVANE_SCREENSHOT_DIR set, each window and dialog looked at is also saved there as
// <component name>.png, to see what the test measured.
#include "HandlerFamiliesFixture.h"
#include "simdata/MenuSimData.h"
#include "support/WholeTexts.h"

#include "catalogue/Catalogue.h"
#include "gui/ProgressForm2.h"
#include "gui/SNMPListViewPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>

namespace {

bool HasEditorRows(const HandlerRow& row)
{
    switch (row.Family) {
    case HandlerFamily::GeneratedScalar:
        return row.Layout != HandlerLayout::ListView;
    case HandlerFamily::ModelDependent:
    case HandlerFamily::GeneratedTable:
        return row.Layout == HandlerLayout::Editor;
    case HandlerFamily::GeneratedPages:
        return std::any_of(row.Pages.begin(), row.Pages.end(),
                           [](const HandlerPage& page) { return page.Layout == HandlerLayout::Editor; });
    default:
        return false;
    }
}

// Generated windows whose list opens Add and Edit dialogs of editor rows.
bool HasListRows(const HandlerRow& row)
{
    switch (row.Family) {
    case HandlerFamily::GeneratedTable:
        return row.Layout != HandlerLayout::Editor; // a table is listed unless told otherwise
    case HandlerFamily::ModelDependent:
        return row.Layout == HandlerLayout::ListView;
    case HandlerFamily::GeneratedPages:
        return std::any_of(row.Pages.begin(), row.Pages.end(),
                           [](const HandlerPage& page) { return page.Layout == HandlerLayout::ListView; });
    default:
        return false;
    }
}

bool HandMade(const HandlerRow& row)
{
    return row.Family == HandlerFamily::HandMadeForm || row.Family == HandlerFamily::DdmWindow;
}

class WholeTexts : public HandlerTest, public testing::WithParamInterface<int> {
protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
        dataFile_ = menusimdata::MenuSimData("Kb").WriteFile(dir_.path().toStdString() + "/menu-Kb.dat");
        FreeCatalogue();
    }

    // The faults of the window as shown once its first answers have come, and of each dialog
    // it owns, shown in turn.
    static std::vector<wholetexts::Fault> FaultsOf(ui::Form* window)
    {
        WaitFor([] { return false; }, 300);
        Screenshot(window);
        std::vector<wholetexts::Fault> faults = wholetexts::CutOrCoveredTextsOnEveryPage(window);
        for (ui::Form* dialog : window->findChildren<ui::Form*>(Qt::FindDirectChildrenOnly)) {
            if (!dialog->isWindow() || dialog->isVisible())
                continue;
            dialog->show();
            WaitFor([&] { return dialog->isVisible(); }, 2000);
            Screenshot(dialog);
            for (wholetexts::Fault& fault : wholetexts::CutOrCoveredTextsOnEveryPage(dialog)) {
                fault.Control = dialog->objectName().toStdString() + "/" + fault.Control;
                faults.push_back(std::move(fault));
            }
            dialog->hide();
        }
        ListDialogFaults(window, faults);
        return faults;
    }

    // The Add dialog and the Edit dialog (of the first row) of each list of generated editor
    // rows in the window, on each page, opened by their buttons as a user opens them.
    static void ListDialogFaults(ui::Form* window, std::vector<wholetexts::Fault>& faults)
    {
        const auto lists = window->findChildren<TSNMPListViewPanel*>();
        if (lists.isEmpty())
            return;
        // The Edit dialog needs a row: the page's first read ends before the buttons are clicked.
        const auto readEnded = [&] {
            if (auto* generated = dynamic_cast<TConfigForm*>(window))
                WaitFor([&] { return ReadEnded(*generated); }, 10000);
        };
        readEnded();
        const auto measure = [&](TSNMPListViewPanel* list, QWidget* button, const std::string& which) {
            if (!button->isVisibleTo(window) || !button->isEnabled())
                return;
            const bool opened = RunInModalOf([&] { Click(button); }, [&](ui::Form* dialog) {
                Screenshot(dialog, window->objectName() + "-" + QString::fromStdString(which));
                for (wholetexts::Fault& fault : wholetexts::CutOrCoveredTextsOnEveryPage(dialog)) {
                    fault.Control = which + " dialog/" + fault.Control;
                    faults.push_back(std::move(fault));
                }
            });
            EXPECT_TRUE(opened) << which << " of " << Path(list);
        };
        std::set<const TSNMPListViewPanel*> measured;
        const auto measureShownLists = [&] {
            for (TSNMPListViewPanel* list : lists) {
                if (!list->isVisibleTo(window) || !measured.insert(list).second)
                    continue;
                measure(list, list->Buttons->AddButton, "Add");
                if (list->ListViewPanel->ListView->Count() > 0) {
                    ClickRow(list->ListViewPanel->ListView, 0);
                    measure(list, list->Buttons->EditButton, "Edit");
                }
            }
        };
        const auto pageControls = window->findChildren<QTabWidget*>();
        if (pageControls.isEmpty()) {
            measureShownLists();
            return;
        }
        for (QTabWidget* pages : pageControls) {
            const int active = pages->currentIndex();
            for (int i = 0; i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                QApplication::processEvents();
                readEnded();
                measureShownLists();
            }
            pages->setCurrentIndex(active);
        }
    }

    static std::string Path(const QWidget* control)
    {
        std::string path;
        for (const QWidget* w = control; w != nullptr && !w->isWindow(); w = w->parentWidget())
            path = w->objectName().toStdString() + (path.empty() ? "" : "/" + path);
        return path;
    }

    static void Screenshot(QWidget* window, const QString& name = {})
    {
        const char* dir = std::getenv("SORVANE_SCREENSHOT_DIR");
        if (dir != nullptr && *dir != '\0')
            window->grab().save(QString::fromLocal8Bit(dir) + "/" + (name.isEmpty() ? window->objectName() : name) +
                                ".png");
    }

    static inline QTemporaryDir dir_;
    static inline std::string dataFile_;
};

TEST(WholeTextsFont, FontIsTheProgramsOwn)
{
    EXPECT_EQ(wholetexts::ProgramFontProblem(), "");
}

// The measure itself, on a small window: each kind of fault is found, and only where it is.
TEST(WholeTextsMeasure, FindsCutCoveredAndRunOutTextsOnly)
{
    QWidget window;
    window.resize(300, 200);
    const auto place = [&](QWidget* control, const char* name, QRect geometry) {
        control->setObjectName(name);
        control->setGeometry(geometry);
    };
    place(new QCheckBox("1025-1536", &window), "narrowBox", {10, 10, 50, 17});
    place(new QCheckBox("1025-1536", &window), "wideBox", {10, 30, 120, 17});
    place(new QPushButton("Add Default Route", &window), "narrowButton", {10, 50, 60, 25});
    auto* covered = new QLabel("DHE-DSS-with-3DES-EDE-CBC-SHA", &window);
    place(covered, "coveredLabel", {10, 80, 250, 17});
    place(new QComboBox(&window), "combo", {100, 78, 100, 21});
    place(new QLabel("etherStats,historyControl,etherHistory", &window), "runOut", {200, 110, 250, 17});
    place(new QLabel("Samples", &window), "fits", {10, 140, 100, 17});
    auto* hidden = new QCheckBox("a text far too long for its box", &window);
    place(hidden, "hidden", {10, 160, 20, 17});
    hidden->hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    std::map<std::string, std::string> found;
    for (const wholetexts::Fault& fault : wholetexts::CutOrCoveredTexts(&window))
        found[fault.Control] += fault.Why + ";";
    EXPECT_NE(found["narrowBox"].find("width"), std::string::npos);
    EXPECT_NE(found["narrowButton"].find("width"), std::string::npos);
    EXPECT_NE(found["coveredLabel"].find("lies under combo"), std::string::npos);
    EXPECT_NE(found["runOut"].find("runs out of the window"), std::string::npos);
    found.erase("narrowBox");
    found.erase("narrowButton");
    found.erase("coveredLabel");
    found.erase("runOut");
    EXPECT_TRUE(found.empty()) << found.begin()->first << ": " << found.begin()->second;
}

// The progress box the windows show while the switch carries out a long write: each prompt
// they give it shows whole.
TEST(WholeTextsProgressBox, EveryPromptShowsWhole)
{
    for (const char* prompt : {"Change STP Version is processing...", "Enable STP is processing...",
                               "Send the mail is processing...", "Active Configuration is processing..."}) {
        SCOPED_TRACE(prompt);
        const std::unique_ptr<TProgressForm2> box(new TProgressForm2(nullptr, nullptr));
        box->ProgressTimer->SetEnabled(false);
        box->LB_Prompt->SetCaption(prompt);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
        const std::vector<wholetexts::Fault> faults = wholetexts::CutOrCoveredTexts(box.get());
        EXPECT_TRUE(faults.empty()) << wholetexts::Describe(faults);
    }
}

TEST_P(WholeTexts, EveryTextOfTheGroupsWindowsShowsWhole)
{
    const auto groups = HandlerGroups();
    SimSwitch sim(SimSwitchOptions{"Kb", {"--data", dataFile_}});
    const auto window = StartOn(sim);
    for (const HandlerRow& row : groups[static_cast<std::size_t>(GetParam())]) {
        if (!HandMade(row) && !HasEditorRows(row) && !HasListRows(row))
            continue;
        SCOPED_TRACE(row.Name);
        std::vector<wholetexts::Fault> faults;
        const bool opened = RunInModalOf([&] { MainForm->RunHandlerNamed(row.Name); },
                                         [&](ui::Form* form) { faults = FaultsOf(form); });
        EXPECT_TRUE(opened);
        EXPECT_TRUE(faults.empty()) << wholetexts::Describe(faults);
    }
}

// One case per group of the handler table (the groups are read when the tests are registered).
INSTANTIATE_TEST_SUITE_P(Groups, WholeTexts, testing::Range(0, static_cast<int>(HandlerGroups().size())));

} // namespace
