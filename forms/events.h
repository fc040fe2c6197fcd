// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace forms {

class Form;
class TextBox;

// Runs the procedure wired to an event; events raised inside it run inside it, at once. When the
// outermost event returns, what it left to do is done: every multi-line box it changed shows its
// text (so that a long run of appends costs one update), then every window whose control gave
// up the focus gives it to its first shown control (Form::refocus).
void runEvent(const std::function<void()> &procedure);
bool eventRunning();

// Both are done at once when no event is running.
void showWhenEventsEnd(TextBox &box);
void refocusWhenEventsEnd(Form &form);
// A box or window destroyed takes itself off those lists.
void forgetWhenEventsEnd(const TextBox &box);
void forgetWhenEventsEnd(const Form &form);

} // namespace forms
