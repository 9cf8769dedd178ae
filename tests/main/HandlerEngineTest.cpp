// The engine on rows of its own: each tweak at scale 1.0 and 1.25, the SNMP version raised for a
// window's life, a window whose building raises, tweaks on an empty list. The windows read the
// tables of tests/support/data/handlers.dat.
#include "main/Families.h"
#include "main/HandMadeWindows.h"

#include "catalogue/Catalogue.h"
#include "gui/ConfigForm.h"
#include "snmp/DeviceState.h"
#include "snmp/GlobalSession.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpSettings.h"
#include "snmp/VarList.h"
#include "snmplib/Snmp.h"
#include "support/FormTest.h"
#include "support/SimSwitch.h"
#include "ModalScript.h"
#include "ui/CheckBox.h"
#include "ui/Control.h"

#include <QApplication>
#include <QTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using enum HandlerFamily;
using namespace tweak;

const TableKey BasicInformation = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.1"};
const TableKey TrapTable = {"Oid_common", "1.3.6.1.4.1.171.12.1.4.2.1.1"};
const TableKey Hibernation = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.11.6.1.1.100", nullptr, 2};
const char* const TrapStatus = "1.3.6.1.4.1.171.12.1.4.2.1.5.";

// A scalar window and a table window of the engine, with the tweaks given.
HandlerRow Scalars(std::initializer_list<Tweak> tweaks = {})
{
    HandlerRow row{.Name = "ScalarsClick", .Family = GeneratedScalar, .Title = "Scalars", .Table = BasicInformation};
    std::copy(tweaks.begin(), tweaks.end(), row.Tweaks);
    return row;
}

HandlerRow Traps(std::initializer_list<Tweak> tweaks = {})
{
    HandlerRow row{.Name = "TrapsClick", .Family = GeneratedTable, .Title = "Traps", .Table = TrapTable,
                   .Kind = MVT_UMV, .Keys = 1, .Status = {4, "enabled", "disabled"}};
    std::copy(tweaks.begin(), tweaks.end(), row.Tweaks);
    return row;
}

HandlerRow Hibernations(std::initializer_list<Tweak> tweaks = {})
{
    HandlerRow row{.Name = "HibernationsClick", .Family = GeneratedTable, .Title = "Hibernations",
                   .Table = Hibernation, .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}};
    std::copy(tweaks.begin(), tweaks.end(), row.Tweaks);
    return row;
}

class HandlerEngine : public FormTest {
protected:
    static void SetUpTestSuite()
    {
        InitRequestStatics();
        static QTemporaryDir bootsDir;
        CreateGlobalSession(bootsDir.path().toStdString());
        InitCatalogue();
        InitVarListNameTables();
        sim_ = new SimSwitch({"Kb", {"--data", SimSwitch::DataFile("handlers.dat")}});
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        sim_ = nullptr;
        FreeVarListNameTables();
        FreeCatalogue();
        ReleaseRequestStatics();
        delete GlobalSnmpSession;
        GlobalSnmpSession = nullptr;
    }
    void SetUp() override
    {
        FormTest::SetUp();
        DefaultDevice.Address = sim_->Address();
        DefaultDevice.Port = static_cast<std::uint16_t>(sim_->Port());
        DefaultSecurity.Version = 1;
        DefaultSecurity.ReadCommunity = SimCredentials::ReadCommunity;
        DefaultSecurity.WriteCommunity = SimCredentials::WriteCommunity;
        ModuleOIDText = "1.3.6.1.4.1.171.10.133.2.1";
        DeviceIPText = sim_->Address();
        context_.AddressText = sim_->Address();
        sim_->Control("reset");
        sim_->ClearSetJournal();
    }

    // Runs the row's handler with script inside its window (when one opens); false when none.
    bool Run(const HandlerRow& row, const std::function<void(TConfigForm&)>& script = {}, float scale = 1.0f,
             bool waitForRead = false)
    {
        context_.DPIScale = scale;
        return RunInModalOf([&] { RunHandlerRow(row, context_); }, [&](ui::Form* shown) {
            auto* form = dynamic_cast<TConfigForm*>(shown);
            if (form == nullptr || !script)
                return;
            if (waitForRead) {
                EXPECT_TRUE(WaitFor([&] {
                    return form->CurrentRequest != nullptr && !form->CurrentRequest->Busy && !StatusLine(form).empty();
                }));
            }
            script(*form);
        });
    }

    template <class Panel>
    static Panel* PanelOf(TConfigForm& form)
    {
        return form.findChild<Panel*>();
    }

    static inline SimSwitch* sim_ = nullptr;
    std::string caption_;
    HandlerContext context_{nullptr, &caption_, "", 1.0f};
};

// What a tweak changes, read from the window.
enum class Measure { Width, Height, EditorWidth, DialogEditorWidth, Timeout, Tag2, Tag1 };

int Read(Measure measure, TConfigForm& form)
{
    auto* panel = form.findChild<TSNMPEditorPanel*>();
    const auto editor = [&](int row) { return panel->EditsPanel->Rows.at(static_cast<std::size_t>(row)).Editor; };
    switch (measure) {
    case Measure::Width:
        return form.width();
    case Measure::Height:
        return form.height();
    case Measure::EditorWidth:
    case Measure::DialogEditorWidth:
        return editor(1)->width();
    case Measure::Timeout:
        return form.Requests.at(0)->Request.Timeout;
    case Measure::Tag2:
        return ui::Tag(editor(2));
    case Measure::Tag1:
        return ui::Tag(editor(1));
    }
    return -1;
}

struct SizeCase {
    const char* name;
    bool list;   // on the trap table, else on the scalars
    Tweak tweak;
    Measure measure;
    // The value expected from the untweaked window's value, at scale 1.0 and at 1.25.
    std::function<int(int base)> at100, at125;
};

TEST_F(HandlerEngine, EachTweakAtBothScales)
{
    const auto same = [](int n) { return [n](int) { return n; }; };
    const auto plus = [](int n) { return [n](int base) { return base + n; }; };
    const std::vector<SizeCase> cases = {
        {"ScaledHeight", false, ScaledHeight(450), Measure::Height, same(450), same(562)},
        {"GrowHeight", false, GrowHeight(10), Measure::Height, plus(10), plus(12)},
        {"GrowWidth", true, GrowWidth(200), Measure::Width, plus(200), plus(250)},
        {"FixedHeight", true, FixedHeight(300), Measure::Height, same(300), same(300)},
        {"FixedWidth", false, FixedWidth(650), Measure::Width, same(650), same(650)},
        {"SetEditorWidth", false, SetEditorWidth(142), Measure::EditorWidth, same(142), same(177)},
        {"FixedEditorWidth", false, FixedEditorWidth(150), Measure::EditorWidth, same(150), same(150)},
        {"WidenEditor", false, WidenEditor(30), Measure::EditorWidth, plus(30), plus(37)},
        {"ListEditorWidth", true, ListEditorWidth(100), Measure::DialogEditorWidth, same(100), same(125)},
        {"FixedListEditorWidth", true, FixedListEditorWidth(180), Measure::DialogEditorWidth, same(180), same(180)},
        {"WidenEditRows", true, WidenEditRows(20), Measure::DialogEditorWidth, plus(20), plus(25)},
        {"RequestTimeout", true, RequestTimeout(600), Measure::Timeout, same(600), same(600)},
        {"OptionalRow", true, OptionalRow(2), Measure::Tag2, same(99), same(99)},
        {"SendActiveRow", true, SendActiveRow(1), Measure::Tag1, same(100), same(100)},
    };
    for (const SizeCase& c : cases) {
        for (const float scale : {1.0f, 1.25f}) {
            SCOPED_TRACE(std::string(c.name) + (scale == 1.0f ? " at 1.0" : " at 1.25"));
            int base = -1;
            int tweaked = -1;
            EXPECT_TRUE(Run(c.list ? Traps() : Scalars(), [&](TConfigForm& form) { base = Read(c.measure, form); }, scale));
            EXPECT_TRUE(Run(c.list ? Traps({c.tweak}) : Scalars({c.tweak}),
                            [&](TConfigForm& form) { tweaked = Read(c.measure, form); }, scale));
            EXPECT_EQ(tweaked, (scale == 1.0f ? c.at100 : c.at125)(base)) << "from " << base;
        }
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(HandlerEngine, ButtonTweaksAndTheDoubleClick)
{
    struct Case {
        const char* name;
        HandlerRow row;
        bool editShown, stopShown, doubleClickEdits;
    };
    const std::vector<Case> cases = {
        {"none", Traps(), true, false, true},
        {"HideEditButton", Traps({HideEditButton()}), false, false, true},
        {"NoDoubleClickEdit", Traps({NoDoubleClickEdit()}), true, false, false},
        {"both", Traps({HideEditButton(), NoDoubleClickEdit()}), false, false, false},
        {"ShowStopButton", Traps({ShowStopButton()}), true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Run(
            c.row,
            [&](TConfigForm& form) {
                auto* panel = PanelOf<TSNMPListViewPanel>(form);
                EXPECT_EQ(ui::Visible(panel->Buttons->EditButton), c.editShown);
                EXPECT_EQ(ui::Visible(panel->Buttons->StopButton), c.stopShown);
                EXPECT_EQ(static_cast<bool>(panel->ListViewPanel->ListView->OnDblClick), c.doubleClickEdits);
            },
            1.0f, true));
    }
}

TEST_F(HandlerEngine, SendActiveRowWritesActive)
{
    EXPECT_TRUE(Run(
        Hibernations({SendActiveRow(1)}),
        [&](TConfigForm& form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(form);
            ui::ListView* list = panel->ListViewPanel->ListView;
            ASSERT_EQ(list->Count(), 2);
            ClickRow(list, 1);
            EXPECT_TRUE(RunInModalOf([&] { Click(panel->Buttons->EditButton); }, [&](ui::Form*) {
                EXPECT_EQ(EditorText(panel->EditsPanel->Rows[1].Editor), "active");
                Click(EnclosingSNMPPanel(panel->EditsPanel->Rows[1].Editor)->Buttons->SetCheckedButton);
            }));
            EXPECT_EQ(sim_->TakeSetJournal(), (std::vector<std::vector<std::string>>{
                                         {"1.3.6.1.4.1.171.12.11.1.11.6.1.1.100.5.110.105.103.104.116=1"}}))
                << LastMessageBoxText();
        },
        1.0f, true));
}

TEST_F(HandlerEngine, OptionalRowLetsAnEmptyRowThroughTheAddDialog)
{
    for (const bool optional : {false, true}) {
        SCOPED_TRACE(optional ? "optional" : "required");
        ClearMessageBoxes();
        EXPECT_TRUE(Run(
            optional ? Traps({OptionalRow(2)}) : Traps(),
            [&](TConfigForm& form) {
                auto* panel = PanelOf<TSNMPListViewPanel>(form);
                EXPECT_TRUE(RunInModalOf([&] { Click(panel->Buttons->AddButton); }, [&](ui::Form*) {
                    TEditsPanel* rows = panel->EditsPanel;
                    TypeInto(rows->Rows[0].Editor, "7");
                    TypeInto(rows->Rows[1].Editor, "10.0.0.7");
                    rows->Rows[1].CheckBox->SetChecked(true);
                    rows->Rows[2].CheckBox->SetChecked(true);
                    Click(EnclosingSNMPPanel(rows->Rows[1].Editor)->Buttons->SetCheckedButton);
                }));
                const auto journal = sim_->TakeSetJournal();
                if (optional) {
                    ASSERT_EQ(journal.size(), 1U) << LastMessageBoxText();
                    EXPECT_NE(std::find(journal[0].begin(), journal[0].end(), std::string(TrapStatus) + "7=3"),
                              journal[0].end());
                    EXPECT_NE(std::find(journal[0].begin(), journal[0].end(), "1.3.6.1.4.1.171.12.1.4.2.1.3.7="),
                              journal[0].end())
                        << "the empty community is sent";
                } else {
                    EXPECT_TRUE(journal.empty());
                    EXPECT_EQ(LastMessageBoxText(), "Some items are empty!");
                }
            },
            1.0f, true));
    }
}

TEST_F(HandlerEngine, ForcedVersionLastsForTheWindowOnly)
{
    struct Case {
        Tweak tweak;
        int from, inside;
    };
    for (const Case& c : std::vector<Case>{{ForceV2c(), 0, 1},
                                           {ForceV2cWhileOpen(), 0, 1},
                                           {ForceV2c(), 1, 1},
                                           {ForceV2cWhileOpen(), 1, 1},
                                           {ForceV2c(), 3, 3},
                                           {ForceV2cWhileOpen(), 3, 3}}) {
        SCOPED_TRACE("from " + std::to_string(c.from));
        DefaultSecurity.Version = static_cast<std::uint8_t>(c.from);
        int inside = -1;
        int next = -1;
        EXPECT_TRUE(Run(Scalars({c.tweak}), [&](TConfigForm& form) {
            inside = form.Requests.at(0)->Request.Security.Version;
        }));
        EXPECT_TRUE(Run(Scalars(), [&](TConfigForm& form) { next = form.Requests.at(0)->Request.Security.Version; }));
        EXPECT_EQ(inside, c.inside);
        EXPECT_EQ(DefaultSecurity.Version, c.from);
        EXPECT_EQ(next, c.from) << "the next window speaks the version the command line chose";
    }
}

TEST_F(HandlerEngine, AFailedBuildLeavesNothingBehind)
{
    struct Case {
        const char* name;
        HandlerRow row;
        std::string message;
    };
    HandlerRow badStatus = Traps({ForceV2cWhileOpen()});
    badStatus.Status = {4, "createAndGo", "destroy"};
    const std::vector<Case> cases = {
        {"format on an option list", Traps({ForceV2cWhileOpen(), SetVarFormat(3, "%i")}),
         "Can not set Var format to a ComboBox!"},
        {"status text not offered", badStatus, "createAndGo"},
        {"row missing from a list with rows", Traps({ForceV2c(), OptionalRow(9)}), "No row 9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultSecurity.Version = 0;
        ClearMessageBoxes();
        const QWidgetList before = QApplication::topLevelWidgets();
        EXPECT_FALSE(Run(c.row)) << "the window is not shown";
        EXPECT_EQ(QApplication::topLevelWidgets().size(), before.size()) << "no window stays behind";
        ASSERT_EQ(MessageBoxes().size(), 1U);
        EXPECT_NE(LastMessageBoxText().find(c.message), std::string::npos) << LastMessageBoxText();
        EXPECT_EQ(DefaultSecurity.Version, 0) << "the version is given back";
        EXPECT_EQ(ConfigForm, nullptr);
    }
}

TEST_F(HandlerEngine, RowTweaksOnAnEmptyListAreSkipped)
{
    ModuleOIDText = "1.3.6.1.4.1.171.10.113.1.1";
    const HandlerRow row{.Name = "ModelClick", .Family = ModelDependent, .Title = "Model",
                         .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.1.1.1"},
                         .Layout = HandlerLayout::Editor,
                         .Tweaks = {SetVarFormat(1, "%i"), OptionalRow(1), WidenEditor(30)}};
    EXPECT_TRUE(Run(row, [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "Model: " + sim_->Address());
        EXPECT_EQ(PanelOf<TSNMPEditorPanel>(form)->EditsPanel->RowCount(), 0);
    }));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A hand-made window class of the test: the constructor takes the row's argument.
class TestWindow : public ui::Form {
public:
    TestWindow(QWidget* owner, int mode) : ui::Form(owner), Mode(mode) {}
    int Mode;
};
TestWindow* TestWindowGlobal = nullptr;

TEST_F(HandlerEngine, HandMadeWindowOfItsRegisteredClass)
{
    const HandlerRow row{.Name = "TestWindow1Click", .Family = HandMadeForm, .WindowClass = "TTestWindow",
                         .Title = "Test Window", .Owner = WindowOwner::MainWindow, .UnitGlobal = true,
                         .Argument = 1};
    EXPECT_FALSE(CanRunHandler(row)) << "not registered: the item stays disabled";
    Register<TestWindow>(
        "TTestWindow", [](QWidget* owner, int mode) -> ui::Form* { return new TestWindow(owner, mode); },
        &TestWindowGlobal);
    ASSERT_TRUE(CanRunHandler(row));

    ui::Form mainWindow(nullptr);
    context_.MainWindow = &mainWindow;
    EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(row, context_); }, [&](ui::Form* shown) {
        EXPECT_EQ(shown->Caption(), "Test Window: " + sim_->Address());
        EXPECT_EQ(TestWindowGlobal, shown) << "the unit global refers to the window while it is shown";
        EXPECT_EQ(shown->parentWidget(), &mainWindow);
        EXPECT_EQ(dynamic_cast<TestWindow*>(shown)->Mode, 1);
    }));
    EXPECT_EQ(TestWindowGlobal, nullptr);

    // A hand-made window that SNMPv1 cannot serve speaks SNMPv2c while it exists, and no longer.
    HandlerRow counters = row;
    counters.Tweaks[0] = ForceV2c();
    DefaultSecurity.Version = 0;
    int inside = -1;
    EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(counters, context_); },
                             [&](ui::Form*) { inside = DefaultSecurity.Version; }));
    EXPECT_EQ(inside, 1);
    EXPECT_EQ(DefaultSecurity.Version, 0);

    HandlerRow about = row;
    about.Title = "";
    about.NoCaption = true;
    about.UnitGlobal = false;
    about.Owner = WindowOwner::Application;
    EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(about, context_); }, [&](ui::Form* shown) {
        EXPECT_EQ(shown->Caption().find(sim_->Address()), std::string::npos) << "keeps its own caption";
        EXPECT_EQ(TestWindowGlobal, nullptr);
        EXPECT_EQ(shown->parentWidget(), nullptr);
    }));
}

TEST_F(HandlerEngine, DdmRowCallsItsWindowFunction)
{
    static std::string address;
    static float scale = 0;
    HandlerRow row{.Name = "DDMStatus1Click", .Family = DdmWindow};
    EXPECT_FALSE(CanRunHandler(row)) << "no function yet: the item stays disabled";
    row.Ddm = [](const std::string& a, float s) {
        address = a;
        scale = s;
    };
    ASSERT_TRUE(CanRunHandler(row));
    context_.DPIScale = 1.25f;
    RunHandlerRow(row, context_);
    EXPECT_EQ(address, sim_->Address());
    EXPECT_EQ(scale, 1.25f);
}

} // namespace
