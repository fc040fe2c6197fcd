// SPDX-License-Identifier: MIT
#include "backends/qt/command_button.h"

#include "backends/qt/windows1252.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace backends::qt {

CommandButton::CommandButton(forms::CommandButton &button, QWidget *parent)
    : ControlWidget(button, parent)
{
    setText(toUnicode(button.properties().caption));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [&button] { button.click(); });
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush face = palette().button();
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

    const int shift = isDown() ? 1 : 0;
    const QRect inside = rect().adjusted(4 + shift, 4 + shift, -4 + shift, -4 + shift);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inside;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(inside, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        click();
    else
        QPushButton::keyPressEvent(event);
}

} // namespace backends::qt
