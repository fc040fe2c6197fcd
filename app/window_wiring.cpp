// SPDX-License-Identifier: MIT
#include "app/window_wiring.h"

#include "app/form_load.h"
#include "cipher/encoder.h"
#include "cipher/message_commands.h"
#include "codebook/change_dialogue.h"
#include "screens/send_screens.h"
#include "window/frmVelloq.h"

namespace app {

namespace {

void wireEvents(window::frmVelloq &form)
{
    window::frmVelloq *const f = &form;
    form.txtin.KeyPress = [f](int &keyAscii) { cipher::txtin_KeyPress(*f, keyAscii); };
    form.cmderase.Click = [f] { cipher::cmderase_Click(*f); };
    form.cmdre.Click = [f] { cipher::cmdre_Click(*f); };
    form.cmdclear.Click = [f] { cipher::cmdclear_Click(*f); };
    form.frmchange.Click = [f] { code_book::frmchange_Click(*f); };
    form.txtchange.KeyPress = [f](int &keyAscii) { code_book::txtchange_KeyPress(*f, keyAscii); };
    form.txtchange.Change = [f] { code_book::txtchange_Change(*f); };
    form.txtnewletter.KeyPress = [f](int &keyAscii) { code_book::txtnewletter_KeyPress(*f, keyAscii); };
    form.cmdSendMsg.Click = [f] { screens::cmdSendMsg_Click(*f); };
    form.cmdGoAgain.Click = [f] { screens::cmdGoAgain_Click(*f); };
}

} // namespace

void loadWindow(window::frmVelloq &form)
{
    wireEvents(form);
    Form_Load(form);
    form.txtin.setFocus();
}

} // namespace app
