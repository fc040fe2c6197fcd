// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace window {
class frmVelloq;
}
namespace code_book {
class CodeBook;
}

namespace cipher {

// The one character that enciphers a character code: the code letter for A to Z in either case,
// the upper-cased character itself for everything else.
std::string encipher(const code_book::CodeBook &book, int keyAscii);
// What typing the message key by key appends: each character enciphered in turn.
std::string encipher(const code_book::CodeBook &book, std::string_view message);

void txtin_KeyPress(window::frmVelloq &form, int &keyAscii);

} // namespace cipher
