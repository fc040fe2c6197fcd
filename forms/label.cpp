#include "forms/label.h"

#include <QPainter>

namespace forms {

Label::Label(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setAttribute(Qt::WA_NoMousePropagation);
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
