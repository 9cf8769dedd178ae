// The main menu's rows against the figures of the menu's description, the menu bar built from
// them, and the binding of items to handler rows by name, ignoring letter case.
#include "main/HandlerTable.h"
#include "main/MainMenu.h"
#include "main/MenuTree.h"
#include "main/handlers/Groups.h"
#include "support/FormTest.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <set>
#include <stdexcept>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

class Tree {
public:
    Tree()
    {
        for (const MenuTreeRow& row : MenuTree())
            rows_[row.Name] = &row;
    }
    const MenuTreeRow& Row(const std::string& name) const { return *rows_.at(name); }
    const MenuTreeRow& Top(const MenuTreeRow& row) const
    {
        return *row.Parent == '\0' ? row : Top(Row(row.Parent));
    }
    bool Hidden(const MenuTreeRow& row) const
    {
        return !row.Visible || (*row.Parent != '\0' && Hidden(Row(row.Parent)));
    }
    static bool Leaf(const MenuTreeRow& row)
    {
        return !row.SubMenu && std::string_view(row.Caption) != "-" && *row.Parent != '\0';
    }

private:
    std::map<std::string, const MenuTreeRow*> rows_;
};

} // namespace

// The described menu has 880 items: 12 on the bar, 50 separators, 148 sub-menus below the bar
// and 670 leaves. Items whose caption or place no description gives are not in the rows: 18
// leaves (hidden, without handler) and 14 separators, counted per group below.
TEST(MenuTree, FiguresOfTheDescribedMenu)
{
    const Tree tree;
    int top = 0, separators = 0, subMenus = 0, leaves = 0;
    struct Figures {
        int leaves = 0, handlers = 0, hidden = 0;
        bool operator==(const Figures&) const = default;
    };
    std::map<std::string, Figures> groups;
    for (const MenuTreeRow& row : MenuTree()) {
        if (*row.Parent == '\0') {
            ++top;
            continue;
        }
        if (std::string_view(row.Caption) == "-")
            ++separators;
        else if (row.SubMenu)
            ++subMenus;
        else {
            ++leaves;
            Figures& group = groups[tree.Top(row).Caption];
            ++group.leaves;
            group.handlers += *row.OnClick != '\0';
            group.hidden += tree.Hidden(row);
        }
    }
    EXPECT_EQ(top, 12);
    EXPECT_EQ(separators, 50 - 14);
    EXPECT_EQ(subMenus, 148);
    EXPECT_EQ(leaves, 670 - 18);
    EXPECT_EQ(static_cast<int>(MenuTree().size()), 880 - 18 - 14);

    struct Group {
        const char* caption;
        Figures described;
        int unnamedLeaves; // hidden and without handler, named by no description
    };
    const Group expected[] = {
        {"System", {86, 74, 21}, 0},
        {"Management", {35, 34, 2}, 1},             // one under "SNMP v3"
        {"Layer 2 ", {199, 183, 42}, 4},            // under "Q-in-Q"
        {"Layer 3", {29, 8, 23}, 0},
        {"QoS ", {29, 26, 8}, 3},                   // one under "802.1p", "Traffic Storm Management"'s two
        {"ACL", {41, 41, 17}, 0},
        {"Security ", {107, 102, 16}, 5},           // "802.1X", "RADIUS", "Port Security", "SSH", "Safeguard Engine"
        {"Network Application", {68, 67, 1}, 0},
        {"OAM", {23, 22, 2}, 1},                    // under "CFM "
        {"Monitoring", {51, 47, 18}, 4},            // one under "Equipment Management", "History Counter"'s three
        {"Help", {2, 2, 0}, 0},
    };
    for (const Group& group : expected) {
        SCOPED_TRACE(group.caption);
        Figures built = group.described;
        built.leaves -= group.unnamedLeaves;
        built.hidden -= group.unnamedLeaves;
        // "Security " names one hidden leaf fewer than its figure: which one is not described.
        if (std::string_view(group.caption) == "Security ")
            built.hidden -= 1;
        EXPECT_EQ(groups[group.caption], built);
    }
}

TEST(MenuTree, NamesBindingsAndVisibility)
{
    const Tree tree;
    std::set<std::string> names, handlers;
    int bindings = 0;
    for (const MenuTreeRow& row : MenuTree()) {
        EXPECT_TRUE(names.insert(row.Name).second) << row.Name << " named twice";
        if (*row.OnClick != '\0') {
            ++bindings;
            handlers.insert(Lower(row.OnClick));
            EXPECT_FALSE(row.SubMenu) << row.Name;
        }
        if (Tree::Leaf(row) && *row.OnClick == '\0') {
            EXPECT_TRUE(tree.Hidden(row)) << row.Name << " has no handler and can be reached";
        }
    }
    EXPECT_EQ(bindings, 607);
    EXPECT_EQ(handlers.size(), 606u) << "only RefreshPanel1Click serves two items";

    // Names other code refers to, with their captions as the menu shows them.
    const std::pair<const char*, const char*> named[] = {
        {"Configuration1", "System"}, {"Layer2Management2", "Layer 2 "}, {"Acess1", "ACL"},
        {"SingleIP1", "Network Application"}, {"sFLOW1", "Monitoring"}, {"RefreshPanel2", "Refresh"},
        {"DDMMangement1", "DDM Mangement"}, {"IPStaticRoutingTable1", "IP Static Routing Table"},
        {"IPMulticastVLANReplication1", "IP Multicast VLAN Replication "},
        {"PrecedenceTable1", "Precedence Table\n"}, {"CFMManagement1", "CFM "},
        {"Unitinformation1", "Unit Information"}, {"ExternalAlarmTable1", "External Alarm Table"},
    };
    for (const auto& [name, caption] : named)
        EXPECT_EQ(tree.Row(name).Caption, std::string(caption)) << name;
    EXPECT_EQ(tree.Row("IPStaticRoutingTable1").OnClick, std::string("IPStaticRoutingtable1Click"));
    EXPECT_EQ(tree.Row("RemoteTable1").OnClick, std::string("RemoteTAble1Click"));
    EXPECT_EQ(tree.Row("RefreshPanel2").OnClick, std::string("RefreshPanel1Click"));
    EXPECT_TRUE(tree.Hidden(tree.Row("RefreshPanel1")));
}

TEST(HandlerTable, NamesAreFoundIgnoringLetterCase)
{
    std::set<std::string> names;
    for (std::span<const HandlerRow> group : HandlerGroups())
        for (const HandlerRow& row : group) {
            EXPECT_TRUE(names.insert(Lower(row.Name)).second) << row.Name << " has two rows";
            EXPECT_EQ(FindHandler(row.Name), &row);
        }
    const HandlerRow* info = FindHandler("information3CLICK");
    ASSERT_NE(info, nullptr);
    EXPECT_STREQ(info->Name, "Information3Click");
    EXPECT_EQ(FindHandler("Information3"), nullptr);
    EXPECT_EQ(FindHandler(""), nullptr);

    // Every row is a handler some menu item binds, or one of those no item names.
    std::set<std::string> bound;
    for (const MenuTreeRow& row : MenuTree())
        bound.insert(Lower(row.OnClick));
    for (const HandlerRow& row : WithoutItemHandlers)
        EXPECT_TRUE(names.erase(Lower(row.Name))) << row.Name;
    for (const std::string& name : names)
        EXPECT_TRUE(bound.count(name)) << name;
}

class MainMenuBar : public FormTest {};

TEST_F(MainMenuBar, BuiltFromTheRows)
{
    QMenuBar bar;
    MainMenu menu;
    menu.Build(&bar, MenuTree());
    ASSERT_EQ(bar.actions().size(), 12);
    EXPECT_EQ(bar.actions()[0]->objectName(), "Configuration1");
    EXPECT_EQ(bar.actions()[0]->text(), "System");
    EXPECT_NE(bar.actions()[0]->menu(), nullptr);
    QAction* refresh = bar.actions()[11];
    EXPECT_EQ(refresh->objectName(), "RefreshPanel2");
    EXPECT_EQ(refresh->menu(), nullptr) << "Refresh is an item on the bar itself";

    QAction* system = menu.Item("Configuration1");
    const QList<QAction*> items = system->menu()->actions();
    EXPECT_EQ(items.size(), 21);
    EXPECT_EQ(items[0]->text(), "System Information");
    EXPECT_TRUE(items[11]->isSeparator());
    EXPECT_EQ(items.back()->text(), "udptable");
    EXPECT_FALSE(items.back()->isVisible());

    // An invisible sub-menu hides what is under it; the items keep their own flag.
    EXPECT_TRUE(menu.Item("Systeminformation1")->isVisible());
    EXPECT_FALSE(menu.Reachable("Systeminformation1")) << "under the hidden PoE sub-menu";
    EXPECT_TRUE(menu.Reachable("BasicInfo1"));
    menu.SetVisible("DDMMangement1", false);
    EXPECT_FALSE(menu.Reachable("ControlTable6"));
    EXPECT_EQ(menu.Item("NoSuchItem1"), nullptr);
    EXPECT_THROW(menu.SetVisible("NoSuchItem1", false), std::logic_error);
}

TEST_F(MainMenuBar, RowsThatCannotBeBuilt)
{
    const MenuTreeRow orphan[] = {{"Nowhere1", "Item1", "Item", false, true, ""}};
    const MenuTreeRow twice[] = {{"", "Group1", "Group", true, true, ""},
                                 {"Group1", "Group1", "Again", false, true, ""}};
    QMenuBar bar;
    EXPECT_THROW(MainMenu().Build(&bar, orphan), std::logic_error);
    EXPECT_THROW(MainMenu().Build(&bar, twice), std::logic_error);
}

TEST_F(MainMenuBar, ItemsWithoutARunnableHandlerAreDisabled)
{
    QMenuBar bar;
    MainMenu menu;
    menu.Build(&bar, MenuTree());
    int clicks = 0;
    std::vector<std::string> asked;
    menu.Bind([&](const std::string& onClick) -> ui::NotifyEvent {
        asked.push_back(onClick);
        if (Lower(onClick) == "remotetable1click")
            return [&](QObject*) { ++clicks; };
        return {};
    });
    EXPECT_EQ(asked.size(), 607u);
    EXPECT_TRUE(menu.Item("RemoteTable1")->isEnabled());
    EXPECT_FALSE(menu.Item("BasicInfo1")->isEnabled());
    EXPECT_TRUE(menu.Item("Configuration1")->isEnabled()) << "sub-menus bind nothing";
    menu.Item("RemoteTable1")->trigger();
    menu.Item("BasicInfo1")->trigger();
    EXPECT_EQ(clicks, 1);
}
