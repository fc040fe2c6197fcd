// SPDX-License-Identifier: MIT
#pragma once

namespace window {
class frmVelloq;
}

namespace code_book {

void RefreshCodeBook(window::frmVelloq &form);

} // namespace code_book
