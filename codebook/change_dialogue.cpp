// SPDX-License-Identifier: MIT
#include "codebook/change_dialogue.h"

#include "window/frmVelloq.h"
#include "codebook/display.h"
#include "codepage/windows1252.h"

namespace code_book {

void frmchange_Click(window::frmVelloq &form)
{
    form.lblcleartext.show();
    form.txtchange.show();
    form.frmchange.setBackColor(window::kDialogueOpenColor);
    form.txtchange.setFocus();
}

void txtchange_KeyPress(window::frmVelloq &form, int &keyAscii)
{
    form.changeletter = codepage::characterOf(keyAscii);
}

void txtchange_Change(window::frmVelloq &form)
{
    form.lblnewletter.show();
    form.txtnewletter.show();
    form.txtnewletter.setFocus();
}

void txtnewletter_KeyPress(window::frmVelloq &form, int &keyAscii)
{
    // Only a letter A to Z names an entry; anything else typed as the cleartext letter changes nothing.
    if (!form.codebook.contains(form.changeletter)) {
        form.txtnewletter.beep();
        return;
    }
    form.codebook.replace(form.changeletter, codepage::ansiUpper(codepage::characterOf(keyAscii)));
    RefreshCodeBook(form);
    // On the sent screen "Re-encrypt" is hidden and cannot take the focus.
    if (!form.cmdre.isHidden())
        form.cmdre.setFocus();
}

void resetChangeDialogue(window::frmVelloq &form)
{
    form.frmchange.setBackColor(window::kDialogueClosedColor);
    form.txtchange.setText("");
    form.txtnewletter.setText("");
    form.txtchange.hide();
    form.txtnewletter.hide();
    form.lblcleartext.hide();
    form.lblnewletter.hide();
}

} // namespace code_book
