// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

#include <cstdint>
#include <functional>

namespace forms {

// A titled frame that takes a click anywhere on its face not covered by a shown control, and
// holds the labels whose container it is: hiding it hides them. It never takes the focus.
class Frame : public Control {
public:
    Frame(Form &form, const Properties &properties);

    std::function<void()> Click;

    void click();

    void setBackColor(std::uint32_t bgr);
    std::uint32_t backColor() const { return backColor_; }

    void attach(ControlView &view);

private:
    std::uint32_t backColor_;
};

} // namespace forms
