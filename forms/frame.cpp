#include "forms/frame.h"

#include "forms/appearance.h"

#include <QMouseEvent>

namespace forms {

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void Frame::setBackColor(std::uint32_t bgr)
{
    setColor(*this, QPalette::Window, bgr);
}

std::uint32_t Frame::backColor() const
{
    return bgrOf(palette().color(QPalette::Window));
}

void Frame::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QGroupBox::mousePressEvent(event);
}

void Frame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = pressed_ && event->button() == Qt::LeftButton
                         && rect().contains(event->position().toPoint());
    pressed_ = false;
    QGroupBox::mouseReleaseEvent(event);
    if (clicked && Click)
        Click();
}

} // namespace forms
