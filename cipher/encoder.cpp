// SPDX-License-Identifier: MIT
#include "cipher/encoder.h"

#include "window/frmVelloq.h"
#include "codebook_store/code_book.h"
#include "codepage/windows1252.h"

#include <algorithm>
#include <array>

namespace cipher {

std::string encipher(const code_book::CodeBook &book, int keyAscii)
{
    const char upper = static_cast<char>(codepage::ansiUpper(static_cast<unsigned char>(keyAscii)));
    if (upper >= 'A' && upper <= 'Z')
        return book.lookUp(std::string_view(&upper, 1));
    return std::string(1, upper);
}

std::string encipher(const code_book::CodeBook &book, std::string_view message)
{
    std::array<std::string, 256> codeFor;
    bool oneByteEach = true;
    for (int code = 0; code < 256; ++code) {
        codeFor[code] = encipher(book, code);
        oneByteEach = oneByteEach && codeFor[code].size() == 1;
    }
    std::string text;
    if (oneByteEach) {  // as the change dialogue always leaves the book: a table of bytes will do
        std::array<char, 256> byteFor;
        for (int code = 0; code < 256; ++code)
            byteFor[code] = codeFor[code].front();
        text.resize(message.size());
        std::transform(message.begin(), message.end(), text.begin(),
                       [&](char character) { return byteFor[static_cast<unsigned char>(character)]; });
    } else {
        for (char character : message)
            text += codeFor[static_cast<unsigned char>(character)];
    }
    return text;
}

void txtin_KeyPress(window::frmVelloq &form, int &keyAscii)
{
    form.txtencrypt.append(encipher(form.codebook, keyAscii));
}

} // namespace cipher
