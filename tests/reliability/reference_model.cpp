// SPDX-License-Identifier: MIT
#include "reference_model.h"

#include "code_page.h"

#include <algorithm>

namespace reliability {

namespace {

constexpr unsigned char kBackspace = 8;
constexpr unsigned char kCarriageReturn = 13;
constexpr unsigned char kEscape = 27;

// The code a key press hands to KeyPress, or nothing for keys that produce no character.
std::optional<unsigned char> keyAscii(const Key &key)
{
    switch (key.kind) {
    case Key::Kind::Character: {
        const unsigned char code = enteredByte(key.character);
        if (code < 32 || code == 127)
            return std::nullopt;
        return code;
    }
    case Key::Kind::Backspace: return kBackspace;
    case Key::Kind::Enter: return kCarriageReturn;
    case Key::Kind::Escape: return kEscape;
    case Key::Kind::Control: return static_cast<unsigned char>(key.character - '@');  // 'A' is 1, '_' is 31
    case Key::Kind::ControlShiftZ: return 26;
    default: return std::nullopt;
    }
}

bool isLetter(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z';
}

// Boxes insert printable characters only; the C1 controls that stand for the page's holes are not.
bool insertedWhenTyped(char32_t character)
{
    return character >= 0x20 && !(character >= 0x7F && character < 0xA0);
}

bool isEditable(Control box)
{
    return box == Control::txtin || box == Control::txtchange || box == Control::txtnewletter;
}

std::string bytesOf(Control box, std::u16string_view text)
{
    return box == Control::txtin ? multiLineBytes(text) : singleLineBytes(text);
}

// `after` is `before` with `inserted` put in at one place.
bool insertedOnce(std::string_view before, std::string_view after, std::string_view inserted)
{
    if (after.size() != before.size() + inserted.size())
        return false;
    std::size_t prefix = 0;
    while (prefix < before.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    for (std::size_t at = before.size() - suffix; at <= prefix; ++at)
        if (after.compare(at, inserted.size(), inserted) == 0)
            return true;
    return false;
}

// `after` is `before` with one stretch taken out.
bool removedOnce(std::string_view before, std::string_view after)
{
    if (after.size() > before.size())
        return false;
    std::size_t prefix = 0;
    while (prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    return before.substr(before.size() - (after.size() - prefix)) == after.substr(prefix);
}

} // namespace

ReferenceModel::ReferenceModel(bool x11KeyBindings)
    : x11KeyBindings_(x11KeyBindings)
{
    for (Control box : {Control::txtin, Control::txtchange, Control::txtnewletter})
        historyOf(box).push_back(std::hash<std::string>{}(""));
    for (int letter = 0; letter < 26; ++letter)
        state_.codeLetters[letter] = std::string(1, static_cast<char>('A' + letter));
    refreshCodeBook();
    for (Control control : {Control::lblsent, Control::cmdGoAgain, Control::picVelloq, Control::txtchange,
                            Control::txtnewletter, Control::lblcleartext, Control::lblnewletter})
        state_.hidden[indexOf(control)] = true;
    state_.focus = Control::txtin;
}

void ReferenceModel::adoptFocus(std::optional<Control> focus)
{
    state_.focus = focus;
    focusPredicted_ = true;
}

void ReferenceModel::press(const Key &key, const BoxFacts &facts, std::u16string_view clipboard,
                           const std::function<std::u16string()> &shownAfter)
{
    const std::optional<Control> target = state_.focus;
    if (key.kind == Key::Kind::Tab || key.kind == Key::Kind::BackTab) {
        if (target && shown(*target, state_.hidden))
            setFocus(nextInTabOrder(*target, key.kind == Key::Kind::Tab, state_.hidden));
        else
            focusPredicted_ = false;
        return;
    }
    if (!target)
        return;
    const std::optional<unsigned char> code = keyAscii(key);
    switch (*target) {
    case Control::txtin:
        if (code)
            txtin_KeyPress(*code);
        edit(Control::txtin, key, facts, clipboard, shownAfter);
        return;
    case Control::txtchange:
        if (code)
            txtchange_KeyPress(*code);
        if (edit(Control::txtchange, key, facts, clipboard, shownAfter))
            changed(Control::txtchange);
        return;
    case Control::txtnewletter: {
        if (code)
            txtnewletter_KeyPress(*code);
        // The box takes the key although the focus moved on; a one-line box that loses the focus
        // drops its selection first.
        BoxFacts after = facts;
        if (state_.focus != Control::txtnewletter)
            after.selectionStart = after.selectionEnd = after.caret;
        edit(Control::txtnewletter, key, after, clipboard, shownAfter);
        return;
    }
    default:
        break;
    }
    if (!isButton(*target))
        return;
    if ((key.kind == Key::Kind::Character && key.character == U' ') || key.kind == Key::Kind::Enter)
        clickButton(*target);
    else if (key.kind == Key::Kind::Left || key.kind == Key::Kind::Right || key.kind == Key::Kind::Up
             || key.kind == Key::Kind::Down)
        focusPredicted_ = false;  // the toolkit walks the buttons with the arrows
}

void ReferenceModel::click(Point point)
{
    if (point.x < 0 || point.y < 0 || point.x >= state_.width || point.y >= state_.height)
        return;
    const std::optional<Control> target = controlAt(point, state_.hidden);
    if (!target)
        return;
    if (takesFocus(*target))
        setFocus(*target);
    if (isButton(*target))
        clickButton(*target);
    else if (*target == Control::frmchange)
        frmchange_Click();
}

void ReferenceModel::menu(Control box, MenuItem item, const BoxFacts &facts, std::u16string_view clipboard,
                          const std::function<std::u16string()> &shownAfter)
{
    if (!isEditable(box))
        return;
    setFocus(box);
    switch (item) {
    case MenuItem::Undo:
        edit(box, Key{Key::Kind::Control, U'Z'}, facts, clipboard, shownAfter);
        return;
    case MenuItem::Redo: {
        BoxFacts redo = facts;
        redo.undoAvailable = redo.redoAvailable;
        edit(box, Key{Key::Kind::Control, U'Z'}, redo, clipboard, shownAfter);
        return;
    }
    case MenuItem::Cut:
    case MenuItem::Delete:
        if (edit(box, Key{Key::Kind::Control, U'X'}, facts, clipboard, shownAfter))
            changed(box);
        return;
    case MenuItem::Paste:
        // The item is disabled while the clipboard holds no text.
        if (!clipboard.empty() && edit(box, Key{Key::Kind::Control, U'V'}, facts, clipboard, shownAfter))
            changed(box);
        return;
    case MenuItem::Copy:
    case MenuItem::SelectAll:
        return;
    }
}

void ReferenceModel::held(const Key &key, const std::vector<Press> &presses)
{
    // A button takes a held key once, and keeps the focus until the key is released. On a loaded
    // machine Qt may take a repeat's release for the real one: the button is clicked, and the
    // next repeats go where its click put the focus. Either way a repeat counts in a box only.
    const bool intoBox = state_.focus && isEditable(*state_.focus);
    for (std::size_t count = 0; count < presses.size(); ++count) {
        const bool focusInBox = state_.focus && isEditable(*state_.focus);
        if (count == 0 || (focusInBox && (intoBox || presses[count].reached == state_.focus)))
            press(key, presses[count].facts, {}, {});
    }
}

void ReferenceModel::middleClick(Point point, std::u16string_view primary,
                                 const std::function<Rect(Control)> &textAreaOf,
                                 const std::function<std::u16string(Control)> &shownAfter)
{
    if (point.x >= state_.width || point.y >= state_.height)
        return;
    const std::optional<Control> target = controlAt(point, state_.hidden);
    if (!target || !takesFocus(*target))
        return;
    setFocus(*target);
    if (!isEditable(*target))
        return;
    std::string after = bytesOf(*target, shownAfter(*target));
    const std::string &before = textOf(*target);
    const bool pastes = !primary.empty() && textAreaOf(*target).contains(point);
    const bool allowed = pastes ? insertedOnce(before, after, bytesOf(*target, primary)) : after == before;
    adopt(*target, std::move(after), allowed, "middle-click paste");
}

void ReferenceModel::drag(Point from, Point to, const AllFacts &facts,
                          const std::function<std::u16string(Control)> &shownAfter)
{
    if (from.x >= state_.width || from.y >= state_.height)
        return;
    const std::optional<Control> source = controlAt(from, state_.hidden);
    if (!source)
        return;
    if (takesFocus(*source))
        setFocus(*source);
    // The press holds the pointer: a release on the control counts even where the window, made
    // smaller, no longer shows it.
    const bool releasedOnSource = windowRectOf(*source).contains(to);
    if (isButton(*source) || *source == Control::frmchange) {
        if (releasedOnSource && isButton(*source))
            clickButton(*source);
        else if (releasedOnSource)
            frmchange_Click();
        return;
    }
    // A drag from a text box selects, or moves its selection into a box that takes it.
    std::vector<Control> changedBoxes;
    std::array<std::string, kControlCount> after;
    for (Control box : {Control::txtin, Control::txtchange, Control::txtnewletter}) {
        after[indexOf(box)] = bytesOf(box, shownAfter(box));
        if (after[indexOf(box)] != textOf(box))
            changedBoxes.push_back(box);
    }
    if (changedBoxes.empty())
        return;
    const BoxFacts &selection = facts[indexOf(*source)];
    const std::string selected = !isEditable(*source) ? std::string() : textOf(*source).substr(selection.selectionStart, selection.selectionEnd - selection.selectionStart);
    std::u16string dragged;
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (!(selected[i] == '\r' && i + 1 < selected.size() && selected[i + 1] == '\n' && isEditable(*source)))
            dragged += static_cast<char16_t>(characterOf(static_cast<unsigned char>(selected[i])));
    std::string withoutSelection = textOf(*source);
    withoutSelection.erase(selection.selectionStart, selected.size());

    // From a read-only box the text is copied: the one box that changed gained a stretch.
    bool allowed = changedBoxes.size() <= (isEditable(*source) ? 2 : 1);
    for (Control box : changedBoxes) {
        const std::string &now = after[indexOf(box)];
        if (!isEditable(*source))
            allowed = allowed && removedOnce(now, textOf(box));
        else if (box == *source)
            allowed = allowed && !selected.empty()
                      && (now == withoutSelection || insertedOnce(withoutSelection, now, bytesOf(box, dragged)));
        else
            allowed = allowed && !selected.empty() && insertedOnce(textOf(box), now, bytesOf(box, dragged));
    }
    for (Control box : changedBoxes)
        adopt(box, after[indexOf(box)], allowed, "drag and drop");
    focusPredicted_ = false;
}

void ReferenceModel::committed(Control box, std::u16string_view text, const BoxFacts &facts)
{
    for (const char16_t character : text) {
        if (const std::optional<unsigned char> code = keyAscii(Key{Key::Kind::Character, character}))
            box == Control::txtchange ? txtchange_KeyPress(*code) : txtnewletter_KeyPress(*code);
    }
    BoxFacts at = facts;
    if (state_.focus != box)
        at.selectionStart = at.selectionEnd = at.caret;
    if (edit(box, Key{Key::Kind::Control, U'V'}, at, text, {}) && box == Control::txtchange)
        changed(box);
}

void ReferenceModel::composed(const BoxFacts &facts, const std::function<std::u16string()> &shownAfter)
{
    std::string after = bytesOf(Control::txtin, shownAfter());
    const std::string &before = state_.txtin;
    const std::size_t kept = before.size() - facts.selectionEnd;
    // What the input method commits replaces the selection: the composed character, the accent
    // alone, or the accent and the character when they do not compose.
    const bool allowed = after.size() >= facts.selectionStart + kept && after.size() <= facts.selectionStart + kept + 2
                         && after.compare(0, facts.selectionStart, before, 0, facts.selectionStart) == 0
                         && after.compare(after.size() - kept, kept, before, facts.selectionEnd, kept) == 0;
    const std::string committed = allowed ? after.substr(facts.selectionStart, after.size() - kept - facts.selectionStart) : "";
    // A character the layout does not compose comes as a key press, what composes as committed
    // text: KeyPress sees each character either way.
    for (char character : committed)
        txtin_KeyPress(static_cast<unsigned char>(character));
    adopt(Control::txtin, std::move(after), allowed, "dead key");
}

void ReferenceModel::resize(int width, int height)
{
    state_.width = width;
    state_.height = height;
}

void ReferenceModel::txtin_KeyPress(unsigned char code)
{
    const unsigned char letter = capitalOf(code);
    if (isLetter(letter))
        state_.txtencrypt += state_.codeLetters[letter - 'A'];
    else
        state_.txtencrypt += static_cast<char>(letter);
}

void ReferenceModel::txtchange_KeyPress(unsigned char code)
{
    state_.changeletter = std::string(1, static_cast<char>(code));
}

void ReferenceModel::txtchange_Change()
{
    show(Control::lblnewletter);
    show(Control::txtnewletter);
    setFocus(Control::txtnewletter);
}

void ReferenceModel::txtnewletter_KeyPress(unsigned char code)
{
    // Only a letter names an entry; anything else as the cleartext letter changes nothing.
    if (state_.changeletter.size() != 1)
        return;
    const unsigned char letter = capitalOf(static_cast<unsigned char>(state_.changeletter[0]));
    if (!isLetter(letter))
        return;
    state_.codeLetters[letter - 'A'] = std::string(1, static_cast<char>(capitalOf(code)));
    refreshCodeBook();
    if (!state_.hidden[indexOf(Control::cmdre)])
        setFocus(Control::cmdre);
}

void ReferenceModel::frmchange_Click()
{
    show(Control::lblcleartext);
    show(Control::txtchange);
    state_.frameColour = kDialogueOpen;
    setFocus(Control::txtchange);
}

void ReferenceModel::closeDialogue()
{
    state_.frameColour = kDialogueClosed;
    setText(Control::txtchange, "");
    setText(Control::txtnewletter, "");
    hide(Control::txtchange);
    hide(Control::txtnewletter);
    hide(Control::lblcleartext);
    hide(Control::lblnewletter);
}

void ReferenceModel::cmdclear_Click()
{
    setText(Control::txtencrypt, " ");
    closeDialogue();
}

void ReferenceModel::cmderase_Click()
{
    setText(Control::txtin, "");
}

void ReferenceModel::cmdre_Click()
{
    closeDialogue();
    const std::string message = state_.txtin;
    cmdclear_Click();
    for (char character : message)
        txtin_KeyPress(static_cast<unsigned char>(character));
}

void ReferenceModel::cmdSendMsg_Click()
{
    show(Control::lblsent);
    show(Control::cmdGoAgain);
    hide(Control::cmderase);
    hide(Control::cmdre);
    hide(Control::cmdSendMsg);
    show(Control::picVelloq);
    hide(Control::txtchange);
    hide(Control::txtcode);
    hide(Control::txtin);
    hide(Control::txtencrypt);
    hide(Control::cmdclear);
    hide(Control::frmchange);
    hide(Control::Frame1);
}

void ReferenceModel::cmdGoAgain_Click()
{
    hide(Control::lblsent);
    hide(Control::cmdGoAgain);
    cmdclear_Click();
    show(Control::cmderase);
    show(Control::cmdre);
    show(Control::cmdSendMsg);
    hide(Control::picVelloq);
    hide(Control::txtchange);
    show(Control::txtcode);
    show(Control::txtin);
    setText(Control::txtin, "");
    show(Control::txtencrypt);
    show(Control::cmdclear);
    show(Control::frmchange);
    show(Control::Frame1);
}

void ReferenceModel::refreshCodeBook()
{
    std::string display;
    for (int letter = 0; letter < 26; ++letter)
        display += std::string(1, static_cast<char>('A' + letter)) + ' ' + state_.codeLetters[letter] + "\r\n";
    setText(Control::txtcode, display);
}

void ReferenceModel::clickButton(Control button)
{
    switch (button) {
    case Control::cmderase: cmderase_Click(); break;
    case Control::cmdre: cmdre_Click(); break;
    case Control::cmdclear: cmdclear_Click(); break;
    case Control::cmdSendMsg: cmdSendMsg_Click(); break;
    case Control::cmdGoAgain: cmdGoAgain_Click(); break;
    default: break;
    }
}

void ReferenceModel::show(Control control)
{
    state_.hidden[indexOf(control)] = false;
}

void ReferenceModel::hide(Control control)
{
    state_.hidden[indexOf(control)] = true;
    if (state_.focus == control)
        focusPredicted_ = false;
}

void ReferenceModel::setFocus(Control control)
{
    state_.focus = control;
    focusPredicted_ = true;
}

void ReferenceModel::setText(Control box, const std::string &text)
{
    std::string &held = textOf(box);
    if (held == text)
        return;
    held = text;
    if (isEditable(box))
        historyOf(box) = {std::hash<std::string>{}(text)};
    changed(box);
}

std::vector<std::size_t> &ReferenceModel::historyOf(Control box)
{
    return history_[box == Control::txtin ? 0 : box == Control::txtchange ? 1 : 2];
}

void ReferenceModel::adopt(Control box, std::string text, bool allowed, const std::string &what)
{
    std::vector<std::size_t> &history = historyOf(box);
    const std::size_t hash = std::hash<std::string>{}(text);
    const bool undoing = what == "undo" || what == "redo";
    if (undoing)
        allowed = std::find(history.begin(), history.end(), hash) != history.end();
    if (!allowed)
        problems_.push_back(std::string(nameOf(box)) + ": " + what + " left a text (" + std::to_string(text.size())
                            + " bytes) that no edit could have brought");
    if (text == textOf(box))
        return;
    textOf(box) = std::move(text);
    if (!undoing)
        history.push_back(hash);
    changed(box);
}

std::string &ReferenceModel::textOf(Control box)
{
    switch (box) {
    case Control::txtin: return state_.txtin;
    case Control::txtcode: return state_.txtcode;
    case Control::txtencrypt: return state_.txtencrypt;
    case Control::txtchange: return state_.txtchange;
    default: return state_.txtnewletter;
    }
}

bool ReferenceModel::edit(Control box, const Key &key, const BoxFacts &facts, std::u16string_view clipboard,
                          const std::function<std::u16string()> &shownAfter)
{
    const bool edited = editText(box, key, facts, clipboard, shownAfter);
    if (edited)
        historyOf(box).push_back(std::hash<std::string>{}(textOf(box)));
    return edited;
}

bool ReferenceModel::editText(Control box, const Key &key, const BoxFacts &facts, std::u16string_view clipboard,
                              const std::function<std::u16string()> &shownAfter)
{
    const bool multiLine = box == Control::txtin;
    std::string &text = textOf(box);
    const std::size_t caret = facts.caret;
    const bool selected = facts.selectionEnd != facts.selectionStart;
    const auto replaceSelection = [&](std::string_view with) {
        text.replace(facts.selectionStart, facts.selectionEnd - facts.selectionStart, with);
        return true;
    };
    // A multi-line box holds each line break as CR LF and deletes it as one character.
    const auto lineBreakAt = [&](std::size_t at) { return multiLine && text.compare(at, 2, "\r\n") == 0; };

    switch (key.kind) {
    case Key::Kind::Character:
        if (!insertedWhenTyped(key.character))
            return false;
        return replaceSelection(std::string(1, static_cast<char>(enteredByte(key.character))));
    case Key::Kind::Enter:
        return multiLine && replaceSelection("\r\n");
    case Key::Kind::Backspace:
        if (selected)
            return replaceSelection("");
        if (caret == 0)
            return false;
        if (caret >= 2 && lineBreakAt(caret - 2))
            text.erase(caret - 2, 2);
        else
            text.erase(caret - 1, 1);
        return true;
    case Key::Kind::Delete:
        if (selected)
            return replaceSelection("");
        if (caret >= text.size())
            return false;
        text.erase(caret, lineBreakAt(caret) ? 2 : 1);
        return true;
    case Key::Kind::ShiftInsert:
        return editText(box, Key{Key::Kind::Control, U'V'}, facts, clipboard, shownAfter);
    case Key::Kind::ControlShiftZ:
        if (!x11KeyBindings_ || !facts.redoAvailable)
            return false;
        adopt(box, bytesOf(box, shownAfter()), true, "redo");
        return false;
    case Key::Kind::Control:
        switch (key.character) {
        case U'X':
            return selected && replaceSelection("");
        case U'V':
            if (clipboard.empty() && (multiLine || !selected))
                return false;
            return replaceSelection(bytesOf(box, clipboard));
        case U'Z':
        case U'Y':
            if (!(key.character == U'Z' ? facts.undoAvailable : facts.redoAvailable))
                return false;
            adopt(box, bytesOf(box, shownAfter()), true, key.character == U'Z' ? "undo" : "redo");
            return false;
        case U'D':
        case U'K':
        case U'U': {
            // X11's deletions of a character, to the end of the line, and of the whole line.
            if (!x11KeyBindings_)
                return false;
            std::string after = bytesOf(box, shownAfter());
            const bool allowed = removedOnce(text, after);
            adopt(box, std::move(after), allowed, "Control+" + std::string(1, static_cast<char>(key.character)));
            return false;
        }
        default:
            return false;
        }
    default:
        return false;
    }
}

void ReferenceModel::changed(Control box)
{
    if (box == Control::txtchange)
        txtchange_Change();
}

} // namespace reliability
