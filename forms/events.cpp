#include "forms/events.h"

#include <QCoreApplication>

namespace forms {

namespace {
int running = 0;  // events in progress, the outermost included
}

void runEvent(const std::function<void()> &procedure)
{
    if (!procedure)
        return;
    struct Running {
        Running() { ++running; }
        ~Running()
        {
            if (--running == 0)
                QCoreApplication::sendPostedEvents(nullptr, catchUpEvent());
        }
    } scope;
    procedure();
}

QEvent::Type catchUpEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace forms
