// SPDX-License-Identifier: MIT
#include "backends/qt/windows1252.h"

#include "codepage/windows1252.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>

namespace backends::qt {

namespace {

using codepage::ansiCodeOf;
using codepage::unicodeOf;

// Each code as a multi-line box shows it, CR and LF as line breaks.
const std::array<char16_t, 256> kShownInBox = [] {
    std::array<char16_t, 256> shown{};
    for (int code = 0; code < 256; ++code)
        shown[code] = unicodeOf(static_cast<unsigned char>(code));
    shown['\r'] = shown['\n'] = QChar::ParagraphSeparator;
    return shown;
}();

char32_t codePointAt(QStringView text, qsizetype &i)
{
    const QChar first = text[i];
    if (first.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(first, text[++i]);
    return first.unicode();
}

} // namespace

QString toUnicode(std::string_view ansi)
{
    QString text(static_cast<qsizetype>(ansi.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : ansi)
        *out++ = QChar(unicodeOf(static_cast<unsigned char>(byte)));
    return text;
}

std::string toAnsi(QStringView text)
{
    std::string ansi;
    ansi.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i)
        ansi += static_cast<char>(ansiCodeOf(codePointAt(text, i)));
    return ansi;
}

// Both conversions write straight into a buffer sized up front: they run over whole messages.
QString toDocumentText(std::string_view ansi, char before)
{
    QString shown(static_cast<qsizetype>(ansi.size()), Qt::Uninitialized);
    char16_t *const start = reinterpret_cast<char16_t *>(shown.data());
    char16_t *out = start;
    char previous = before;
    for (char byte : ansi) {
        *out = kShownInBox[static_cast<unsigned char>(byte)];
        out += byte != '\n' || previous != '\r';  // the LF of a CR LF adds no second break
        previous = byte;
    }
    shown.truncate(out - start);
    return shown;
}

std::string fromDocumentText(QStringView shown)
{
    const auto isBreak = [](char32_t character) {
        return character == QChar::ParagraphSeparator || character == QChar::LineSeparator;
    };
    const auto breaks = std::count_if(shown.begin(), shown.end(), [&](QChar unit) { return isBreak(unit.unicode()); });
    std::string ansi(static_cast<std::size_t>(shown.size() + breaks), '\0');
    char *out = ansi.data();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i].unicode() < 0x80) {
            *out++ = static_cast<char>(shown[i].unicode());
            continue;
        }
        const char32_t character = codePointAt(shown, i);
        if (isBreak(character)) {
            *out++ = '\r';
            *out++ = '\n';
        } else {
            *out++ = static_cast<char>(ansiCodeOf(character));
        }
    }
    ansi.resize(static_cast<std::size_t>(out - ansi.data()));
    return ansi;
}

} // namespace backends::qt
