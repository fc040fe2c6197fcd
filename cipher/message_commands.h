#pragma once

namespace app {
class frmVelloq;
}

namespace cipher {

void cmdclear_Click(app::frmVelloq &form);
void cmderase_Click(app::frmVelloq &form);
void cmdre_Click(app::frmVelloq &form);

} // namespace cipher
