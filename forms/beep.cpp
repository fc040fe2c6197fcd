// SPDX-License-Identifier: MIT
#include "forms/beep.h"

#include <QApplication>

namespace forms {

void beep()
{
    QApplication::beep();
}

} // namespace forms
