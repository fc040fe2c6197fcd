// SPDX-License-Identifier: MIT
#pragma once

namespace window {
class frmVelloq;
}

namespace cipher {

void cmdclear_Click(window::frmVelloq &form);
void cmderase_Click(window::frmVelloq &form);
void cmdre_Click(window::frmVelloq &form);

} // namespace cipher
