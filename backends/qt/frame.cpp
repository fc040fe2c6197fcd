// SPDX-License-Identifier: MIT
#include "backends/qt/frame.h"

#include "backends/qt/appearance.h"
#include "backends/qt/windows1252.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace backends::qt {

namespace {

// What assistive technology sees of a frame: a grouping with one action, Press, raising its Click.
class AccessibleFrame : public QAccessibleWidget {
public:
    explicit AccessibleFrame(Frame *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<Frame *>(widget())->frame().click();
    }
};

QAccessibleInterface *accessibleFrameFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(Frame::staticMetaObject.className()))
        return new AccessibleFrame(static_cast<Frame *>(object));
    return nullptr;
}

} // namespace

Frame::Frame(forms::Frame &frame, QWidget *parent)
    : ControlWidget(frame, parent)
    , frame_(frame)
{
    setTitle(toUnicode(frame.properties().caption));
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    static const bool accessibleFramesInstalled = (QAccessible::installFactory(accessibleFrameFor), true);
    Q_UNUSED(accessibleFramesInstalled);
    if (const char key = frame.properties().accessKey)
        new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + (key - 'A'))), this, this, [&frame] { frame.click(); });
}

void Frame::showBackColor(std::uint32_t bgr)
{
    setColor(*this, QPalette::Window, bgr);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Window);
    painter.fillRect(rect(), face);

    // An etched border whose top edge runs through the middle of the caption.
    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));

    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, face);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

void Frame::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Frame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = pressed_ && event->button() == Qt::LeftButton
                         && rect().contains(event->position().toPoint());
    pressed_ = false;
    QGroupBox::mouseReleaseEvent(event);
    if (clicked)
        frame_.click();
}

} // namespace backends::qt
