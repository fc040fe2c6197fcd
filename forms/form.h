// SPDX-License-Identifier: MIT
#pragma once

#include "forms/properties.h"

#include <initializer_list>
#include <vector>

namespace forms {

class Control;
class Frame;

// A window: its properties and its controls, which register themselves as they are made.
class Form {
public:
    explicit Form(const FormProperties &properties);
    ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const FormProperties &formProperties() const { return properties_; }
    // In the order of the description.
    const std::vector<Control *> &controls() const { return controls_; }
    // Top first: where controls overlap, the one earlier is drawn above.
    const std::vector<Control *> &stackingOrder() const { return stackingOrder_; }
    // The controls that take the focus, by tab index.
    std::vector<Control *> tabOrder() const;
    Control *focusedControl() const;

    // The window's first shown control in tab order takes the focus if none holds it, so that the
    // next keys go somewhere the user can see.
    void refocus();
    // Tab and Shift+Tab: the focus to the next shown control in tab order, round to the first.
    void moveFocus(bool backwards);
    // The shown frame that Alt with `key` presses, if there is one.
    Frame *frameWithAccessKey(char key) const;

protected:
    void setStackingOrder(std::initializer_list<Control *> topFirst) { stackingOrder_ = topFirst; }

private:
    friend class Control;
    void add(Control &control) { controls_.push_back(&control); }
    void remove(const Control &control);

    const FormProperties properties_;
    std::vector<Control *> controls_;
    std::vector<Control *> stackingOrder_;
};

} // namespace forms
