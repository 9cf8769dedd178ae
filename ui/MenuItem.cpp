#include "ui/MenuItem.h"

#include "ui/Guard.h"

#include <QAction>

namespace ui {

void SetMenuClick(QAction* item, NotifyEvent handler)
{
    QObject::disconnect(item, &QAction::triggered, item, nullptr);
    if (!handler)
        return;
    QObject::connect(item, &QAction::triggered, item, [item, handler] {
        RunGuarded([&] { Fire(handler, static_cast<QObject*>(item)); });
    });
}

} // namespace ui
