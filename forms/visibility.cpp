#include "forms/visibility.h"

#include <QWidget>

namespace forms {

void releaseFocusIfHidden(QWidget &control)
{
    if (control.isHidden() && control.window()->focusWidget() == &control)
        control.clearFocus();
}

} // namespace forms
