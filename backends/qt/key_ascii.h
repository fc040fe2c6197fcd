// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

class QKeyEvent;

namespace backends::qt {

// The Windows-1252 code a key press produces, or nothing for keys that produce no character
// (Tab, which only moves the focus, Delete, the arrows, bare modifiers).
// Control characters come from the key and its modifiers: the text an X server attaches to them
// and the text a test event carries disagree.
std::optional<int> keyAsciiOf(const QKeyEvent &event);

// The code a typed character produces, or nothing for the control characters, which only keys
// produce.
std::optional<int> keyAsciiOf(char32_t character);

// Alt with a key is a command on every desktop, never text (Control+Alt is AltGr on some).
bool isCommand(const QKeyEvent &event);

} // namespace backends::qt
