// SPDX-License-Identifier: MIT
#pragma once

namespace window {
class frmVelloq;
}

namespace app {

// The window as the program starts it: each event wired to its procedure, loaded, and the focus
// in the clear-message box. A back-end calls it once its widgets show the window, before the
// window is first shown.
void loadWindow(window::frmVelloq &form);

} // namespace app
