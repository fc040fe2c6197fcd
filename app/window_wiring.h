// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace window {
class frmVelloq;
}

namespace app {

// The window as the program starts it: described, each event wired to its procedure, loaded,
// and the focus in the clear-message box.
std::unique_ptr<window::frmVelloq> createWindow();

} // namespace app
