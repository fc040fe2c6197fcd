// SPDX-License-Identifier: MIT
#include "codebook/display.h"

#include "window/frmVelloq.h"
#include "codebook/code_book.h"
#include "forms/multi_line_text_box.h"
#include "codepage/windows1252.h"

namespace code_book {

std::string codeBookText(const CodeBook &book)
{
    std::string text;
    for (int code = 'A'; code <= 'Z'; ++code) {
        const std::string letter = codepage::characterOf(code);
        text += letter + ' ' + book.lookUp(letter) + "\r\n";
    }
    return text;
}

void RefreshCodeBook(window::frmVelloq &form)
{
    form.txtcode->setText(codeBookText(form.codebook));
}

} // namespace code_book
