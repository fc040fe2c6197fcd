// SPDX-License-Identifier: MIT
#include "forms/frame.h"

#include "forms/events.h"

namespace forms {

Frame::Frame(Form &form, const Properties &properties)
    : Control(form, Kind::Frame, properties)
    , backColor_(properties.backColor.value_or(0xF0F0F0))  // the dialog face, where none is given
{
}

void Frame::click()
{
    runEvent(Click);
}

void Frame::setBackColor(std::uint32_t bgr)
{
    backColor_ = bgr;
    if (view())
        view()->showBackColor(bgr);
}

void Frame::attach(ControlView &view)
{
    Control::attach(view);
    view.showBackColor(backColor_);
}

} // namespace forms
