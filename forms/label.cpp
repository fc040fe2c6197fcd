// SPDX-License-Identifier: MIT
#include "forms/label.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace forms {

Label::Label(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

int stretchFittingOneLine(const QFont &font, std::initializer_list<const Label *> labels)
{
    // The largest share of its box's width that a caption takes; above 1 it overruns the box.
    const auto overrun = [labels](const QFont &face) {
        const QFontMetricsF metrics(face);
        qreal most = 0;
        for (const Label *label : labels)
            most = std::max(most, metrics.horizontalAdvance(label->text()) / label->contentsRect().width());
        return most;
    };
    // A stretch scales the advances nearly in proportion; rounding may want a step or two more.
    int stretch = std::min(100, int(100 / overrun(font)));
    QFont narrowed = font;
    for (; stretch > 1; --stretch) {
        narrowed.setStretch(stretch);
        if (overrun(narrowed) <= 1)
            break;
    }
    return stretch;
}

PictureBox::PictureBox(const QPixmap &picture, QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(picture);
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), pixmap());
}

} // namespace forms
