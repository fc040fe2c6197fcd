// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"

namespace forms {

// What every control that can hold the focus adds to its Qt widget: one being hidden gives the
// focus up first. Qt would pass it on to the next shown control in tab order, even one that the
// same event is about to hide, or leave it on the hidden control when none is shown; instead, once
// the event has run, the window's first shown control in tab order takes it.
template <class Widget>
class Control : public Widget {
public:
    using Widget::Widget;

    void setVisible(bool visible) override
    {
        if (!visible && this->window()->focusWidget() == this) {
            this->clearFocus();
            refocusWhenEventsEnd(*this->window());
        }
        Widget::setVisible(visible);
    }
};

} // namespace forms
