// SPDX-License-Identifier: MIT
#pragma once

#include "backends/win32/control_window.h"
#include "forms/frame.h"
#include "forms/label.h"

namespace backends::win32 {

// A titled frame that takes a click anywhere on its face not covered by a shown control: the
// labels on it are windows of their own that take their clicks themselves.
class Frame final : public ViewWindow<> {
public:
    Frame(MainWindow &window, forms::Frame &frame, HWND handle);

    void showBackColor(std::uint32_t bgr) override;
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC context);

    forms::Frame &frame_;
    bool pressed_ = false;
};

// A sunken box showing its picture at natural size from the top-left corner, cut off if larger.
class PictureBox final : public ViewWindow<> {
public:
    PictureBox(MainWindow &window, forms::PictureBox &box, HWND handle, HBITMAP picture);

    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const HBITMAP picture_;
};

} // namespace backends::win32
