// SPDX-License-Identifier: MIT
#include "window_layout.h"

#include <cmath>

namespace reliability {

namespace {

struct Placement {
    Control control;
    const char *name;
    int left, top, width, height;  // twips, from the container's top-left corner
};

// In declaration order of Control.
constexpr std::array<Placement, kControlCount> kPlacements = {{
    {Control::Frame1, "Frame1", 120, 240, 7095, 855},
    {Control::lbltype, "lbltype", 360, 1440, 2415, 375},
    {Control::lblcode, "lblcode", 3360, 1440, 1095, 375},
    {Control::lblencrypt, "lblencrypt", 5160, 1440, 1815, 375},
    {Control::txtin, "txtin", 120, 2040, 2895, 2295},
    {Control::txtcode, "txtcode", 3240, 2040, 1095, 5895},
    {Control::txtencrypt, "txtencrypt", 4560, 2040, 2775, 2295},
    {Control::cmderase, "cmderase", 120, 4680, 1215, 615},
    {Control::cmdre, "cmdre", 1800, 4680, 1215, 615},
    {Control::cmdclear, "cmdclear", 5160, 4680, 1695, 615},
    {Control::frmchange, "frmchange", 120, 5520, 3015, 2415},
    {Control::lblcleartext, "lblcleartext", 360, 480, 855, 855},
    {Control::lblnewletter, "lblnewletter", 1800, 480, 855, 735},
    {Control::txtchange, "txtchange", 480, 6960, 855, 735},
    {Control::txtnewletter, "txtnewletter", 1920, 6960, 855, 735},
    {Control::cmdSendMsg, "cmdSendMsg", 5160, 6360, 1695, 615},
    {Control::lblsent, "lblsent", 120, 840, 7215, 4575},
    {Control::cmdGoAgain, "cmdGoAgain", 5400, 4440, 1815, 855},
    {Control::picVelloq, "picVelloq", 5040, 5640, 2000, 2000},
}};

// Top first. The frame's two labels lie on the frame; the other labels beneath everything else.
constexpr std::array<Control, 17> kTopToBottom = {
    Control::cmdGoAgain, Control::cmdSendMsg, Control::picVelloq, Control::Frame1, Control::txtnewletter,
    Control::txtencrypt, Control::txtchange, Control::txtcode, Control::txtin, Control::cmdclear,
    Control::cmdre, Control::cmderase, Control::frmchange, Control::lblsent, Control::lblcode,
    Control::lblencrypt, Control::lbltype,
};

// By tab index; the picture box takes no focus here.
constexpr std::array<Control, 10> kTabOrder = {
    Control::txtin, Control::cmderase, Control::cmdre, Control::cmdclear, Control::txtcode,
    Control::txtchange, Control::txtencrypt, Control::txtnewletter, Control::cmdSendMsg, Control::cmdGoAgain,
};

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

bool insideFrame(Control control)
{
    return control == Control::lblcleartext || control == Control::lblnewletter;
}

} // namespace

const char *nameOf(Control control)
{
    return kPlacements[indexOf(control)].name;
}

Rect windowRectOf(Control control)
{
    const Placement &p = kPlacements[indexOf(control)];
    Rect rect{pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
    if (insideFrame(control)) {
        const Rect frame = windowRectOf(Control::frmchange);
        rect.left += frame.left;
        rect.top += frame.top;
    }
    return rect;
}

bool shown(Control control, const HiddenFlags &hidden)
{
    if (hidden[indexOf(control)])
        return false;
    return !insideFrame(control) || !hidden[indexOf(Control::frmchange)];
}

std::optional<Control> controlAt(Point point, const HiddenFlags &hidden)
{
    for (Control control : kTopToBottom) {
        if (!shown(control, hidden) || !windowRectOf(control).contains(point))
            continue;
        if (control == Control::frmchange)
            for (Control label : {Control::lblnewletter, Control::lblcleartext})
                if (shown(label, hidden) && windowRectOf(label).contains(point))
                    return label;
        return control;
    }
    return std::nullopt;
}

bool takesFocus(Control control)
{
    for (Control stop : kTabOrder)
        if (stop == control)
            return true;
    return false;
}

bool isButton(Control control)
{
    switch (control) {
    case Control::cmderase:
    case Control::cmdre:
    case Control::cmdclear:
    case Control::cmdSendMsg:
    case Control::cmdGoAgain: return true;
    default: return false;
    }
}

Control nextInTabOrder(Control from, bool forward, const HiddenFlags &hidden)
{
    int at = 0;
    while (kTabOrder[at] != from)
        ++at;
    const int count = static_cast<int>(kTabOrder.size());
    for (int step = 1; step <= count; ++step) {
        const Control candidate = kTabOrder[((forward ? at + step : at - step) % count + count) % count];
        if (shown(candidate, hidden))
            return candidate;
    }
    return from;
}

} // namespace reliability
