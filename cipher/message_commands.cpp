#include "cipher/message_commands.h"

#include "app/frmVelloq.h"
#include "cipher/encoder.h"
#include "codebook/change_dialogue.h"
#include "forms/multilinetextbox.h"
#include "forms/windows1252.h"

namespace cipher {

void cmdclear_Click(app::frmVelloq &form)
{
    form.txtencrypt->setText(" ");
    codebook::resetChangeDialogue(form);
}

void cmderase_Click(app::frmVelloq &form)
{
    form.txtin->setText("");
}

void cmdre_Click(app::frmVelloq &form)
{
    codebook::resetChangeDialogue(form);
    const std::string message = form.txtin->text();
    cmdclear_Click(form);
    for (char character : message) {
        int keyAscii = forms::codeOf(character);
        txtin_KeyPress(form, keyAscii);
    }
}

} // namespace cipher
