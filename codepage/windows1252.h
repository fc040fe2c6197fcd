// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The procedures see text as strings of Windows-1252 bytes and key presses as their codes. These
// are the page's own rules on those bytes; the crossing to the toolkit's text is in forms/.
namespace codepage {

// One-character string of a code, and the code of a character (the classic Chr and Asc).
std::string characterOf(int code);
int codeOf(char character);

char16_t unicodeOf(unsigned char code);
// A character the code page cannot hold becomes '?' (63), as the platform's own conversion does.
int ansiCodeOf(char32_t character);

// Upper-casing by the code page's rules; a letter whose capital lies outside it stays as it is.
unsigned char ansiUpper(unsigned char code);
std::string ansiUpper(std::string_view text);

} // namespace codepage
