// SPDX-License-Identifier: MIT
#include "floor_window.h"

#include "bare_box.h"
#include "window_driver.h"

namespace bench {

FloorWindow::FloorWindow(const backends::qt::MainWindow &form)
    : clearBox(testing::bareTwinOf(*testing::widget<QPlainTextEdit>(form.txtin), this))
    , codeBox(testing::bareTwinOf(*testing::widget<QPlainTextEdit>(form.txtcode), this))
    , encryptedBox(testing::bareTwinOf(*testing::widget<QPlainTextEdit>(form.txtencrypt), this))
{
    resize(form.size());
}

} // namespace bench
