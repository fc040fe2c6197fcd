// SPDX-License-Identifier: MIT
#pragma once

namespace window {
class frmVelloq;
}

namespace screens {

void cmdSendMsg_Click(window::frmVelloq &form);
void cmdGoAgain_Click(window::frmVelloq &form);

} // namespace screens
