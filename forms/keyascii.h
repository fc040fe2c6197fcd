#pragma once

#include <optional>

class QKeyEvent;

namespace forms {

// The Windows-1252 code a key press produces, or nothing for keys that produce no character
// (Tab, which only moves the focus, Delete, the arrows, bare modifiers).
// Control characters come from the key and its modifiers: the text an X server attaches to them
// and the text a test event carries disagree.
std::optional<int> keyAsciiOf(const QKeyEvent &event);

} // namespace forms
