// SPDX-License-Identifier: MIT
#pragma once

namespace window {
class frmVelloq;
}

namespace app {

// Runs once, before the window is first shown.
void Form_Load(window::frmVelloq &form);

} // namespace app
