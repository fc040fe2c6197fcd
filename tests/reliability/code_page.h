// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 as the reference model knows it, written apart from the program's own tables.
namespace reliability {

// The byte that holds a character, or nothing when the page has no place for it. The five bytes
// the page leaves undefined stand for the C1 controls of the same value.
std::optional<unsigned char> byteOf(char32_t character);
char32_t characterOf(unsigned char byte);

// The byte a character becomes when it enters a box: itself, or '?' when the page cannot hold it.
unsigned char enteredByte(char32_t character);

// Capital of a lower-case letter of the page; everything else, and letters whose capital lies
// outside the page, unchanged.
unsigned char capitalOf(unsigned char byte);

// UTF-16 text as the boxes read it back: one byte per character (a surrogate pair is one).
// In a multi-line box each CR LF, lone CR and lone LF is one line break, read back as CR LF.
std::string singleLineBytes(std::u16string_view text);
std::string multiLineBytes(std::u16string_view text);

// What a multi-line box shows for bytes, line breaks as U+2029: a CR LF, a lone CR or a lone LF
// each make one break.
std::u16string multiLineShown(std::string_view bytes);

} // namespace reliability
