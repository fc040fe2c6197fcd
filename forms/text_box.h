// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

#include <functional>
#include <string>
#include <string_view>

namespace forms {

// What a back-end's text box does for its box.
class TextBoxView : public ControlView {
public:
    // Shows `text`, of which everything before `from` is shown already.
    virtual void showText(const std::string &text, std::size_t from) = 0;
    // The text as the user has left it.
    virtual std::string shownText() const = 0;
    virtual void beep() = 0;

protected:
    ~TextBoxView() = default;
};

// A text box, one-line or multi-line. Its text is Windows-1252 bytes, and one place at a time
// holds it:
// - after a procedure sets it, the box's own bytes, which read back byte for byte;
// - after the user edits it, the view, until text() next reads its text back into the box's
//   bytes. Reading it back at every edit would copy the whole text on every key press.
// A multi-line box shows what procedures set once their event has run, not once per change.
class TextBox : public Control {
public:
    TextBox(Form &form, const Properties &properties);
    ~TextBox();

    std::function<void(int &keyAscii)> KeyPress;
    std::function<void()> Change;

    // After a user edit, takes the view's text back first.
    const std::string &text() const;
    // Raises Change at once when the text differs from the one held.
    void setText(std::string_view text);
    // The same as setText(text() + more), at a cost that does not grow with the text held.
    void append(std::string_view more);
    // The system's warning sound, for a key the box's procedure refused.
    void beep();

    // For the view. A key that produces a character raises KeyPress before the view inserts
    // anything; the view goes on to insert the code left (nothing for 0).
    int raiseKeyPress(int keyAscii);
    // Every edit of the user's; raises Change.
    void userEdited();
    // Shows what a procedure set and the box has not shown yet: the view asks before it handles
    // any event of its own, so that it never acts on a text older than the box's.
    void showPending();
    void attach(TextBoxView &view);

private:
    TextBoxView *textView() const { return static_cast<TextBoxView *>(view()); }
    void textChangedFrom(std::size_t offset);

    static constexpr std::size_t kNothingPending = std::string::npos;
    mutable std::string text_;
    mutable bool viewHoldsText_ = false;
    std::size_t pendingFrom_ = kNothingPending;
    bool showing_ = false;
};

} // namespace forms
