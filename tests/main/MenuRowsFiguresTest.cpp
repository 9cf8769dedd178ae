// The menu groups and the handlers no item binds: the leaves, bindings and hidden leaves of each
// group in the menu tree, and the families, generated windows and Add/Delete tables of their
// handler rows.
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

// Hidden leaves without a handler that are named nowhere are left out: Management's one under
// SNMP v3, Layer 2's four of Q-in-Q, OAM's one under "CFM ", Monitoring's one under "Equipment
// Management" and the three of "History Counter".
TEST(MenuRowsFigures, GroupsOfTheMenuTree)
{
    const GroupFigures groups[] = {
        {"Configuration1", 86, 74, 21},
        {"Management2", 34, 34, 1},
        {"Layer2Management2", 195, 183, 38},
        {"Layer3Management1", 29, 8, 23},
        {"SingleIP1", 68, 67, 1},
        {"OAM1", 22, 22, 1},
        {"sFLOW1", 47, 47, 14},
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

// The Layer 2 rows by family, and the rows its items bind that nothing shows.
TEST(MenuRowsFigures, Layer2Rows)
{
    std::map<HandlerFamily, int> families;
    int modelLists = 0, addDelete = 0, captionFirst = 0, hidden = 0;
    for (const MenuTreeRow& item : MenuTree()) {
        if (*item.OnClick == '\0' || TopOf(&item) != "Layer2Management2")
            continue;
        const HandlerRow* row = FindHandler(item.OnClick);
        ASSERT_NE(row, nullptr) << item.OnClick;
        ++families[row->Family];
        modelLists += row->Family == HandlerFamily::ModelDependent && row->Layout == HandlerLayout::ListView;
        addDelete += row->Status.Index >= 0 && std::string(row->Status.Add) == "createAndGo" &&
                     std::string(row->Status.Delete) == "destroy";
        captionFirst += row->CaptionFirst;
        hidden += HiddenInLayout(&item);
    }
    EXPECT_EQ(families[HandlerFamily::GeneratedTable], 110);
    EXPECT_EQ(families[HandlerFamily::GeneratedScalar], 16);
    EXPECT_EQ(families[HandlerFamily::ModelDependent], 9);
    EXPECT_EQ(modelLists, 5);
    EXPECT_EQ(families[HandlerFamily::HandMadeForm], 47);
    EXPECT_EQ(families[HandlerFamily::ExternalTool], 1);
    EXPECT_EQ(families.size(), 5u) << "no other family";
    EXPECT_EQ(addDelete, 28);
    EXPECT_EQ(captionFirst, 30);
    EXPECT_EQ(hidden, 26);
    EXPECT_EQ(Layer2Handlers.size(), 183u) << "every row is bound by an item of the group";
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

// Network Application, OAM and Monitoring: the rows their items bind (the front panel's refresh
// aside, which the top-level "Refresh" runs too).
TEST(MenuRowsFigures, NetworkApplicationOamAndMonitoringRows)
{
    std::set<const HandlerRow*> rows;
    int hiddenRows = 0;
    for (const MenuTreeRow& item : MenuTree()) {
        const std::string top = TopOf(&item);
        if (*item.OnClick == '\0' || (top != "SingleIP1" && top != "OAM1" && top != "sFLOW1"))
            continue;
        const HandlerRow* row = FindHandler(item.OnClick);
        ASSERT_NE(row, nullptr) << item.OnClick;
        if (row->Family == HandlerFamily::Refresh)
            continue;
        rows.insert(row);
        hiddenRows += HiddenInLayout(&item);
    }
    std::map<HandlerFamily, int> families;
    int modelLists = 0, generated = 0, addDelete = 0, guarded = 0, oamRequests = 0;
    for (const HandlerRow* row : rows) {
        ++families[row->Family];
        modelLists += row->Family == HandlerFamily::ModelDependent && row->Layout == HandlerLayout::ListView;
        generated += row->Family == HandlerFamily::GeneratedTable || row->Family == HandlerFamily::GeneratedScalar ||
                     row->Family == HandlerFamily::ModelDependent || row->Family == HandlerFamily::GeneratedPages;
        if (row->Status.Index >= 0) {
            ++addDelete;
            EXPECT_STREQ(row->Status.Add, "createAndGo") << row->Name;
            EXPECT_STREQ(row->Status.Delete, "destroy") << row->Name;
        }
        guarded += row->Guarded;
        oamRequests += row->NewRequest != nullptr;
    }
    EXPECT_EQ(rows.size(), 135u);
    EXPECT_EQ(families[HandlerFamily::GeneratedTable], 82);
    EXPECT_EQ(families[HandlerFamily::GeneratedScalar], 38);
    EXPECT_EQ(families[HandlerFamily::ModelDependent], 4);
    EXPECT_EQ(modelLists, 1);
    EXPECT_EQ(families[HandlerFamily::GeneratedPages], 1);
    EXPECT_EQ(families[HandlerFamily::HandMadeForm], 7);
    EXPECT_EQ(families[HandlerFamily::ExternalTool], 3);
    EXPECT_EQ(generated, 125);
    EXPECT_EQ(addDelete, 40);
    EXPECT_EQ(guarded, 27);
    EXPECT_EQ(oamRequests, 2);
    EXPECT_EQ(hiddenRows, 14);
    for (const char* name : {"OAMTable1Click", "PeerTable1Click"}) {
        const HandlerRow* row = FindHandler(name);
        ASSERT_NE(row, nullptr);
        EXPECT_NE(row->NewRequest, nullptr) << name;
    }
}

} // namespace
