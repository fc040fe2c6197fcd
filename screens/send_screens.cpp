// SPDX-License-Identifier: MIT
#include "screens/send_screens.h"

#include "window/frmVelloq.h"

namespace screens {

void cmdSendMsg_Click(window::frmVelloq &form)
{
    form.lblsent.show();
    form.cmdGoAgain.show();
    form.cmderase.hide();
    form.cmdre.hide();
    form.cmdSendMsg.hide();
    form.picVelloq.show();
    form.txtchange.hide();
    form.txtcode.hide();
    form.txtin.hide();
    form.txtencrypt.hide();
    form.cmdclear.hide();
    form.frmchange.hide();
    form.Frame1.hide();
}

void cmdGoAgain_Click(window::frmVelloq &form)
{
    form.lblsent.hide();
    form.cmdGoAgain.hide();
    form.cmdclear.click();
    form.cmderase.show();
    form.cmdre.show();
    form.cmdSendMsg.show();
    form.picVelloq.hide();
    form.txtchange.hide();
    form.txtcode.show();
    form.txtin.show();
    form.txtin.setText("");
    form.txtencrypt.show();
    form.cmdclear.show();
    form.frmchange.show();
    form.Frame1.show();
}

} // namespace screens
