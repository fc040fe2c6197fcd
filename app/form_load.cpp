// SPDX-License-Identifier: MIT
#include "app/form_load.h"

#include "codebook/display.h"
#include "codepage/windows1252.h"
#include "forms/label.h"
#include "forms/singlelinetextbox.h"
#include "window/frmVelloq.h"

namespace app {

void Form_Load(window::frmVelloq &form)
{
    for (int code = 'A'; code <= 'Z'; ++code)
        form.codebook.add(codepage::characterOf(code), codepage::characterOf(code));
    codebook::RefreshCodeBook(form);
    form.txtchange->hide();
    form.txtnewletter->hide();
    form.lblcleartext->hide();
    form.lblnewletter->hide();
}

} // namespace app
