// SPDX-License-Identifier: MIT
#include "forms/control.h"

#include "forms/command_button.h"
#include "forms/events.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/text_box.h"

namespace forms {

Control::Control(Form &form, Kind kind, const Properties &properties)
    : form_(form)
    , kind_(kind)
    , properties_(properties)
    , hidden_(!properties.visible)
{
    form.add(*this);
}

Control::~Control()
{
    form_.remove(*this);
}

void Control::show()
{
    hidden_ = false;
    if (view_)
        view_->showVisible(true);
}

void Control::hide()
{
    if (hasFocus()) {
        view_->giveUpFocus();
        refocusWhenEventsEnd(form_);
    }
    hidden_ = true;
    if (view_)
        view_->showVisible(false);
}

bool Control::isShownInForm() const
{
    return !hidden_ && (!properties_.container || properties_.container->isShownInForm());
}

void Control::setFocus()
{
    if (view_ && takesFocus())
        view_->takeFocus();
}

bool Control::hasFocus() const
{
    return view_ && view_->holdsFocus();
}

void Control::attach(ControlView &view)
{
    view_ = &view;
    view.showVisible(!hidden_);
}

void attachView(Control &control, ControlView &view)
{
    switch (control.kind()) {
    case Kind::Frame: static_cast<Frame &>(control).attach(view); break;
    case Kind::Label: static_cast<Label &>(control).attach(view); break;
    case Kind::PictureBox: static_cast<PictureBox &>(control).attach(view); break;
    case Kind::CommandButton: static_cast<CommandButton &>(control).attach(view); break;
    case Kind::TextBox: static_cast<TextBox &>(control).attach(dynamic_cast<TextBoxView &>(view)); break;
    }
}

} // namespace forms
