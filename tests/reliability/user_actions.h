// SPDX-License-Identifier: MIT
#pragma once

#include "window_layout.h"

#include <cstdint>
#include <random>
#include <string>

// What a user can do to the window, and a source of random actions drawn from a seed.
namespace reliability {

struct Key {
    enum class Kind {
        Character, Backspace, Enter, Escape, Control, Tab, BackTab, Delete, Left, Right, Up, Down,
        ShiftInsert, ControlShiftZ,  // X11's paste and redo
    };
    Kind kind = Kind::Character;
    char32_t character = 0;  // the character typed; with Control, 'A' to 'Z' or one of [ \ ] ^ _
};

enum class MenuItem { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll };
const char *nameOf(MenuItem item);

struct Action {
    // The kinds after Resize are drawn only for a real X server.
    enum class Kind { Key, Click, Paste, ContextMenu, Resize, MiddleClick, DoubleClick, Drag, HeldKey, DeadKey };
    Kind kind = Kind::Key;
    Key key;                      // Key, Paste (its keys), HeldKey, DeadKey (the character composed with)
    Point point;                  // Click, MiddleClick, DoubleClick, Drag: in the window's client area
    Point to;                     // Drag: where the button is released
    std::u16string clipboard;     // Paste (into the focus) and ContextMenu: the clipboard's text
    bool clearedClipboard = false;  // Paste: an empty clipboard rather than an empty text
    Control box = Control::txtin;  // ContextMenu: the box whose menu is opened; Drag: see below
    bool fromSelection = false;   // Drag: from the box's selection where it has one, not from `point`
    MenuItem item = MenuItem::Paste;
    unsigned long deadKeysym = 0;  // DeadKey
    int width = 0, height = 0;    // Resize
};

std::string describe(const Action &action);

class ActionSource {
public:
    // With `realDisplay`, also what only an X server offers: PRIMARY, drags, held and dead keys.
    ActionSource(std::uint64_t seed, bool realDisplay);

    // Context menus open only on shown boxes.
    Action next(const HiddenFlags &hidden);

private:
    int between(int low, int high);
    Action nextOnRealDisplay(const HiddenFlags &hidden);
    bool randomShownBox(const HiddenFlags &hidden, Control &box);
    Key randomKey();
    char32_t randomCharacter();
    Point randomClickPoint();
    std::u16string randomText();

    std::mt19937_64 random_;
    bool realDisplay_;
};

} // namespace reliability
