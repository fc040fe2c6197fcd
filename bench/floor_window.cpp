// SPDX-License-Identifier: MIT
#include "floor_window.h"

#include "window/frmVelloq.h"
#include "bare_box.h"
#include "forms/multi_line_text_box.h"

namespace bench {

FloorWindow::FloorWindow(const window::frmVelloq &form)
    : clearBox(testing::bareTwinOf(*form.txtin, this))
    , codeBox(testing::bareTwinOf(*form.txtcode, this))
    , encryptedBox(testing::bareTwinOf(*form.txtencrypt, this))
{
    resize(form.size());
}

} // namespace bench
