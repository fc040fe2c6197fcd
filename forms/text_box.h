// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QInputMethodEvent;
class QKeyEvent;

namespace forms {

// What every text box, one-line or multi-line, offers the procedures.
// Its text is Windows-1252 bytes, and one place at a time holds it:
// - after a procedure sets it, the box's own bytes, which read back byte for byte (the widget
//   shows them once the procedure's event has run);
// - after the user edits the widget, the widget, until text() next reads its text back into the
//   box's bytes. Reading it back at every edit would copy the whole text on every key press.
class TextBox {
public:
    std::function<void(int &keyAscii)> KeyPress;
    std::function<void()> Change;

    // Not const: after a user edit it takes the widget's text back first.
    const std::string &text();
    // Raises Change at once when the text differs from the one held.
    void setText(std::string_view text);
    // The same as setText(text() + more), at a cost that does not grow with the text held.
    void append(std::string_view more);
    // The system's warning sound, for a key the box's procedure refused.
    void beep();

protected:
    TextBox();
    virtual ~TextBox();

    const std::string &heldText() const { return text_; }
    // Raises KeyPress and returns the key the box should go on to handle: the event itself,
    // a replacement when the procedure changed the code, or null when it set the code to 0.
    QKeyEvent *keyAfterKeyPress(QKeyEvent *event);
    // Raises KeyPress for each character an input method commits (a dead key's letter, a
    // composed one), in order, and leaves in the event what the box goes on to insert.
    void commitThroughKeyPress(QInputMethodEvent &event);
    // Called by the widget for every edit of the user's; raises Change.
    void userEdited();

    virtual void showWholeText() = 0;
    // By default the whole text is shown again.
    virtual void showAppendedFrom(std::size_t) { showWholeText(); }
    virtual std::string shownText() const = 0;

private:
    void raiseChange();

    std::string text_;
    bool widgetHoldsText_ = false;
    std::unique_ptr<QKeyEvent> replacedKey_;
};

// A text box on a Qt widget: every key, and every character an input method commits, raises
// KeyPress before the widget inserts anything.
template <class Widget>
class TextBoxControl : public Control<Widget>, public TextBox {
public:
    using Control<Widget>::Control;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (QKeyEvent *key = keyAfterKeyPress(event))
            Widget::keyPressEvent(key);
    }

    // Qt 6.4's read-only QPlainTextEdit still inserts what an input method commits (on X11, a dead
    // key and a letter), so the code book's display could be typed over.
    void inputMethodEvent(QInputMethodEvent *event) override
    {
        if (this->isReadOnly())
            return;
        commitThroughKeyPress(*event);
        Widget::inputMethodEvent(event);
    }
};

} // namespace forms
