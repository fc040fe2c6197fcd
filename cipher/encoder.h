#pragma once

#include <string>

namespace app {
class frmVelloq;
}
namespace codebook {
class CodeBook;
}

namespace cipher {

// The one character that enciphers a character code: the code letter for A to Z in either case,
// the upper-cased character itself for everything else.
std::string encipher(const codebook::CodeBook &book, int keyAscii);

void txtin_KeyPress(app::frmVelloq &form, int &keyAscii);

} // namespace cipher
