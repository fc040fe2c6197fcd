// SPDX-License-Identifier: MIT
#include "reference_model.h"

#include "code_page.h"

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

} // namespace

ReferenceModel::ReferenceModel()
{
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

void ReferenceModel::contextPaste(Control box, const BoxFacts &facts, std::u16string_view clipboard)
{
    if (edit(box, Key{Key::Kind::Control, U'V'}, facts, clipboard, {}))
        changed(box);
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
    case Key::Kind::Control:
        switch (key.character) {
        case U'X':
            return selected && replaceSelection("");
        case U'V':
            if (clipboard.empty() && (multiLine || !selected))
                return false;
            return replaceSelection(multiLine ? multiLineBytes(clipboard) : singleLineBytes(clipboard));
        case U'Z':
        case U'Y': {
            if (!(key.character == U'Z' ? facts.undoAvailable : facts.redoAvailable))
                return false;
            const std::u16string shown = shownAfter();
            text = multiLine ? multiLineBytes(shown) : singleLineBytes(shown);
            return true;
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
