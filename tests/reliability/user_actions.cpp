// SPDX-License-Identifier: MIT
#include "user_actions.h"

#include <array>

namespace reliability {

namespace {

void appendUtf16(std::u16string &text, char32_t character)
{
    if (character < 0x10000) {
        text += static_cast<char16_t>(character);
    } else {
        character -= 0x10000;
        text += static_cast<char16_t>(0xD800 + (character >> 10));
        text += static_cast<char16_t>(0xDC00 + (character & 0x3FF));
    }
}

std::string hex(char32_t character)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = character > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4)
        text += digits[(character >> shift) & 0xF];
    return "U+" + text;
}

} // namespace

const char *nameOf(MenuItem item)
{
    static constexpr std::array<const char *, 7> names = {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"};
    return names[static_cast<std::size_t>(item)];
}

std::string describe(const Action &action)
{
    switch (action.kind) {
    case Action::Kind::Key:
        switch (action.key.kind) {
        case Key::Kind::Character: return "key " + hex(action.key.character);
        case Key::Kind::Control: return std::string("key Control+") + static_cast<char>(action.key.character);
        case Key::Kind::Backspace: return "key Backspace";
        case Key::Kind::Enter: return "key Enter";
        case Key::Kind::Escape: return "key Escape";
        case Key::Kind::Tab: return "key Tab";
        case Key::Kind::BackTab: return "key Shift+Tab";
        case Key::Kind::Delete: return "key Delete";
        case Key::Kind::Left: return "key Left";
        case Key::Kind::Right: return "key Right";
        case Key::Kind::Up: return "key Up";
        case Key::Kind::Down: return "key Down";
        case Key::Kind::ShiftInsert: return "key Shift+Insert";
        case Key::Kind::ControlShiftZ: return "key Control+Shift+Z";
        }
        break;
    case Action::Kind::Click:
        return "click at (" + std::to_string(action.point.x) + ", " + std::to_string(action.point.y) + ")";
    case Action::Kind::Paste:
    {
        const std::string keys = action.key.kind == Key::Kind::ShiftInsert ? "Shift+Insert" : "Control+V";
        return action.clearedClipboard ? keys + " with an empty clipboard"
                                       : keys + " of " + std::to_string(action.clipboard.size()) + " UTF-16 units";
    }
    case Action::Kind::ContextMenu:
        return std::string("menu ") + nameOf(action.item) + " in " + nameOf(action.box) + ", clipboard of "
               + std::to_string(action.clipboard.size()) + " UTF-16 units";
    case Action::Kind::Resize:
        return "resize to " + std::to_string(action.width) + " x " + std::to_string(action.height);
    case Action::Kind::MiddleClick:
        return "middle click at (" + std::to_string(action.point.x) + ", " + std::to_string(action.point.y) + ")";
    case Action::Kind::DoubleClick:
        return "double click at (" + std::to_string(action.point.x) + ", " + std::to_string(action.point.y) + ")";
    case Action::Kind::Drag:
        if (action.fromSelection)
            return std::string("drag from the selection of ") + nameOf(action.box) + " to (" + std::to_string(action.to.x)
                   + ", " + std::to_string(action.to.y) + ")";
        return "drag from (" + std::to_string(action.point.x) + ", " + std::to_string(action.point.y) + ") to ("
               + std::to_string(action.to.x) + ", " + std::to_string(action.to.y) + ")";
    case Action::Kind::HeldKey: return "key " + hex(action.key.character) + " held";
    case Action::Kind::DeadKey: return "dead key " + hex(action.deadKeysym) + " then " + hex(action.key.character);
    }
    return "?";
}

ActionSource::ActionSource(std::uint64_t seed, bool realDisplay)
    : random_(seed)
    , realDisplay_(realDisplay)
{
}

int ActionSource::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random_);
}

bool ActionSource::randomShownBox(const HiddenFlags &hidden, Control &box)
{
    std::array<Control, 3> boxes{};
    int count = 0;
    for (Control candidate : {Control::txtin, Control::txtchange, Control::txtnewletter})
        if (shown(candidate, hidden))
            boxes[count++] = candidate;
    if (count == 0)
        return false;
    box = boxes[between(0, count - 1)];
    return true;
}

Action ActionSource::next(const HiddenFlags &hidden)
{
    if (realDisplay_ && between(0, 99) < 25)
        return nextOnRealDisplay(hidden);
    Action action;
    const int roll = between(0, 99);
    if (roll < 62) {
        action.kind = Action::Kind::Key;
        action.key = randomKey();
    } else if (roll < 87) {
        action.kind = Action::Kind::Click;
        action.point = randomClickPoint();
    } else if (roll < 94) {
        action.kind = Action::Kind::Paste;
        action.key = Key{Key::Kind::Control, U'V'};
        action.clipboard = randomText();
        action.clearedClipboard = action.clipboard.empty() && between(0, 1) == 0;
    } else if (roll < 98) {
        if (!randomShownBox(hidden, action.box))
            return next(hidden);
        action.kind = Action::Kind::ContextMenu;
        action.clipboard = randomText();
    } else {
        action.kind = Action::Kind::Resize;
        action.width = between(60, 1100);
        action.height = between(60, 900);
    }
    return action;
}

Action ActionSource::nextOnRealDisplay(const HiddenFlags &hidden)
{
    Action action;
    const int roll = between(0, 99);
    if (roll < 8) {
        action.kind = Action::Kind::Paste;
        action.key.kind = Key::Kind::ShiftInsert;
        action.clipboard = randomText();
    } else if (roll < 16) {
        action.key.kind = Key::Kind::ControlShiftZ;
    } else if (roll < 26) {
        action.kind = Action::Kind::MiddleClick;
        action.point = randomClickPoint();
    } else if (roll < 38) {
        action.kind = Action::Kind::DoubleClick;
        action.point = randomClickPoint();
    } else if (roll < 56) {
        // A third from a box's selection into a box: a drag and drop. A third from where a box's
        // text begins.
        action.kind = Action::Kind::Drag;
        action.point = randomClickPoint();
        const int start = between(0, 2);
        if (Control box; start == 0 && randomShownBox(hidden, action.box) && randomShownBox(hidden, box)) {
            action.fromSelection = true;
            const Rect into = windowRectOf(box);
            action.to = Point{into.left + between(3, into.width - 4), into.top + between(3, into.height - 4)};
            return action;
        } else if (start == 1 && randomShownBox(hidden, box)) {
            action.point = Point{windowRectOf(box).left + 6, windowRectOf(box).top + 10};
        }
        action.to = randomClickPoint();
    } else if (roll < 76) {
        if (!randomShownBox(hidden, action.box))
            return nextOnRealDisplay(hidden);
        action.kind = Action::Kind::ContextMenu;
        action.item = static_cast<MenuItem>(between(0, 6));
        action.clipboard = randomText();
    } else if (roll < 84) {
        action.kind = Action::Kind::HeldKey;
        action.key.character = randomCharacter();
    } else if (roll < 94) {
        // The US international layout's dead keys: grave, acute, circumflex, tilde, diaeresis.
        static constexpr std::array<unsigned long, 5> deadKeys = {0xFE50, 0xFE51, 0xFE52, 0xFE53, 0xFE57};
        action.kind = Action::Kind::DeadKey;
        action.deadKeysym = deadKeys[between(0, 4)];
        action.key.character = between(0, 3) == 0 ? U' ' : static_cast<char32_t>(between('a', 'z') - between(0, 1) * 32);
    } else {
        action.kind = Action::Kind::Resize;
        action.width = between(60, 2000);
        action.height = between(60, 1500);
    }
    return action;
}

Key ActionSource::randomKey()
{
    const int roll = between(0, 99);
    Key key;
    if (roll < 64) {
        key.character = randomCharacter();
    } else if (roll < 70) {
        key.kind = Key::Kind::Backspace;
    } else if (roll < 74) {
        key.kind = Key::Kind::Enter;
    } else if (roll < 76) {
        key.kind = Key::Kind::Escape;
    } else if (roll < 83) {
        key.kind = Key::Kind::Control;
        key.character = static_cast<char32_t>(between(0, 5) == 0 ? between('[', '_') : between('A', 'Z'));
    } else if (roll < 88) {
        key.kind = Key::Kind::Tab;
    } else if (roll < 91) {
        key.kind = Key::Kind::BackTab;
    } else if (roll < 93) {
        key.kind = Key::Kind::Delete;
    } else {
        static constexpr std::array<Key::Kind, 4> arrows = {Key::Kind::Left, Key::Kind::Right, Key::Kind::Up, Key::Kind::Down};
        key.kind = arrows[between(0, 3)];
    }
    return key;
}

char32_t ActionSource::randomCharacter()
{
    const int roll = between(0, 99);
    if (roll < 35)
        return static_cast<char32_t>(between('a', 'z'));
    if (roll < 50)
        return static_cast<char32_t>(between('A', 'Z'));
    if (roll < 55)
        return static_cast<char32_t>(between('0', '9'));
    if (roll < 62)
        return U' ';
    if (roll < 72)
        return static_cast<char32_t>(between(0x21, 0x7E));  // punctuation, digits and letters
    if (roll < 88) {
        // The upper half of the page, read as characters: accented letters, signs, and the five
        // undefined bytes as the C1 controls they stand for.
        static constexpr std::array<char32_t, 32> upperControls = {
            U'€', 0x81, U'‚', U'ƒ', U'„', U'…', U'†', U'‡', U'ˆ', U'‰', U'Š', U'‹', U'Œ', 0x8D, U'Ž', 0x8F,
            0x90, U'‘', U'’', U'“', U'”', U'•', U'–', U'—', U'˜', U'™', U'š', U'›', U'œ', 0x9D, U'ž', U'Ÿ',
        };
        const int byte = between(0x80, 0xFF);
        return byte < 0xA0 ? upperControls[byte - 0x80] : static_cast<char32_t>(byte);
    }
    // Outside the page, mostly; all assigned, none combining, so each is a character of its own.
    switch (between(0, 4)) {
    case 0: return static_cast<char32_t>(between(0x0410, 0x044F));    // Cyrillic
    case 1: return static_cast<char32_t>(between(0x4E00, 0x9FA5));    // CJK
    case 2: return static_cast<char32_t>(between(0x1F600, 0x1F64F));  // emoji, beyond the BMP
    case 3: return static_cast<char32_t>(between(0x0100, 0x017F));    // Latin Extended-A, a few in the page
    default: return static_cast<char32_t>(between(0x03B1, 0x03C9));   // Greek
    }
}

Point ActionSource::randomClickPoint()
{
    const int roll = between(0, 99);
    if (roll < 15)
        return {between(0, kClientWidth - 1), between(0, kClientHeight - 1)};
    const Control target = roll < 30 ? Control::frmchange : kAllControls[between(0, kControlCount - 1)];
    const Rect rect = windowRectOf(target);
    if (roll < 60)
        return {rect.left + rect.width / 2, rect.top + rect.height / 2};
    return {between(rect.left, rect.left + rect.width - 1), between(rect.top, rect.top + rect.height - 1)};
}

std::u16string ActionSource::randomText()
{
    const int roll = between(0, 99);
    const int length = roll < 10 ? 0 : roll < 70 ? between(1, 20) : roll < 96 ? between(21, 2000) : between(2001, 100000);
    std::u16string text;
    text.reserve(static_cast<std::size_t>(length) + 1);
    while (static_cast<int>(text.size()) < length) {
        const int kind = between(0, 99);
        if (kind < 4)
            text += u"\r\n";
        else if (kind < 7)
            text += u'\n';
        else if (kind < 9)
            text += u'\r';
        else if (kind < 11)
            appendUtf16(text, static_cast<char32_t>(between(0, 0x1F)));  // NUL, tab and the other controls
        else
            appendUtf16(text, randomCharacter());
    }
    return text;
}

} // namespace reliability
