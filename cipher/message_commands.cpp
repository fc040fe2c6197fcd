// SPDX-License-Identifier: MIT
#include "cipher/message_commands.h"

#include "window/frmVelloq.h"
#include "cipher/encoder.h"
#include "codebook/change_dialogue.h"

namespace cipher {

void cmdclear_Click(window::frmVelloq &form)
{
    form.txtencrypt.setText(" ");
    code_book::resetChangeDialogue(form);
}

void cmderase_Click(window::frmVelloq &form)
{
    form.txtin.setText("");
}

void cmdre_Click(window::frmVelloq &form)
{
    code_book::resetChangeDialogue(form);
    const std::string enciphered = encipher(form.codebook, form.txtin.text());
    cmdclear_Click(form);
    // The message typed again, in one append rather than one per key: the box shows it once anyway.
    form.txtencrypt.append(enciphered);
}

} // namespace cipher
