// SPDX-License-Identifier: MIT
#include "forms/visibility.h"

#include "forms/events.h"

#include <QWidget>

namespace forms {

void giveUpFocusBeforeHiding(QWidget &control)
{
    QWidget *window = control.window();
    if (window->focusWidget() != &control)
        return;
    control.clearFocus();
    refocusWhenEventsEnd(*window);
}

} // namespace forms
