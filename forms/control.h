// SPDX-License-Identifier: MIT
#pragma once

#include "forms/properties.h"

#include <cstdint>

namespace forms {

class Form;

// What a back-end's widget does for the control it shows. The control holds the state; the view
// only shows it and reports back what the user does.
class ControlView {
public:
    virtual void showVisible(bool visible) = 0;
    virtual void takeFocus() {}
    virtual void giveUpFocus() {}
    virtual bool holdsFocus() const { return false; }
    virtual void showBackColor(std::uint32_t) {}

protected:
    ~ControlView() = default;
};

enum class Kind { Frame, Label, TextBox, CommandButton, PictureBox };

// A control of a window: what every kind offers the procedures.
class Control {
public:
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    Kind kind() const { return kind_; }
    const Properties &properties() const { return properties_; }
    const char *name() const { return properties_.name; }
    Form &form() const { return form_; }

    void show();
    // A control holding the focus gives it up first; once the event has run, the window's first
    // shown control in tab order takes it (see Form::refocus).
    void hide();
    // Hidden by name; a control inside a hidden frame is not hidden but not shown either.
    bool isHidden() const { return hidden_; }
    bool isShownInForm() const;
    // Only text boxes and buttons take the focus.
    bool takesFocus() const { return kind_ == Kind::TextBox || kind_ == Kind::CommandButton; }
    void setFocus();
    bool hasFocus() const;

    // The back-end's widget, which detaches itself when it is destroyed.
    ControlView *view() const { return view_; }
    void detach() { view_ = nullptr; }

protected:
    Control(Form &form, Kind kind, const Properties &properties);
    ~Control();

    // Each kind takes the view of its kind and shows it its state as it stands.
    void attach(ControlView &view);

private:
    Form &form_;
    const Kind kind_;
    const Properties properties_;
    bool hidden_;
    ControlView *view_ = nullptr;
};

// Attaches a back-end's view to a control of any kind, as the control's kind attaches one; a
// text box's view is a TextBoxView.
void attachView(Control &control, ControlView &view);

} // namespace forms
