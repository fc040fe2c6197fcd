#pragma once

namespace app {

class frmVelloq;

// Runs once, before the window is first shown.
void Form_Load(frmVelloq &form);

} // namespace app
