#include "forms/events.h"

#include <QCoreApplication>
#include <QPointer>

#include <vector>

namespace forms {

namespace {

int running = 0;  // events in progress, the outermost included
// Boxes changed by the running event. A posted event would cost a system call per key press.
std::vector<QPointer<QObject>> awaitingCatchUp;

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
            if (--running == 0)
                catchUpAll();
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

QEvent::Type catchUpEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace forms
