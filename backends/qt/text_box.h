// SPDX-License-Identifier: MIT
#pragma once

#include "backends/qt/control_widget.h"
#include "forms/text_box.h"

#include <QApplication>
#include <QKeyEvent>

#include <memory>

class QInputMethodEvent;

namespace backends::qt {

// Raises the box's KeyPress for a key and returns the key the widget should go on to handle: the
// event itself, a replacement (kept in `replacement`) when the procedure changed the code, or
// null when it set the code to 0 or the key is a command.
QKeyEvent *keyAfterKeyPress(forms::TextBox &box, QKeyEvent *event, std::unique_ptr<QKeyEvent> &replacement);
// Raises KeyPress for each character an input method commits (a dead key's letter, a composed
// one), in order, and leaves in the event what the widget goes on to insert.
void commitThroughKeyPress(forms::TextBox &box, QInputMethodEvent &event);

// A text box on a Qt widget: every key, and every character an input method commits, raises
// KeyPress before the widget inserts anything.
template <class Widget>
class TextBoxWidget : public ControlWidget<Widget, forms::TextBoxView> {
public:
    TextBoxWidget(forms::TextBox &box, QWidget *parent)
        : ControlWidget<Widget, forms::TextBoxView>(box, parent)
        , box_(box)
    {
    }

    forms::TextBox &box() const { return box_; }
    void beep() override { QApplication::beep(); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (QKeyEvent *key = keyAfterKeyPress(box_, event, replacedKey_))
            Widget::keyPressEvent(key);
    }

    // Qt 6.4's read-only QPlainTextEdit still inserts what an input method commits (on X11, a dead
    // key and a letter), so the code book's display could be typed over.
    void inputMethodEvent(QInputMethodEvent *event) override
    {
        if (this->isReadOnly())
            return;
        commitThroughKeyPress(box_, *event);
        Widget::inputMethodEvent(event);
    }

private:
    forms::TextBox &box_;
    std::unique_ptr<QKeyEvent> replacedKey_;
};

} // namespace backends::qt
