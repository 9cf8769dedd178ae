#pragma once
// The main window's menu bar built from the menu rows: sub-menus, items and separators as Qt
// actions named after their component, found again by name.

#include "main/MenuTree.h"
#include "ui/Events.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

class QAction;
class QMenuBar;

class MainMenu {
public:
    // Builds the rows on the bar. A row whose parent is not a sub-menu built before it raises
    // std::logic_error, as does a name used twice.
    void Build(QMenuBar* bar, std::span<const MenuTreeRow> rows);

    // Binds every item that names a handler: the click runs what handlerFor gives for its
    // OnClick name; an item for which it gives nothing is disabled (greyed).
    void Bind(const std::function<ui::NotifyEvent(const std::string& onClick)>& handlerFor);

    // The item (for a sub-menu: its action) of that component name; nullptr when none.
    QAction* Item(std::string_view name) const;

    // Hides or shows an item; a sub-menu with everything under it. A name that is no item
    // raises std::logic_error.
    void SetVisible(std::string_view name, bool visible);

    // The item can be reached: it and every sub-menu above it are visible.
    bool Reachable(std::string_view name) const;

private:
    struct Entry {
        QAction* Action;
        const MenuTreeRow* Row;
    };
    const Entry& Find(std::string_view name) const;

    std::unordered_map<std::string, Entry> items_;
};
