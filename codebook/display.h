// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace window {
class frmVelloq;
}

namespace code_book {

class CodeBook;

// One line per letter A to Z: the letter, a space, its code letter, CR LF.
std::string codeBookText(const CodeBook &book);

void RefreshCodeBook(window::frmVelloq &form);

} // namespace code_book
