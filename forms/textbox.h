// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QInputMethodEvent;
class QKeyEvent;

namespace forms {

// What every text box, one-line or multi-line, offers the procedures.
// The box holds its text as Windows-1252 bytes: what a procedure sets reads back byte for byte.
// Once the user edits the box, its text is read back from what the widget shows.
class TextBox {
public:
    std::function<void(int &keyAscii)> KeyPress;
    std::function<void()> Change;

    const std::string &text() const;
    // Raises Change at once when the text differs from the one held.
    void setText(std::string_view text);
    // The same as setText(text() + more), at a cost that does not grow with the text held.
    void append(std::string_view more);

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
    void userEdited();

    virtual void showWholeText() = 0;
    virtual void showAppendedFrom(std::size_t offset) = 0;
    virtual std::string shownText() const = 0;

private:
    void raiseChange();

    mutable std::string text_;
    mutable bool editedByUser_ = false;
    std::unique_ptr<QKeyEvent> replacedKey_;
};

} // namespace forms
