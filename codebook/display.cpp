// SPDX-License-Identifier: MIT
#include "codebook/display.h"

#include "window/frmVelloq.h"
#include "codebook_store/code_book.h"

namespace code_book {

void RefreshCodeBook(window::frmVelloq &form)
{
    form.txtcode.setText(codeBookText(form.codebook));
}

} // namespace code_book
