// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>

#include <functional>

class QWidget;

namespace forms {

// Runs the procedure wired to an event. A multi-line box shows what procedures set only once their
// event is over, so that a long run of appends costs one update; when the outermost event returns,
// every such box is brought up to date before anything else can touch it.
void runEvent(const std::function<void()> &procedure);

// When the outermost event now running returns (at once when none is running), the window's
// first shown control in tab order takes the focus if no control holds it, so that the next keys
// go somewhere the user can see.
void refocusWhenEventsEnd(QWidget &window);

// The event a multi-line box is sent to catch up with the text it holds.
QEvent::Type catchUpEvent();

// Sends the box catchUpEvent() when the outermost event now running returns, or, when none is
// running, before the box handles anything else.
void scheduleCatchUp(QObject &box);

} // namespace forms
