// SPDX-License-Identifier: MIT
#pragma once

#include "user_actions.h"
#include "window_layout.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// A small model of what the window should do, written for the tests alone: plain C++, no widgets,
// nothing taken from the program. It predicts everything the window's design fixes and takes from
// the toolkit only what the design leaves to it.
namespace reliability {

constexpr std::uint32_t kDialogueClosed = 0xFFC0FF;  // light pink
constexpr std::uint32_t kDialogueOpen = 0xFFFFFF;    // white

// What is compared with the window after every action.
struct WindowState {
    std::array<std::string, 26> codeLetters;  // under A to Z
    std::string txtcode, txtencrypt, txtin, txtchange, txtnewletter;
    HiddenFlags hidden{};
    std::uint32_t frameColour = kDialogueClosed;
    std::string changeletter;
    std::optional<Control> focus;  // nothing: no control holds the focus
    int width = kClientWidth;
    int height = kClientHeight;
};

// What the toolkit decides inside an editable box: the caret, the selection, its undo history.
// Read from the window before each action; offsets in bytes of the box's text.
struct BoxFacts {
    std::size_t selectionStart = 0;  // with nothing selected, both are the caret
    std::size_t selectionEnd = 0;
    std::size_t caret = 0;
    bool undoAvailable = false;
    bool redoAvailable = false;
};

// The facts of every box, by indexOf(box), read before an action that may reach any of them.
using AllFacts = std::array<BoxFacts, kControlCount>;


class ReferenceModel {
public:
    // X11's key bindings add Control+Shift+Z (redo) and Control+D, K and U (deletions).
    explicit ReferenceModel(bool x11KeyBindings = false);

    const WindowState &expected() const { return state_; }
    // Where the toolkit decided a box's text, what it did that no user action could have brought.
    std::vector<std::string> takeProblems() { return std::exchange(problems_, {}); }

    // False after a step that leaves the focus to the toolkit (hiding the control that holds it, Tab
    // with no control focused, an arrow key on a button); the window's focus is then adopted.
    bool focusPredicted() const { return focusPredicted_; }
    void adoptFocus(std::optional<Control> focus);

    // A key pressed where the focus is. `clipboard` is what Control+V would paste; `shownAfter` gives
    // the box's text as shown after an undo or redo, which only the toolkit's history knows.
    void press(const Key &key, const BoxFacts &facts, std::u16string_view clipboard,
               const std::function<std::u16string()> &shownAfter);
    void click(Point point);
    // An item of a box's context menu; `shownAfter` as for press.
    void menu(Control box, MenuItem item, const BoxFacts &facts, std::u16string_view clipboard,
              const std::function<std::u16string()> &shownAfter);
    // A key held down: pressed, then repeated by the server, each press where the focus is by then,
    // with the control it reached and the facts of that box as the press reached it.
    struct Press {
        std::optional<Control> reached;
        BoxFacts facts;
    };
    void held(const Key &key, const std::vector<Press> &presses);
    // Pastes PRIMARY where the toolkit puts the caret, if the click reaches the box's text area;
    // `shownAfter` gives each box's text afterwards.
    void middleClick(Point point, std::u16string_view primary, const std::function<Rect(Control)> &textAreaOf,
                     const std::function<std::u16string(Control)> &shownAfter);
    // Selects text, or drags the selection and drops it where the toolkit decides.
    void drag(Point from, Point to, const AllFacts &facts, const std::function<std::u16string(Control)> &shownAfter);
    // A dead key, then a character, typed into txtin.
    void composed(const BoxFacts &facts, const std::function<std::u16string()> &shownAfter);
    // What an input method commits into a one-letter box at once (a composed letter, or a letter
    // and an accent that do not compose): KeyPress for each character, then one insertion.
    void committed(Control box, std::u16string_view text, const BoxFacts &facts);
    void resize(int width, int height);

private:
    // The program's procedures, step by step.
    void txtin_KeyPress(unsigned char code);
    void txtchange_KeyPress(unsigned char code);
    void txtchange_Change();
    void txtnewletter_KeyPress(unsigned char code);
    void frmchange_Click();
    void cmdclear_Click();
    void cmderase_Click();
    void cmdre_Click();
    void cmdSendMsg_Click();
    void cmdGoAgain_Click();
    void closeDialogue();
    void refreshCodeBook();
    void clickButton(Control button);

    // What the window layer does for them.
    void show(Control control);
    void hide(Control control);
    void setFocus(Control control);
    void setText(Control box, const std::string &text);
    std::string &textOf(Control box);
    // The box's own handling of a key; true when it edited the text, which raises Change.
    bool edit(Control box, const Key &key, const BoxFacts &facts, std::u16string_view clipboard,
              const std::function<std::u16string()> &shownAfter);
    bool editText(Control box, const Key &key, const BoxFacts &facts, std::u16string_view clipboard,
                  const std::function<std::u16string()> &shownAfter);
    void changed(Control box);
    // Takes the text the toolkit gave a box when `allowed`, and reports it otherwise.
    void adopt(Control box, std::string text, bool allowed, const std::string &what);
    std::vector<std::size_t> &historyOf(Control box);

    WindowState state_;
    bool focusPredicted_ = true;
    bool x11KeyBindings_;
    // Hashes of every text each editable box held since a procedure last set it: all that undo and
    // redo may bring back.
    std::array<std::vector<std::size_t>, 3> history_;
    std::vector<std::string> problems_;
};

} // namespace reliability
