// SPDX-License-Identifier: MIT
#pragma once

namespace window {
class frmVelloq;
}

namespace code_book {

void frmchange_Click(window::frmVelloq &form);
void txtchange_KeyPress(window::frmVelloq &form, int &keyAscii);
void txtchange_Change(window::frmVelloq &form);
void txtnewletter_KeyPress(window::frmVelloq &form, int &keyAscii);

// Closes the dialogue: frame light pink, both boxes emptied, boxes and labels hidden.
void resetChangeDialogue(window::frmVelloq &form);

} // namespace code_book
