// SPDX-License-Identifier: MIT
#include "forms/multi_line_text_box.h"

#include "forms/events.h"
#include "forms/windows1252.h"

#include <QMimeData>
#include <QTextCursor>

#include <algorithm>
#include <utility>

namespace forms {

MultiLineTextBox::MultiLineTextBox(QWidget *parent)
    : TextBoxControl(parent)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            userEdited();
    });
}

bool MultiLineTextBox::event(QEvent *event)
{
    showPending();
    if (event->type() == catchUpEvent()) {
        catchUpScheduled_ = false;
        return true;
    }
    return QPlainTextEdit::event(event);
}

bool MultiLineTextBox::viewportEvent(QEvent *event)
{
    showPending();
    return QPlainTextEdit::viewportEvent(event);
}

// Qt 6.4.0 to 6.4.2 read the first format of what is pasted without checking that there is one,
// and on X11 a clipboard or PRIMARY selection with no owner offers none, so a paste at the start
// of a session crashed in QWidgetTextControl::insertFromMimeData (QTBUG-110070, fixed in Qt 6.4.3).
// Every paste, drop and middle click comes through here: one with nothing to offer inserts nothing.
void MultiLineTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}

void MultiLineTextBox::showWholeText()
{
    catchUp(0);
}

void MultiLineTextBox::showAppendedFrom(std::size_t offset)
{
    catchUp(offset);
}

std::string MultiLineTextBox::shownText() const
{
    return fromDocumentText(document()->toRawText());
}

void MultiLineTextBox::catchUp(std::size_t offset)
{
    pendingFrom_ = std::min(pendingFrom_, offset);
    if (!catchUpScheduled_) {
        catchUpScheduled_ = true;
        scheduleCatchUp(*this);
    }
}

void MultiLineTextBox::showPending()
{
    if (pendingFrom_ == kNothingPending || showing_)
        return;
    const std::size_t from = std::exchange(pendingFrom_, kNothingPending);
    const std::string &text = heldText();
    showing_ = true;
    if (from == 0) {
        setPlainText(toDocumentText(text));
    } else {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(toDocumentText(std::string_view(text).substr(from), text[from - 1]));
    }
    showing_ = false;
}

} // namespace forms
