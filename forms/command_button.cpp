// SPDX-License-Identifier: MIT
#include "forms/command_button.h"

#include "forms/events.h"

namespace forms {

void CommandButton::click()
{
    runEvent(Click);
}

} // namespace forms
