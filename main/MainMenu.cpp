#include "main/MainMenu.h"

#include "ui/MenuItem.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <stdexcept>

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

void MainMenu::Build(QMenuBar* bar, std::span<const MenuTreeRow> rows)
{
    std::unordered_map<std::string, QMenu*> menus;
    for (const MenuTreeRow& row : rows) {
        QWidget* owner = bar;
        if (*row.Parent != '\0') {
            const auto parent = menus.find(row.Parent);
            if (parent == menus.end())
                throw std::logic_error(std::string("menu item ") + row.Name +
                                       " is not under a sub-menu built before it: " + row.Parent);
            owner = parent->second;
        }
        QAction* action = nullptr;
        if (row.SubMenu) {
            auto* menu = new QMenu(Text(row.Caption), owner);
            menus[row.Name] = menu;
            action = menu->menuAction();
            owner->addAction(action);
        } else if (std::string_view(row.Caption) == "-") {
            action = new QAction(owner);
            action->setSeparator(true);
            owner->addAction(action);
        } else {
            action = new QAction(Text(row.Caption), owner);
            owner->addAction(action);
        }
        action->setObjectName(Text(row.Name));
        action->setVisible(row.Visible);
        if (!items_.emplace(row.Name, Entry{action, &row}).second)
            throw std::logic_error(std::string("menu item ") + row.Name + " named twice");
    }
}

void MainMenu::Bind(const std::function<ui::NotifyEvent(const std::string& onClick)>& handlerFor)
{
    for (auto& [name, entry] : items_) {
        if (*entry.Row->OnClick == '\0')
            continue;
        ui::NotifyEvent handler = handlerFor(entry.Row->OnClick);
        entry.Action->setEnabled(static_cast<bool>(handler));
        ui::SetMenuClick(entry.Action, std::move(handler));
    }
}

QAction* MainMenu::Item(std::string_view name) const
{
    const auto found = items_.find(std::string(name));
    return found == items_.end() ? nullptr : found->second.Action;
}

const MainMenu::Entry& MainMenu::Find(std::string_view name) const
{
    const auto found = items_.find(std::string(name));
    if (found == items_.end())
        throw std::logic_error("no menu item " + std::string(name));
    return found->second;
}

void MainMenu::SetVisible(std::string_view name, bool visible)
{
    Find(name).Action->setVisible(visible);
}

bool MainMenu::Reachable(std::string_view name) const
{
    for (const Entry* entry = &Find(name);; entry = &Find(entry->Row->Parent)) {
        if (!entry->Action->isVisible())
            return false;
        if (*entry->Row->Parent == '\0')
            return true;
    }
}
