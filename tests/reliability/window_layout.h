// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>

// The window, for the reference model: its 19 controls, where each lies, which lies on top where
// they overlap, and the order Tab visits them in.
namespace reliability {

enum class Control {
    Frame1, lbltype, lblcode, lblencrypt, txtin, txtcode, txtencrypt, cmderase, cmdre, cmdclear,
    frmchange, lblcleartext, lblnewletter, txtchange, txtnewletter, cmdSendMsg, lblsent, cmdGoAgain,
    picVelloq,
};
constexpr int kControlCount = 19;
constexpr std::array<Control, kControlCount> kAllControls = {
    Control::Frame1, Control::lbltype, Control::lblcode, Control::lblencrypt, Control::txtin,
    Control::txtcode, Control::txtencrypt, Control::cmderase, Control::cmdre, Control::cmdclear,
    Control::frmchange, Control::lblcleartext, Control::lblnewletter, Control::txtchange,
    Control::txtnewletter, Control::cmdSendMsg, Control::lblsent, Control::cmdGoAgain, Control::picVelloq,
};

const char *nameOf(Control control);
constexpr int indexOf(Control control) { return static_cast<int>(control); }

struct Point {
    int x = 0;
    int y = 0;
};

// In pixels of the window's client area, 15 twips to the pixel.
struct Rect {
    int left, top, width, height;
    bool contains(Point point) const
    {
        return point.x >= left && point.x < left + width && point.y >= top && point.y < top + height;
    }
};
Rect windowRectOf(Control control);
extern const int kClientWidth;
extern const int kClientHeight;

using HiddenFlags = std::array<bool, kControlCount>;

// A hidden frame hides what it contains.
bool shown(Control control, const HiddenFlags &hidden);

// The shown control a click at this point reaches; nothing for the window's own background.
std::optional<Control> controlAt(Point point, const HiddenFlags &hidden);

bool takesFocus(Control control);
bool isButton(Control control);

// Where Tab (forward) or Shift+Tab moves the focus from a shown control.
Control nextInTabOrder(Control from, bool forward, const HiddenFlags &hidden);

} // namespace reliability
