// SPDX-License-Identifier: MIT
#include "backends/qt/key_ascii.h"

#include "codepage/windows1252.h"

#include <QKeyEvent>

namespace backends::qt {

namespace {

constexpr int kBackspace = 8;
constexpr int kLineFeed = 10;
constexpr int kCarriageReturn = 13;
constexpr int kEscape = 27;
constexpr int kDelete = 127;

std::optional<int> controlCodeOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_BracketLeft: return 27;
    case Qt::Key_Backslash: return 28;
    case Qt::Key_BracketRight: return 29;
    case Qt::Key_AsciiCircum: return 30;
    case Qt::Key_Underscore: return 31;
    default: return std::nullopt;
    }
}

} // namespace

std::optional<int> keyAsciiOf(const QKeyEvent &event)
{
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    const bool alt = event.modifiers().testFlag(Qt::AltModifier);  // Control+Alt is AltGr
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return std::nullopt;
    case Qt::Key_Backspace:
        return control ? kDelete : kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? kLineFeed : kCarriageReturn;
    case Qt::Key_Escape:
        return kEscape;
    default:
        break;
    }
    if (control && !alt)
        return controlCodeOf(event.key());

    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return keyAsciiOf(text.toUcs4().front());
}

std::optional<int> keyAsciiOf(char32_t character)
{
    const int code = codepage::ansiCodeOf(character);
    if (code < 32 || code == kDelete)  // Delete and the like: no character, whatever text came
        return std::nullopt;
    return code;
}

bool isCommand(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)
           && event.key() != Qt::Key_Alt;
}

} // namespace backends::qt
