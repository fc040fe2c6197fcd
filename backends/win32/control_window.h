// SPDX-License-Identifier: MIT
#pragma once

#include "backends/win32/win32.h"
#include "forms/control.h"

namespace backends::win32 {

class MainWindow;

// A child window of the main window showing one control. The window hands it the messages that
// concern it: its notifications, its colours, its drawing.
class ControlWindow {
public:
    ControlWindow(MainWindow &window, forms::Control &control, HWND handle);
    virtual ~ControlWindow();
    ControlWindow(const ControlWindow &) = delete;
    ControlWindow &operator=(const ControlWindow &) = delete;

    HWND handle() const { return handle_; }
    forms::Control &control() const { return control_; }
    MainWindow &window() const { return window_; }
    HFONT font() const { return font_; }

    // A face that runs wider than the one the window was drawn with (a stand-in where the named
    // face is missing) would wrap a caption drawn for one line, its second line cut off: the font
    // is narrowed just enough that it fits.
    void fitCaptionOnOneLine();

    COLORREF backColour() const;
    COLORREF foreColour() const;

    // WM_COMMAND from the control, with its notification code.
    virtual void notified(int) {}
    // WM_CTLCOLOR…: sets the colours on the device context and gives the brush of the back colour.
    virtual HBRUSH colours(HDC context) const;
    // WM_DRAWITEM, for the controls drawn by the window.
    virtual void draw(const DRAWITEMSTRUCT &) {}
    // The messages of the controls of the program's own window class.
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

private:
    MainWindow &window_;
    forms::Control &control_;
    const HWND handle_;
    HFONT font_;
};

// A control window that is its control's view, of the view's kind.
template <class View = forms::ControlView>
class ViewWindow : public ControlWindow, public View {
public:
    using ControlWindow::ControlWindow;

    // A hidden frame hides what it holds, so the window shows each control anew.
    void showVisible(bool) override;
    void takeFocus() override { SetFocus(handle()); }
    void giveUpFocus() override { SetFocus(GetParent(handle())); }
    bool holdsFocus() const override { return GetFocus() == handle(); }
};

} // namespace backends::win32
