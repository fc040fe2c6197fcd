#pragma once

namespace app {
class frmVelloq;
}

namespace screens {

void cmdSendMsg_Click(app::frmVelloq &form);
void cmdGoAgain_Click(app::frmVelloq &form);

} // namespace screens
