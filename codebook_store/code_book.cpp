// SPDX-License-Identifier: MIT
#include "codebook_store/code_book.h"

#include "codepage/windows1252.h"

#include <stdexcept>

namespace code_book {

void CodeBook::add(std::string_view key, std::string_view value)
{
    const auto [where, added] = entries_.try_emplace(codepage::ansiUpper(key), value);
    if (!added)
        throw std::invalid_argument("code book already holds the key");
}

void CodeBook::remove(std::string_view key)
{
    if (entries_.erase(codepage::ansiUpper(key)) == 0)
        throw std::out_of_range("code book does not hold the key");
}

const std::string &CodeBook::lookUp(std::string_view key) const
{
    const auto entry = entries_.find(codepage::ansiUpper(key));
    if (entry == entries_.end())
        throw std::out_of_range("code book does not hold the key");
    return entry->second;
}

bool CodeBook::contains(std::string_view key) const
{
    return entries_.contains(codepage::ansiUpper(key));
}

void CodeBook::replace(std::string_view key, std::string_view value)
{
    remove(key);
    add(key, value);
}

std::string codeBookText(const CodeBook &book)
{
    std::string text;
    for (int code = 'A'; code <= 'Z'; ++code) {
        const std::string letter = codepage::characterOf(code);
        text += letter + ' ' + book.lookUp(letter) + "\r\n";
    }
    return text;
}

} // namespace code_book
