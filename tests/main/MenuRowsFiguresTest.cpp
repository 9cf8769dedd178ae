// The menu groups System, Management, Layer 3, QoS, ACL, Security and Help and the handlers no
// item binds: the leaves, bindings and hidden leaves of each group in the menu tree, and the families, generated
// windows and Add/Delete tables of their handler rows.
#include "main/HandlerTable.h"
#include "main/MenuTree.h"
#include "main/handlers/Groups.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

struct GroupFigures {
    const char* item;   // the top-level item
    int leaves;         // leaf items
    int bound;          // leaves with a handler
    int hidden;         // leaves hidden in the layout, themselves or by a sub-menu
};

const MenuTreeRow* RowNamed(const std::string& name)
{
    for (const MenuTreeRow& row : MenuTree())
        if (name == row.Name)
            return &row;
    return nullptr;
}

std::string TopOf(const MenuTreeRow* row)
{
    while (row != nullptr && *row->Parent != '\0')
        row = RowNamed(row->Parent);
    return row == nullptr ? "" : row->Name;
}

bool HiddenInLayout(const MenuTreeRow* row)
{
    for (; row != nullptr; row = *row->Parent ? RowNamed(row->Parent) : nullptr)
        if (!row->Visible)
            return true;
    return false;
}

// Management's hidden SNMP v3 leaf without a handler is named nowhere and left out.
TEST(MenuRowsFigures, GroupsOfTheMenuTree)
{
    const GroupFigures groups[] = {
        {"Configuration1", 86, 74, 21},
        {"Management2", 34, 34, 1},
        {"Layer3Management1", 29, 8, 23},
        {"Help1", 2, 2, 0},
        // QoS's hidden leaf under "802.1p" and the two of "Traffic Storm Management", and one hidden
        // leaf each under Security's "802.1X", "RADIUS", "Port Security", "SSH" and "Safeguard
        // Engine" are named nowhere and left out.
        {"QoSManagement1", 26, 26, 5},
        {"Acess1", 41, 41, 17},
        {"SecurityManagement1", 102, 102, 10},
    };
    for (const GroupFigures& group : groups) {
        SCOPED_TRACE(group.item);
        int leaves = 0, bound = 0, hidden = 0;
        for (const MenuTreeRow& row : MenuTree()) {
            if (row.SubMenu || std::string(row.Caption) == "-" || *row.Parent == '\0' || TopOf(&row) != group.item)
                continue;
            ++leaves;
            if (*row.OnClick != '\0') {
                ++bound;
                EXPECT_NE(FindHandler(row.OnClick), nullptr) << row.OnClick;
            }
            hidden += HiddenInLayout(&row);
        }
        EXPECT_EQ(leaves, group.leaves);
        EXPECT_EQ(bound, group.bound);
        EXPECT_EQ(hidden, group.hidden);
    }
}

TEST(MenuRowsFigures, FamiliesOfTheRows)
{
    // The handlers the four groups bind, and those no item binds.
    std::set<const HandlerRow*> rows;
    for (const MenuTreeRow& row : MenuTree()) {
        const std::string top = TopOf(&row);
        if (*row.OnClick != '\0' && (top == "Configuration1" || top == "Management2" || top == "Layer3Management1" || top == "Help1"))
            rows.insert(FindHandler(row.OnClick));
    }
    rows.erase(nullptr);
    std::map<std::string, int> unbound;
    for (const HandlerRow& row : WithoutItemHandlers) {
        rows.insert(&row);
        ++unbound[row.Family == HandlerFamily::GeneratedTable    ? "table"
                  : row.Family == HandlerFamily::GeneratedScalar ? "scalar"
                  : row.Family == HandlerFamily::HandMadeForm    ? "hand-made"
                  : row.Family == HandlerFamily::Empty           ? "empty"
                                                                 : "other"];
        for (const MenuTreeRow& item : MenuTree())
            EXPECT_STRCASENE(item.OnClick, row.Name) << "bound by " << item.Name;
    }
    EXPECT_EQ(unbound, (std::map<std::string, int>{{"table", 3}, {"scalar", 4}, {"hand-made", 6}, {"empty", 2}}));

    std::map<HandlerFamily, int> families;
    int modelLists = 0, addDelete = 0, createAndGo = 0;
    for (const HandlerRow* row : rows) {
        ++families[row->Family];
        modelLists += row->Family == HandlerFamily::ModelDependent && row->Layout == HandlerLayout::ListView;
        if (row->Status.Index >= 0) {
            ++addDelete;
            createAndGo += std::string(row->Status.Add) == "createAndGo" && std::string(row->Status.Delete) == "destroy";
        }
    }
    EXPECT_EQ(rows.size(), 133u);
    EXPECT_EQ(families[HandlerFamily::GeneratedTable], 42);
    EXPECT_EQ(families[HandlerFamily::GeneratedScalar], 41);
    EXPECT_EQ(families[HandlerFamily::ModelDependent], 12);
    EXPECT_EQ(modelLists, 8);
    EXPECT_EQ(families[HandlerFamily::HandMadeForm], 22);
    EXPECT_EQ(families[HandlerFamily::DdmWindow], 4);
    EXPECT_EQ(families[HandlerFamily::ExternalTool], 9);
    EXPECT_EQ(families[HandlerFamily::Help], 1);
    EXPECT_EQ(families[HandlerFamily::Empty], 2);
    EXPECT_EQ(addDelete, 14);
    EXPECT_EQ(createAndGo, 13);
    const HandlerRow* traps = FindHandler("AgentTrapManagement1Click");
    ASSERT_NE(traps, nullptr);
    EXPECT_EQ(traps->Status.Index, 4);
    EXPECT_STREQ(traps->Status.Add, "enabled");
    EXPECT_STREQ(traps->Status.Delete, "disabled");
}

TEST(MenuRowsFigures, FamiliesOfTheQosAclAndSecurityRows)
{
    const std::set<std::string> groups = {"QoSManagement1", "Acess1", "SecurityManagement1"};
    std::set<const HandlerRow*> rows;
    for (const MenuTreeRow& row : MenuTree())
        if (*row.OnClick != '\0' && groups.count(TopOf(&row)) != 0)
            rows.insert(FindHandler(row.OnClick));
    rows.erase(nullptr);
    std::map<HandlerFamily, int> families;
    int generated = 0, addDelete = 0, mainWindowOwned = 0;
    for (const HandlerRow* row : rows) {
        ++families[row->Family];
        generated += row->Family == HandlerFamily::GeneratedTable || row->Family == HandlerFamily::GeneratedScalar ||
                     row->Family == HandlerFamily::ModelDependent;
        if (row->Status.Index >= 0) {
            ++addDelete;
            EXPECT_STREQ(row->Status.Add, "createAndGo") << row->Name;
            EXPECT_STREQ(row->Status.Delete, "destroy") << row->Name;
        }
        mainWindowOwned += row->Family == HandlerFamily::HandMadeForm && row->Owner == WindowOwner::MainWindow;
    }
    EXPECT_EQ(rows.size(), 169u);
    EXPECT_EQ(families[HandlerFamily::GeneratedTable], 71);
    EXPECT_EQ(families[HandlerFamily::GeneratedScalar], 42);
    EXPECT_EQ(families[HandlerFamily::ModelDependent], 1);
    EXPECT_EQ(families[HandlerFamily::HandMadeForm], 54);
    EXPECT_EQ(families[HandlerFamily::Empty], 1);
    EXPECT_EQ(generated, 114);
    EXPECT_EQ(addDelete, 15);
    EXPECT_EQ(mainWindowOwned, 11);
    EXPECT_EQ(FindHandler("ScheduleGroupTable1Click")->Family, HandlerFamily::Empty);
    EXPECT_EQ(FindHandler("IGMPSnoopingAuthenticationTable1Click")->Family, HandlerFamily::ModelDependent);
}

} // namespace
