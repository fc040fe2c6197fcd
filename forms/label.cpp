#include "forms/label.h"

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

} // namespace forms
