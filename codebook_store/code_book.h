// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace code_book {

// The substitution table: a code letter under each cleartext letter. Keys are compared without
// regard to case, so 'h' and 'H' name the same entry. Values are not checked: two letters may
// share one code letter.
class CodeBook {
public:
    // The key must be new.
    void add(std::string_view key, std::string_view value);
    // The key must be held.
    void remove(std::string_view key);
    const std::string &lookUp(std::string_view key) const;
    bool contains(std::string_view key) const;
    // Removes the entry, then adds the new value under the key.
    void replace(std::string_view key, std::string_view value);
    std::size_t size() const { return entries_.size(); }

private:
    std::map<std::string, std::string, std::less<>> entries_;  // code letters by upper-cased key
};

// One line per letter A to Z: the letter, a space, its code letter, CR LF.
std::string codeBookText(const CodeBook &book);

} // namespace code_book
