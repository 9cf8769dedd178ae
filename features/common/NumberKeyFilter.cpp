#include "features/common/NumberKeyFilter.h"

#include "ui/Beep.h"

namespace {

constexpr char Backspace = 8;

} // namespace

void NumberKeyFilter(char& key)
{
    if ((key >= '0' && key <= '9') || key == Backspace)
        return;
    key = 0;
    ui::Beep();
}
