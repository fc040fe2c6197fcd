// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

class QString;
class QStringView;

// Every crossing between the Windows-1252 bytes the procedures work in and the toolkit's Unicode
// text goes through here; a character the page cannot hold becomes '?'.
namespace backends::qt {

QString toUnicode(std::string_view ansi);
std::string toAnsi(QStringView text);

// What a multi-line box shows: each CR LF, lone CR or lone LF is one line break.
// `before` is the byte that precedes `ansi` in the box, so a CR LF split across appends breaks once.
QString toDocumentText(std::string_view ansi, char before = '\0');
// Read back from what a multi-line box shows, each line break as CR LF.
std::string fromDocumentText(QStringView shown);

} // namespace backends::qt
