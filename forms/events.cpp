// SPDX-License-Identifier: MIT
#include "forms/events.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace forms {

namespace {

// What is left to do when the outermost event returns. Events run on the one GUI thread.
struct WorkAfterEvents {
    int eventsRunning = 0;  // the outermost included
    // Boxes changed by the running event. A posted event would cost a system call per key press.
    std::vector<QPointer<QObject>> boxesToCatchUp;
    // Windows whose focus was given up by a control being hidden.
    std::vector<QPointer<QWidget>> windowsToRefocus;
} pending;

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
    for (std::size_t i = 0; i < pending.windowsToRefocus.size(); ++i)
        if (QWidget *window = pending.windowsToRefocus[i])
            focusFirstShownControl(*window);
    pending.windowsToRefocus.clear();
}

void catchUpAll()
{
    QCoreApplication::sendPostedEvents(nullptr, catchUpEvent());
    for (std::size_t i = 0; i < pending.boxesToCatchUp.size(); ++i) {
        if (QObject *box = pending.boxesToCatchUp[i]) {
            QEvent catchUp(catchUpEvent());
            QCoreApplication::sendEvent(box, &catchUp);
        }
    }
    pending.boxesToCatchUp.clear();
}

} // namespace

void runEvent(const std::function<void()> &procedure)
{
    if (!procedure)
        return;
    struct Running {
        Running() { ++pending.eventsRunning; }
        ~Running()
        {
            if (--pending.eventsRunning == 0) {
                catchUpAll();
                refocusAll();
            }
        }
    } scope;
    procedure();
}

void scheduleCatchUp(QObject &box)
{
    if (pending.eventsRunning > 0)
        pending.boxesToCatchUp.emplace_back(&box);
    else
        QCoreApplication::postEvent(&box, new QEvent(catchUpEvent()));
}

void refocusWhenEventsEnd(QWidget &window)
{
    pending.windowsToRefocus.emplace_back(&window);
    if (pending.eventsRunning == 0)
        refocusAll();
}

QEvent::Type catchUpEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace forms
