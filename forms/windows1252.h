#pragma once

#include <string>
#include <string_view>

class QString;
class QStringView;

// The procedures see text as strings of Windows-1252 bytes and key presses as their codes.
// Every crossing between those bytes and the toolkit's Unicode text goes through here.
namespace forms {

// One-character string of a code, and the code of a character (the classic Chr and Asc).
std::string characterOf(int code);
int codeOf(char character);

char16_t unicodeOf(unsigned char code);
// A character the code page cannot hold becomes '?' (63), as the platform's own conversion does.
int ansiCodeOf(char32_t character);

QString toUnicode(std::string_view ansi);
std::string toAnsi(QStringView text);

// What a multi-line box shows: each CR LF, lone CR or lone LF is one line break.
// `before` is the byte that precedes `ansi` in the box, so a CR LF split across appends breaks once.
QString toDocumentText(std::string_view ansi, char before = '\0');
// Read back from what a multi-line box shows, each line break as CR LF.
std::string fromDocumentText(QStringView shown);

// Upper-casing by the code page's rules; a letter whose capital lies outside it stays as it is.
unsigned char ansiUpper(unsigned char code);
std::string ansiUpper(std::string_view text);

} // namespace forms
