// SPDX-License-Identifier: MIT
#pragma once

#include "backends/win32/control_window.h"
#include "forms/command_button.h"

namespace backends::win32 {

// A push button drawn by the window, so that its whole face shows its colour and its caption
// wraps at word boundaries when it must.
class CommandButton final : public ViewWindow<> {
public:
    CommandButton(MainWindow &window, forms::CommandButton &button, HWND handle);

    forms::CommandButton &button() const { return button_; }
    void notified(int notification) override;
    void draw(const DRAWITEMSTRUCT &item) override;

private:
    forms::CommandButton &button_;
};

} // namespace backends::win32
