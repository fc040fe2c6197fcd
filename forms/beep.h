// SPDX-License-Identifier: MIT
#pragma once

namespace forms {

// The system's warning sound, for an action that changed nothing.
void beep();

} // namespace forms
