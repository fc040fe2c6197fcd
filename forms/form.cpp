// SPDX-License-Identifier: MIT
#include "forms/form.h"

#include "forms/control.h"
#include "forms/events.h"
#include "forms/frame.h"

#include <algorithm>
#include <cctype>

namespace forms {

Form::Form(const FormProperties &properties)
    : properties_(properties)
{
}

Form::~Form()
{
    forgetWhenEventsEnd(*this);
}

void Form::remove(const Control &control)
{
    std::erase(controls_, &control);
    std::erase(stackingOrder_, &control);
}

std::vector<Control *> Form::tabOrder() const
{
    std::vector<Control *> order;
    std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(order),
                 [](const Control *control) { return control->takesFocus(); });
    std::stable_sort(order.begin(), order.end(), [](const Control *a, const Control *b) {
        return a->properties().tabIndex < b->properties().tabIndex;
    });
    return order;
}

Control *Form::focusedControl() const
{
    const auto focused = std::find_if(controls_.begin(), controls_.end(), [](const Control *control) { return control->hasFocus(); });
    return focused == controls_.end() ? nullptr : *focused;
}

void Form::refocus()
{
    if (focusedControl())
        return;
    for (Control *control : tabOrder()) {
        if (control->isShownInForm()) {
            control->setFocus();
            return;
        }
    }
}

void Form::moveFocus(bool backwards)
{
    std::vector<Control *> order = tabOrder();
    std::erase_if(order, [](const Control *control) { return !control->isShownInForm(); });
    if (order.empty())
        return;
    if (backwards)
        std::reverse(order.begin(), order.end());
    const auto focused = std::find(order.begin(), order.end(), focusedControl());
    const auto next = focused == order.end() || focused + 1 == order.end() ? order.begin() : focused + 1;
    (*next)->setFocus();
}

Frame *Form::frameWithAccessKey(char key) const
{
    const auto upper = [](char letter) { return std::toupper(static_cast<unsigned char>(letter)); };
    for (Control *control : controls_) {
        const char accessKey = control->properties().accessKey;
        if (control->kind() == Kind::Frame && accessKey && upper(accessKey) == upper(key) && control->isShownInForm())
            return static_cast<Frame *>(control);
    }
    return nullptr;
}

} // namespace forms
