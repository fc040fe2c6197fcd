// SPDX-License-Identifier: MIT
#include "backends/qt/label.h"

#include "backends/qt/windows1252.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace backends::qt {

Label::Label(forms::Label &label, QWidget *parent)
    : ControlWidget(label, parent)
{
    setText(toUnicode(label.properties().caption));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

int stretchFittingOneLine(const QFont &font, const std::vector<const QLabel *> &labels)
{
    // The largest share of its box's width that a caption takes; above 1 it overruns the box.
    const auto overrun = [labels](const QFont &face) {
        const QFontMetricsF metrics(face);
        qreal most = 0;
        for (const QLabel *label : labels)
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

PictureBox::PictureBox(forms::PictureBox &box, QWidget *parent)
    : ControlWidget(box, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap(QStringLiteral(":/") + QString::fromLatin1(box.properties().picture)));
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), pixmap());
}

} // namespace backends::qt
