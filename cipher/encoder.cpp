#include "cipher/encoder.h"

#include "app/frmVelloq.h"
#include "codebook/codebook.h"
#include "forms/multilinetextbox.h"
#include "forms/windows1252.h"

namespace cipher {

std::string encipher(const codebook::CodeBook &book, int keyAscii)
{
    const std::string letter = forms::ansiUpper(forms::characterOf(keyAscii));
    const int code = forms::codeOf(letter.front());
    if (code >= 'A' && code <= 'Z')
        return book.lookUp(letter);
    return letter;
}

void txtin_KeyPress(app::frmVelloq &form, int &keyAscii)
{
    form.txtencrypt->append(encipher(form.codebook, keyAscii));
}

} // namespace cipher
