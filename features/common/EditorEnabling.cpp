#include "features/common/EditorEnabling.h"

#include "ui/Control.h"

#include <QWidget>

void EnableEditors(std::initializer_list<QWidget*> editors, bool enabled)
{
    for (QWidget* editor : editors) {
        editor->setEnabled(enabled);
        ui::SetColor(editor, enabled ? ui::clWindow : ui::clBtnFace);
    }
}
