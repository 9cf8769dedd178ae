// Every row of the handler table against the catalogue: its tables resolve, its layout call and
// its tweaks fit them, and every row has a recipe. The menu-group rows extend it by being added.
#include "main/HandlerTable.h"

#include "catalogue/Catalogue.h"
#include "snmp/OptionList.h"
#include "snmp/VarList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The sysObjectIDs of the four models.
const char* const ModelOids[] = {"1.3.6.1.4.1.171.10.133.1.1", "1.3.6.1.4.1.171.10.133.2.1",
                                 "1.3.6.1.4.1.171.10.133.3.1", "1.3.6.1.4.1.171.10.133.4.1"};

class HandlerRows : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitCatalogue(); }
    static void TearDownTestSuite() { FreeCatalogue(); }
};

bool TakesRow(TweakKind kind)
{
    switch (kind) {
    case TweakKind::SetVarFormat:
    case TweakKind::SetVarFormatWithCheck:
    case TweakKind::OptionalRow:
    case TweakKind::SendActiveRow:
    case TweakKind::TextCodec:
        return true;
    default:
        return false;
    }
}

bool ForListsOnly(TweakKind kind)
{
    return kind == TweakKind::NoDoubleClickEdit || kind == TweakKind::ListEditorWidth ||
           kind == TweakKind::FixedListEditorWidth || kind == TweakKind::WidenEditRows;
}

bool ForEditorsOnly(TweakKind kind)
{
    return kind == TweakKind::SetEditorWidth || kind == TweakKind::FixedEditorWidth ||
           kind == TweakKind::WidenEditor;
}

bool Needs(const Tweak& t)
{
    if (t.Kind == TweakKind::TextCodec)
        return t.Spec != nullptr && *t.Spec != '\0';
    if (t.Kind == TweakKind::SetVarFormat || t.Kind == TweakKind::SetVarFormatWithCheck)
        return t.Spec != nullptr && *t.Spec != '\0' && (t.Kind == TweakKind::SetVarFormat || t.Check != nullptr);
    if (t.Kind == TweakKind::Step || t.Kind == TweakKind::StepBeforeLayout || t.Kind == TweakKind::StepBeforeCreate)
        return t.OwnStep != nullptr;
    return true;
}

// What one generated window of a row (or page) must satisfy with the table it resolved to.
void CheckWindow(const std::string& where, const VarDescriptor* table, std::uint8_t kind, int keys,
                 bool list, const StatusColumn& status, const Tweak (&tweaks)[MaxTweaks])
{
    SCOPED_TRACE(where);
    ASSERT_NE(table, nullptr) << "no descriptor table";
    const int rows = TableRowCount(table);
    EXPECT_LE(kind, MVT_UMV);
    EXPECT_GE(keys, 0);
    EXPECT_LE(keys, rows);
    if (kind == SVT_SV) {
        EXPECT_EQ(keys, 0) << "scalars have no keys";
    }
    if (status.Index == -1) {
        EXPECT_EQ(status.Add, nullptr);
        EXPECT_EQ(status.Delete, nullptr);
    } else {
        EXPECT_TRUE(list) << "Add and Delete on a list only";
        ASSERT_LT(status.Index, rows);
        const MvOptionList* options = table[status.Index].options;
        ASSERT_NE(options, nullptr) << "the status column has an option list";
        for (const char* text : {status.Add, status.Delete})
            if (text != nullptr) {
                EXPECT_GE(options->FindByText(text), 0) << text << " is no option of the status column";
            }
    }
    for (const Tweak& t : tweaks) {
        if (t.Kind == TweakKind::None)
            continue;
        EXPECT_TRUE(Needs(t)) << "tweak " << static_cast<int>(t.Kind) << " lacks its data";
        if (TakesRow(t.Kind)) {
            EXPECT_GE(t.Row, 0);
            EXPECT_LT(t.Row, rows) << "tweak " << static_cast<int>(t.Kind) << " on a row the table lacks";
        }
        if (ForListsOnly(t.Kind)) {
            EXPECT_TRUE(list) << "list tweak " << static_cast<int>(t.Kind) << " on an editor";
        }
        if (ForEditorsOnly(t.Kind)) {
            EXPECT_FALSE(list) << "editor tweak " << static_cast<int>(t.Kind) << " on a list";
        }
    }
}

bool IsList(const HandlerRow& row)
{
    return row.Layout == HandlerLayout::ListView ||
           (row.Layout == HandlerLayout::ByFamily && row.Family == HandlerFamily::GeneratedTable);
}

TEST_F(HandlerRows, EveryRowResolvesItsTablesAndHasARecipe)
{
    int rows = 0;
    for (std::span<const HandlerRow> group : HandlerGroups())
        for (const HandlerRow& row : group) {
            ++rows;
            SCOPED_TRACE(row.Name);
            const std::string name = row.Name;
            EXPECT_TRUE(name.size() > 5 && name.ends_with("Click")) << "a handler name";
            const bool generated = row.Family == HandlerFamily::GeneratedTable ||
                                   row.Family == HandlerFamily::GeneratedScalar ||
                                   row.Family == HandlerFamily::ModelDependent ||
                                   row.Family == HandlerFamily::GeneratedPages;
            if (generated || row.Family == HandlerFamily::HandMadeForm) {
                EXPECT_TRUE(row.NoCaption || *row.Title != '\0') << "a window with a caption has a title";
            }
            if (!generated) {
                EXPECT_EQ(row.Table.Module, nullptr) << "only generated windows read a table";
            }

            switch (row.Family) {
            case HandlerFamily::GeneratedTable:
            case HandlerFamily::GeneratedScalar:
                CheckWindow("its table", FindTable(row.Table.Module, row.Table.Oid, row.Table.Caption,
                                                   row.Table.Rows, row.Table.Row),
                            row.Kind, row.Keys, IsList(row), row.Status, row.Tweaks);
                break;
            case HandlerFamily::ModelDependent:
                EXPECT_NE(row.Layout, HandlerLayout::ByFamily) << "a model-dependent row says its layout";
                for (const char* model : ModelOids)
                    CheckWindow(std::string("the table of ") + model,
                                FindModelTable(row.Table.Module, row.Table.Oid, model, row.Table.Caption,
                                               row.Table.Rows, row.Table.Row),
                                row.Kind, row.Keys, IsList(row), row.Status, row.Tweaks);
                break;
            case HandlerFamily::GeneratedPages:
                EXPECT_FALSE(row.Pages.empty());
                for (const HandlerPage& page : row.Pages)
                    CheckWindow(std::string("page ") + page.Caption,
                                FindTable(page.Table.Module, page.Table.Oid, page.Table.Caption, page.Table.Rows,
                                          page.Table.Row),
                                page.Kind, page.Keys, page.Layout == HandlerLayout::ListView, page.Status,
                                page.Tweaks);
                break;
            case HandlerFamily::HandMadeForm: {
                const std::string windowClass = row.WindowClass;
                EXPECT_TRUE(windowClass.size() > 1 && windowClass[0] == 'T') << "names its window class";
                break;
            }
            case HandlerFamily::ExternalTool:
                EXPECT_TRUE(std::string(row.PageSwitch).starts_with("/T")) << row.PageSwitch;
                break;
            case HandlerFamily::DdmWindow:
            case HandlerFamily::Help:
            case HandlerFamily::Refresh:
            case HandlerFamily::Empty:
                break;
            default:
                ADD_FAILURE() << "no recipe";
            }
            if (row.Family != HandlerFamily::GeneratedPages) {
                EXPECT_TRUE(row.Pages.empty());
            }
        }
    EXPECT_GT(rows, 0);
}

} // namespace
