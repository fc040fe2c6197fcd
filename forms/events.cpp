#include "forms/events.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace forms {

namespace {

int running = 0;  // events in progress, the outermost included
// Boxes changed by the running event. A posted event would cost a system call per key press.
std::vector<QPointer<QObject>> awaitingCatchUp;

// Windows whose focus was given up by a control being hidden.
std::vector<QPointer<QWidget>> awaitingFocus;

void focusFirstShownControl(QWidget &window)
{
    if (window.focusWidget())
        return;
    for (QWidget *control = window.nextInFocusChain(); control != &window; control = control->nextInFocusChain()) {
        if (control->isVisibleTo(&window) && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void refocusAll()
{
    for (std::size_t i = 0; i < awaitingFocus.size(); ++i)
        if (QWidget *window = awaitingFocus[i])
            focusFirstShownControl(*window);
    awaitingFocus.clear();
}

void catchUpAll()
{
    QCoreApplication::sendPostedEvents(nullptr, catchUpEvent());
    for (std::size_t i = 0; i < awaitingCatchUp.size(); ++i) {
        if (QObject *box = awaitingCatchUp[i]) {
            QEvent catchUp(catchUpEvent());
            QCoreApplication::sendEvent(box, &catchUp);
        }
    }
    awaitingCatchUp.clear();
}

} // namespace

void runEvent(const std::function<void()> &procedure)
{
    if (!procedure)
        return;
    struct Running {
        Running() { ++running; }
        ~Running()
        {
            if (--running == 0) {
                catchUpAll();
                refocusAll();
            }
        }
    } scope;
    procedure();
}

void scheduleCatchUp(QObject &box)
{
    if (running > 0)
        awaitingCatchUp.emplace_back(&box);
    else
        QCoreApplication::postEvent(&box, new QEvent(catchUpEvent()));
}

void refocusWhenEventsEnd(QWidget &window)
{
    awaitingFocus.emplace_back(&window);
    if (running == 0)
        refocusAll();
}

QEvent::Type catchUpEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace forms
