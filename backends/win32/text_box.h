// SPDX-License-Identifier: MIT
#pragma once

#include "backends/win32/control_window.h"
#include "forms/text_box.h"

namespace backends::win32 {

// A text box on an EDIT control, one-line or multi-line, with no limit on its length. Every
// character typed, dead keys' and input methods' included, reaches the control as WM_CHAR: the
// box's KeyPress sees it first, and the control inserts the code KeyPress leaves.
class TextBox final : public ViewWindow<forms::TextBoxView> {
public:
    TextBox(MainWindow &window, forms::TextBox &box, HWND handle);

    void showText(const std::string &text, std::size_t from) override;
    std::string shownText() const override;
    void beep() override { MessageBeep(MB_OK); }
    void notified(int notification) override;

private:
    static LRESULT CALLBACK editMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    forms::TextBox &box_;
    const WNDPROC editProcedure_;
};

} // namespace backends::win32
