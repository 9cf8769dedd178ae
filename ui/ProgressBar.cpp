#include "ui/ProgressBar.h"

#include "ui/Control.h"

#include <algorithm>

namespace ui {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(ClientOf(parent))
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    ShowIfParentVisible(this);
}

void ProgressBar::SetPosition(int position)
{
    setValue(std::clamp(position, minimum(), maximum()));
}

void ProgressBar::StepIt()
{
    int position = value() + step_;
    const int span = maximum() - minimum();
    if (position > maximum() && span > 0)
        position = (position - minimum()) % span + minimum();
    SetPosition(position);
}

} // namespace ui
