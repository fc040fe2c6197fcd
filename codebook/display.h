#pragma once

#include <string>

namespace app {
class frmVelloq;
}

namespace codebook {

class CodeBook;

// One line per letter A to Z: the letter, a space, its code letter, CR LF.
std::string codeBookText(const CodeBook &book);

void RefreshCodeBook(app::frmVelloq &form);

} // namespace codebook
