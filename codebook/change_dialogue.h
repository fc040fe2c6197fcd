#pragma once

#include <cstdint>

namespace app {
class frmVelloq;
}

namespace codebook {

constexpr std::uint32_t kDialogueClosedColor = 0xFFC0FF;  // light pink
constexpr std::uint32_t kDialogueOpenColor = 0xFFFFFF;    // white

void frmchange_Click(app::frmVelloq &form);
void txtchange_KeyPress(app::frmVelloq &form, int &keyAscii);
void txtchange_Change(app::frmVelloq &form);
void txtnewletter_KeyPress(app::frmVelloq &form, int &keyAscii);

// Closes the dialogue: frame light pink, both boxes emptied, boxes and labels hidden.
void resetChangeDialogue(app::frmVelloq &form);

} // namespace codebook
