#pragma once
// The main menu as data: one row per item of MainMenu1, in menu order, a sub-menu before its
// items. The main window builds its menu bar from these rows (main/MainMenu.h).

#include <span>

struct MenuTreeRow {
    const char* Parent;   // the item's sub-menu; "" for an item on the menu bar
    const char* Name;     // the item's component name, unique in the menu
    const char* Caption;  // exactly as the menu shows it; "-" makes a separator
    bool SubMenu;         // a sub-menu (its items follow it); else an item or a separator
    bool Visible;         // as laid out; an invisible sub-menu hides everything under it
    const char* OnClick;  // the handler name as the layout spells it; "" for none
};

std::span<const MenuTreeRow> MenuTree();
