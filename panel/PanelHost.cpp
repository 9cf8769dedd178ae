#include "panel/PanelHost.h"

#include <QObject>

PanelHost* PanelHostOf(QObject* owner)
{
    return dynamic_cast<PanelHost*>(owner);
}
