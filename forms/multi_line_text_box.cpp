// SPDX-License-Identifier: MIT
#include "forms/multi_line_text_box.h"

#include "forms/events.h"
#include "forms/windows1252.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

#include <algorithm>
#include <utility>

namespace forms {

MultiLineTextBox::MultiLineTextBox(QWidget *parent)
    : TextBoxControl(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // until a box asks for one
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

// A move out of the box that starts a drag and drop starts Qt 6.4's autoscroll timer only once
// the drop has taken the button's release, and the timer goes on replaying that move with the
// button down: the selection was dragged again, swallowing every key until the next click. A move
// with the button down that the button no longer is can only be that replay.
void MultiLineTextBox::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return;
    QPlainTextEdit::mouseMoveEvent(event);
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

// What is copied, cut or dragged is the text as typed: Qt's own plain text turns no-break spaces
// into spaces, so a message moved within the box would change. A line break, Enter's paragraph
// break or Shift+Enter's line separator, leaves the box as LF.
QMimeData *MultiLineTextBox::createMimeDataFromSelection() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    auto *data = new QMimeData;
    data->setText(text);
    return data;
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
