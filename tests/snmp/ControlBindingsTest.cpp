// Bindings themselves: what a misuse raises, how controls and the list view get their own
// handlers back, the list view's columns and rows.

#include "BindingFixture.h"
#include "TestHelpers.h"

#include "snmp/SnmpError.h"

#include "ui/ComboBox.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/RadioGroup.h"

#include <functional>

using namespace bindingtest;

namespace {

class ControlBindings : public BindingTest {};

TEST_F(ControlBindings, MisusesFailWithTheirCodes)
{
    struct Case {
        const char* name;
        std::int32_t syntax;
        std::string value;
        std::function<void()> misuse;
        int code;
        std::size_t bindingsLeft;
    };
    const Case cases[] = {
        {"combo box without option list", integer, "1", [this] { driver->BindComboBox(0, Add<ui::ComboBox>()); },
         MvCode::NoOptionListForControl, 0},
        {"radio group without option list", integer, "1",
         [this] { driver->BindControl(0, Add<ui::RadioGroup>()); }, MvCode::NoOptionListForControl, 0},
        {"item outside the list", integer, "1", [this] { driver->BindControl(1, Add<ui::Edit>()); },
         MvCode::BadAssociatedItemType, 0},
        {"fewer edits than the rule has fields", ipaddress, "10.0.0.1",
         [this] { driver->BindEdits(0, "%i%i%i%i", Add<ui::Edit>(), {Add<ui::Edit>()}); },
         MvCode::NotEnoughControls, 0},
        {"malformed rule", integer, "1", [this] { driver->BindEdits(0, "%i{q}", Add<ui::Edit>()); },
         -CommonMsg::BadConstraintFormat, 0},
        {"address in three edits", ipaddress, "(NULL)",
         [this] {
             driver->BindEdits(0, "%i%i%i", Add<ui::Edit>(), {Add<ui::Edit>(), Add<ui::Edit>()});
             driver->ValuesToControls();
         },
         MvCode::NotEnoughControls, 1},
        {"memo", displaystr, "text",
         [this] {
             driver->BindControl(0, Add<ui::Memo>());
             driver->ValuesToControls();
         },
         MvCode::BadControlType, 1},
        {"number in a check box", integer, "1",
         [this] {
             driver->BindControl(0, Add<ui::CheckBox>());
             driver->ValuesToControls();
         },
         MvCode::BadPartSyntax, 1},
        {"number from a check box", integer, "1",
         [this] {
             driver->BindControl(0, Add<ui::CheckBox>());
             driver->ControlsToValues();
         },
         MvCode::BadPartSyntax, 1},
        {"bit beyond the value", octetstr, "A0",
         [this] {
             driver->BindCheckBoxes(0, "8", {Add<ui::CheckBox>()});
             driver->ValuesToControls();
         },
         MvCode::PartIndexOutOfRange, 1},
        {"port beyond the port list", bitlist, "E8",
         [this] {
             auto* ports = Add<ui::Edit>();
             driver->BindEdits(0, "%s", ports);
             ports->SetText("9");
             driver->ControlsToValues();
         },
         MvCode::BadPartValue, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver = std::make_unique<MvSNMPRequest2Edits>(form.get());
        Items({{"1.3.6.1.3.1", "Value", c.syntax, readwrite, nullptr}}, {c.value});
        EXPECT_EQ(CodeOf([&] { c.misuse(); }), c.code);
        EXPECT_EQ(driver->Bindings.size(), c.bindingsLeft);
        EXPECT_EQ(Value(0), c.value);
    }
}

TEST_F(ControlBindings, AFailedTransferKeepsWhatTheBindingsBeforeItDid)
{
    Items({{"1.3.6.1.3.1", "Name", displaystr, readwrite, nullptr}, {"1.3.6.1.3.2", "Number", integer, readwrite, nullptr}},
          {"first", "5"});
    auto* name = Add<ui::Edit>();
    driver->BindEdits(0, "%s", name);
    driver->BindControl(1, Add<ui::CheckBox>());
    EXPECT_EQ(CodeOf([&] { driver->ValuesToControls(); }), MvCode::BadPartSyntax);
    EXPECT_EQ(name->Text(), "first");
}

TEST_F(ControlBindings, UnbindingGivesTheControlsTheirOwnHandlersBack)
{
    Items({{"1.3.6.1.3.1", "State", integer, readwrite, &enabledDisabled},
           {"1.3.6.1.3.2", "Name", displaystr, readwrite, nullptr}},
          {"disabled", "name"});
    auto* combo = Add<ui::ComboBox>();
    auto* box = Add<ui::CheckBox>();
    auto* edit = Add<ui::Edit>();
    auto* name = Add<ui::Edit>();
    int boxClicks = 0;
    box->OnClick = [&](QObject*) { ++boxClicks; };
    driver->BindComboBox(0, combo);
    driver->BindControl(0, box);
    driver->BindEdits(0, "%s", edit);
    driver->BindEdits(1, "%s", name);
    driver->ValuesToControls();
    EXPECT_EQ(boxClicks, 1); // the window hears the change the transfer made

    driver->Unbind(0);
    ASSERT_EQ(driver->Bindings.size(), 1u);
    EXPECT_EQ(driver->Bindings[0].ItemIndex, 1);
    EXPECT_EQ(driver->Constraint.FindRule(edit), nullptr);
    EXPECT_NE(driver->Constraint.FindRule(name), nullptr);

    Value(0) = "enabled";
    driver->ValuesToControls();
    EXPECT_EQ(combo->Text(), "disabled");
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(edit->Text(), "disabled");

    // The box's own handler runs again without the driver in between.
    box->SetChecked(false);
    EXPECT_EQ(boxClicks, 2);
}

TEST_F(ControlBindings, ControlsAndTheListViewOutliveTheirDriver)
{
    Items({{"1.3.6.1.3.1", "State", integer, readwrite, &enabledDisabled}}, {"enabled"});
    auto* box = Add<ui::CheckBox>();
    auto* list = Add<ui::ListView>(10, 100, 300, 100);
    int boxClicks = 0;
    int selections = 0;
    box->OnClick = [&](QObject*) { ++boxClicks; };
    list->OnSelectItem = [&](QObject*, ui::ListItem*, bool) { ++selections; };
    driver->BindControl(0, box);
    driver->AttachListView(list);
    driver->AddListRow();

    driver.reset();
    box->SetChecked(true);
    list->SetItemIndex(0);
    EXPECT_EQ(boxClicks, 1);
    EXPECT_EQ(selections, 1);
}

TEST_F(ControlBindings, BitListsBindOneControlPerBit)
{
    Items({{"1.3.6.1.3.1", "Ports", bitlist, readwrite, nullptr}}, {"FFFFFFFFFFFFFFFF"});
    std::string allPorts;
    for (int k = 0; k < 64; ++k)
        allPorts += (k ? "," : "") + std::to_string(k);
    driver->BindCheckBoxes(0, allPorts, AddMany<ui::CheckBox>(10));
    driver->BindControlList(0, allPorts, AddMany<ui::CheckBox>(64));
    ASSERT_EQ(driver->Bindings.size(), 2u);
    EXPECT_EQ(driver->Bindings[0].ControlCount(), 8);
    EXPECT_EQ(driver->Bindings[1].ControlCount(), 64);
    EXPECT_EQ(driver->Bindings[1].BitIndexes[63], 63);
}

// A row list: a hidden key, a name, and a port list.
class ListRows : public BindingTest {
protected:
    void SetUp() override
    {
        BindingTest::SetUp();
        Items({{"1.3.6.1.3.1", "Key", integer, readonly | hidden, nullptr},
               {"1.3.6.1.3.2", "Name", displaystr, readwrite, nullptr},
               {"1.3.6.1.3.3", "Ports", bitlist, readwrite, nullptr}},
              {}, MVT_FMV, 1);
        list = Add<ui::ListView>(10, 10, 400, 200);
    }

    void AddRow(const std::vector<std::string>& values)
    {
        for (std::size_t i = 0; i < values.size(); ++i)
            Value(static_cast<int>(i)) = values[i];
        driver->AddListRow();
    }

    ui::ListView* list = nullptr;
};

TEST_F(ListRows, ColumnsAreRebuiltOnlyWhenTooFew)
{
    for (const char* caption : {"a", "b", "c"})
        list->AddColumn(caption, 40);
    driver->AttachListView(list);
    EXPECT_EQ(list->ColumnCount(), 3);
    EXPECT_EQ(list->ColumnCaption(0), "a");

    list->ClearColumns();
    list->AddColumn("only", 40);
    driver->BuildListColumns();
    ASSERT_EQ(list->ColumnCount(), 3);
    EXPECT_EQ(list->ColumnCaption(0), "Key");
    EXPECT_EQ(list->ColumnWidth(0), 0);
    EXPECT_EQ(list->ColumnCaption(2), "Ports");
}

TEST_F(ListRows, ASelectedRowGivesEveryItemItsOwnColumn)
{
    driver->AttachListView(list);
    auto* name = Add<ui::Edit>();
    driver->BindEdits(1, "%s", name);
    AddRow({"7", "seven", "E8"});
    AddRow({"9", "nine", "(NOTDONE)"});
    EXPECT_EQ(Cells(list), (std::vector<std::vector<std::string>>{{"7", "seven", "1-3,5[E8]"}, {"9", "nine", "(NOTDONE)"}}));

    list->SetItemIndex(0);
    EXPECT_EQ(Value(0), "7");
    EXPECT_EQ(Value(2), "E8");
    EXPECT_EQ(name->Text(), "seven");
}

TEST_F(ListRows, CollectingWithoutASelectedRowLeavesUnboundItemsEmpty)
{
    driver->AttachListView(list);
    auto* name = Add<ui::Edit>();
    driver->BindEdits(1, "%s", name);
    AddRow({"7", "seven", "E8"});
    name->SetText("typed");

    driver->CollectValues();
    EXPECT_EQ(Value(0), "");
    EXPECT_EQ(Value(1), "typed");
    EXPECT_EQ(Value(2), "");
}

} // namespace

namespace {

TEST_F(ListRows, AColumnLeftOutOfOneWriteKeepsItsPlaceInTheRows)
{
    driver->AttachListView(list);
    AddRow({"7", "seven", "E8"});
    // A window leaves the ports out of the next write: the others still come from their columns.
    Value(2).clear();
    driver->Request.VarList.Item(2).access |= invalid;
    list->SetItemIndex(0);
    driver->SelectedRowToValues();
    EXPECT_EQ(Value(0), "7");
    EXPECT_EQ(Value(1), "seven");
    driver->Request.VarList.Item(2).access &= ~invalid;
    AddRow({"9", "nine", "80"});
    EXPECT_EQ(Cells(list)[1], (std::vector<std::string>{"9", "nine", "1[80]"}));
}

} // namespace
