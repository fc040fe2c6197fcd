// SPDX-License-Identifier: MIT
#include "app/form_load.h"

#include "codebook/display.h"
#include "codepage/windows1252.h"
#include "window/frmVelloq.h"

namespace app {

void Form_Load(window::frmVelloq &form)
{
    for (int code = 'A'; code <= 'Z'; ++code)
        form.codebook.add(codepage::characterOf(code), codepage::characterOf(code));
    code_book::RefreshCodeBook(form);
    form.txtchange.hide();
    form.txtnewletter.hide();
    form.lblcleartext.hide();
    form.lblnewletter.hide();
}

} // namespace app
