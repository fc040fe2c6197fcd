// SPDX-License-Identifier: MIT
#pragma once

#include "backends/win32/control_window.h"
#include "backends/win32/win32.h"
#include "window/frmVelloq.h"

#include <memory>
#include <vector>

namespace backends::win32 {

// The window on Win32: the window as described, with a child window showing each control, all
// children of the main window. A control's ID is 100 plus its place in the description.
class MainWindow : public window::frmVelloq {
public:
    static constexpr const char *kClassName = "QuenmarkWindow";
    static constexpr int kFirstControlId = 100;

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();

    HWND handle() const { return handle_; }
    int dotsPerInch() const { return dotsPerInch_; }
    ControlWindow *windowOf(const forms::Control &control) const;

    // Shows each control that is shown in the window and hides the others.
    void showShownControls();
    // The keys the window takes before the control they are meant for: Tab and Shift+Tab, Alt
    // with a frame's access key, Enter on a button. True when the key was taken.
    bool takesKey(const MSG &message);

private:
    static LRESULT CALLBACK windowMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    ControlWindow *windowOf(HWND child) const;
    void createControls(HINSTANCE instance);
    void setStackingOrder();

    HWND handle_ = nullptr;
    int dotsPerInch_ = 96;
    HWND focusWhenActive_ = nullptr;
    std::vector<std::unique_ptr<ControlWindow>> windows_;  // in the order of controls()
};

// The window as the program starts it: created, wired and loaded, not yet shown.
std::unique_ptr<MainWindow> createWindow(HINSTANCE instance);

} // namespace backends::win32
