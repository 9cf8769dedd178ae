// Every generated window of the handler table, opened by its handler name against a simulated
// Sorvane-Kb that serves data generated from the rows: its caption, columns or editor rows, the
// rows the switch serves, the buttons its variables and tweaks give, whether a double click on a
// row opens the Edit dialog, the status line, and the window's size at scale 1.25; the
// model-dependent rows also on an unidentified switch. One case per group of the handler table.
#include "HandlerFamiliesFixture.h"
#include "simdata/MenuSimData.h"

#include "catalogue/Catalogue.h"
#include "gui/ConfigForm.h"
#include "main/Families.h"

#include <QTemporaryDir>

#include <algorithm>
#include <map>

namespace {

bool Has(const HandlerRow& row, TweakKind kind)
{
    return std::any_of(std::begin(row.Tweaks), std::end(row.Tweaks), [kind](const Tweak& t) { return t.Kind == kind; });
}

bool IsList(const HandlerRow& row)
{
    return row.Layout == HandlerLayout::ListView ||
           (row.Layout == HandlerLayout::ByFamily && row.Family == HandlerFamily::GeneratedTable);
}

bool HasWritableValue(const MvSNMPVarList& list)
{
    const bool table = list.kind == MVT_FMV || list.kind == MVT_UMV;
    for (int i = table ? list.keyCount : 0; i < list.Count(); ++i)
        if ((list.Item(i).access & invalid) == 0 && (list.Item(i).access & writeonly) != 0)
            return true;
    return false;
}

bool IsSizeTweak(TweakKind kind)
{
    return kind == TweakKind::ScaledHeight || kind == TweakKind::GrowHeight || kind == TweakKind::GrowWidth ||
           kind == TweakKind::FixedHeight || kind == TweakKind::FixedWidth;
}

// The window's size at the scale from its size without the size tweaks: scaled values are
// truncated toward zero (562 for 450 at 1.25), fixed ones are not scaled.
QSize SizeAfterTweaks(const HandlerRow& row, QSize size, float scale)
{
    const auto scaled = [scale](int n) { return static_cast<int>(scale * static_cast<float>(n)); };
    for (const Tweak& t : row.Tweaks) {
        switch (t.Kind) {
        case TweakKind::ScaledHeight: size.setHeight(scaled(t.N)); break;
        case TweakKind::GrowHeight: size.setHeight(size.height() + scaled(t.N)); break;
        case TweakKind::GrowWidth: size.setWidth(size.width() + scaled(t.N)); break;
        case TweakKind::FixedHeight: size.setHeight(t.N); break;
        case TweakKind::FixedWidth: size.setWidth(t.N); break;
        default: break;
        }
    }
    return size;
}

std::vector<std::string> ColumnCaptions(const ui::ListView* view)
{
    std::vector<std::string> captions;
    for (int c = 0; c < view->ColumnCount(); ++c)
        captions.push_back(view->ColumnCaption(c));
    return captions;
}

class MenuRowWindows : public HandlerTest, public testing::WithParamInterface<int> {
protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
        const SimDataGenerator data = menusimdata::MenuSimData("Kb");
        dataFile_ = data.WriteFile(dir_.path().toStdString() + "/menu-Kb.dat");
        // A key of few values (an enumeration) gives fewer rows than three.
        for (std::span<const HandlerRow> group : HandlerGroups())
            for (const HandlerRow& row : group)
                if (menusimdata::IsGenerated(row) && row.Keys > 0)
                    rowsGenerated_[row.Name] = menusimdata::RowsGenerated(data, row, 2);
        FreeCatalogue();
    }

    static SimSwitchOptions Data(const std::vector<std::string>& more = {})
    {
        SimSwitchOptions options{"Kb", {"--data", dataFile_}};
        for (const std::string& file : more)
            options.extraArgs.insert(options.extraArgs.end(), {"--data", SimSwitch::DataFile(file)});
        return options;
    }

    // The size of the row's window at the scale, run as the main window runs it.
    static QSize SizeAt(const HandlerRow& row, const SimSwitch& sim, float scale)
    {
        std::string caption;
        HandlerContext context{MainForm, &caption, sim.Address(), scale};
        QSize size;
        EXPECT_TRUE(RunInModalOf([&] { RunHandlerRow(row, context); }, [&](ui::Form* form) { size = form->size(); }));
        return size;
    }

    static inline QTemporaryDir dir_;
    static inline std::string dataFile_;
    static inline std::map<std::string, int> rowsGenerated_;
};

TEST_P(MenuRowWindows, EachGeneratedWindowReadsWhatTheSwitchServes)
{
    const auto groups = HandlerGroups();
    SimSwitch sim(Data());
    const auto window = StartOn(sim);
    for (const HandlerRow& row : groups[static_cast<std::size_t>(GetParam())]) {
        if (!menusimdata::IsGenerated(row))
            continue;
        SCOPED_TRACE(row.Name);
        const bool opened = InWindow([&] { MainForm->RunHandlerNamed(row.Name); }, [&](TConfigForm& form) {
            EXPECT_EQ(form.Caption(), std::string(row.Title) + ": " + sim.Address());
            ASSERT_EQ(form.Requests.size(), 1u);
            const MvSNMPVarList& list = form.Requests[0]->Request.VarList;
            ASSERT_GT(list.Count(), 0);
            EXPECT_NE(StatusLine(&form).find("Ok!"), std::string::npos) << StatusLine(&form);
            SimWindowData served{.table = nullptr, .kind = row.Kind, .keyCount = row.Keys};
            TSNMPPanel* panel = nullptr;
            if (IsList(row)) {
                auto* lists = PanelOf<TSNMPListViewPanel>(&form);
                ASSERT_NE(lists, nullptr);
                panel = lists;
                ui::ListView* view = lists->ListViewPanel->ListView;
                std::vector<std::string> captions;
                for (int i = 0; i < list.Count(); ++i)
                    if (list.IsShown(i) || list.IsHiddenColumn(i))
                        captions.push_back(list.Item(i).caption);
                EXPECT_EQ(ColumnCaptions(view), captions);
                EXPECT_GE(view->Count(), list.keyCount > 0 ? rowsGenerated_[row.Name] : 1) << "rows served";
                if (view->Count() > 0) {
                    EXPECT_EQ(OpensDialog([&] { DoubleClickRow(view, 0); }), !Has(row, TweakKind::NoDoubleClickEdit))
                        << "a double click on a row opens the Edit dialog";
                }
            } else {
                auto* editor = PanelOf<TSNMPEditorPanel>(&form);
                ASSERT_NE(editor, nullptr);
                panel = editor;
                for (int i = 0; i < list.Count(); ++i) {
                    EXPECT_EQ(editor->EditsPanel->Rows[static_cast<std::size_t>(i)].Label->Caption(), list.Item(i).caption);
                }
                const std::vector<std::string> texts = EditorTexts(editor);
                EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return !t.empty(); }))
                    << "values read";
            }
            const std::vector<std::string> buttons = ShownButtons(panel);
            auto shows = [&](const char* name) { return std::find(buttons.begin(), buttons.end(), name) != buttons.end(); };
            EXPECT_TRUE(shows("Refresh"));
            EXPECT_TRUE(shows("Close"));
            EXPECT_EQ(shows("Add"), row.Status.Index >= 0);
            EXPECT_EQ(shows("Delete"), row.Status.Index >= 0);
            EXPECT_EQ(shows("Stop"), Has(row, TweakKind::ShowStopButton));
            if (IsList(row))
                EXPECT_EQ(shows("Edit"), HasWritableValue(list) && !Has(row, TweakKind::HideEditButton));
            else
                EXPECT_EQ(shows("Set"), HasWritableValue(list));
        });
        EXPECT_TRUE(opened);

        HandlerRow unsized = row;
        std::replace_if(std::begin(unsized.Tweaks), std::end(unsized.Tweaks),
                        [](const Tweak& t) { return IsSizeTweak(t.Kind); }, Tweak{});
        EXPECT_EQ(SizeAt(row, sim, 1.25f), SizeAfterTweaks(row, SizeAt(unsized, sim, 1.25f), 1.25f)) << "at 1.25";
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_P(MenuRowWindows, ModelRowsOpenEmptyAndSilentOnAnUnidentifiedSwitch)
{
    const auto groups = HandlerGroups();
    SimSwitch sim(Data({"identify-other-series.dat"}));
    const auto window = StartOn(sim);
    for (const HandlerRow& row : groups[static_cast<std::size_t>(GetParam())]) {
        if (row.Family != HandlerFamily::ModelDependent)
            continue;
        SCOPED_TRACE(row.Name);
        EXPECT_TRUE(InWindow([&] { MainForm->RunHandlerNamed(row.Name); },
                             [&](TConfigForm& form) {
                                 EXPECT_EQ(form.Caption(), std::string(row.Title) + ": " + sim.Address());
                                 EXPECT_EQ(form.Requests.at(0)->Request.VarList.Count(), 0);
                             },
                             false));
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// One case per group of the handler table (the groups are read when the tests are registered).
INSTANTIATE_TEST_SUITE_P(Groups, MenuRowWindows, testing::Range(0, static_cast<int>(HandlerGroups().size())));

} // namespace
