// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

namespace forms {

// A caption centred horizontally, its lines starting at the top, wrapping at word boundaries.
class Label : public Control {
public:
    Label(Form &form, const Properties &properties)
        : Control(form, Kind::Label, properties)
    {
    }

    using Control::attach;
};

// A sunken box showing its picture at natural size from the top-left corner, cut off if larger.
class PictureBox : public Control {
public:
    PictureBox(Form &form, const Properties &properties)
        : Control(form, Kind::PictureBox, properties)
    {
    }

    using Control::attach;
};

} // namespace forms
