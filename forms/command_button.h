// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

#include <functional>

namespace forms {

class CommandButton : public Control {
public:
    CommandButton(Form &form, const Properties &properties)
        : Control(form, Kind::CommandButton, properties)
    {
    }

    std::function<void()> Click;

    // Runs Click at once, to completion, shown or hidden: from a procedure, or from the view
    // when the user presses the button.
    void click();

    using Control::attach;
};

} // namespace forms
