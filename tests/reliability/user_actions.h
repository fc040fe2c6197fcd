// SPDX-License-Identifier: MIT
#pragma once

#include "window_design.h"

#include <cstdint>
#include <random>
#include <string>

// What a user can do to the window, and a source of random actions drawn from a seed.
namespace reliability {

struct Key {
    enum class Kind { Character, Backspace, Enter, Escape, Control, Tab, BackTab, Delete, Left, Right, Up, Down };
    Kind kind = Kind::Character;
    char32_t character = 0;  // the character typed; with Control, 'A' to 'Z' or one of [ \ ] ^ _
};

struct Action {
    enum class Kind { Key, Click, Paste, ContextPaste, Resize };
    Kind kind = Kind::Key;
    Key key;                      // Key: pressed in whatever holds the focus
    Point point;                  // Click: in the window's client area
    std::u16string clipboard;     // Paste (Control+V into the focus) and ContextPaste: what is pasted
    bool clearedClipboard = false;  // Paste: an empty clipboard rather than an empty text
    Control box = Control::txtin;  // ContextPaste: the box whose menu's Paste is chosen
    int width = 0, height = 0;    // Resize
};

std::string describe(const Action &action);

class ActionSource {
public:
    explicit ActionSource(std::uint64_t seed);

    // Context pastes go only to shown boxes, as a menu can only be opened on those.
    Action next(const HiddenFlags &hidden);

private:
    int between(int low, int high);
    Key randomKey();
    char32_t randomCharacter();
    Point randomClickPoint();
    std::u16string randomText();

    std::mt19937_64 random_;
};

} // namespace reliability
