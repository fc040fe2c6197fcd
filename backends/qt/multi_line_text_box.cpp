// SPDX-License-Identifier: MIT
#include "backends/qt/multi_line_text_box.h"

#include "backends/qt/windows1252.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

namespace backends::qt {

MultiLineTextBox::MultiLineTextBox(forms::TextBox &box, QWidget *parent)
    : TextBoxWidget(box, parent)
{
    setTabChangesFocus(true);
    setReadOnly(box.properties().readOnly);
    if (isReadOnly())
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(box.properties().verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [&box] { box.userEdited(); });
}

bool MultiLineTextBox::event(QEvent *event)
{
    box().showPending();
    return QPlainTextEdit::event(event);
}

bool MultiLineTextBox::viewportEvent(QEvent *event)
{
    box().showPending();
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

void MultiLineTextBox::showText(const std::string &text, std::size_t from)
{
    if (from == 0) {
        setPlainText(toDocumentText(text));
    } else {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(toDocumentText(std::string_view(text).substr(from), text[from - 1]));
    }
}

std::string MultiLineTextBox::shownText() const
{
    return fromDocumentText(document()->toRawText());
}

} // namespace backends::qt
