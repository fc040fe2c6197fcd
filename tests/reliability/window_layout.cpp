// SPDX-License-Identifier: MIT
#include "window_layout.h"

#include <algorithm>
#include <functional>

namespace reliability {

namespace {

struct Placement {
    Control control;
    const char *name;
    int left, top, width, height;  // twips, from the container's top-left corner
};

#define CLIENT_AREA(width, height)
#define PLACEMENT(control, left, top, width, height) {Control::control, #control, left, top, width, height},
constexpr std::array<Placement, kControlCount> kPlacements = {{
#include "window_layout.inc"
}};
// One row for each control, in the order Control declares them.
static_assert(std::ranges::adjacent_find(kPlacements, std::ranges::greater_equal{}, &Placement::control) == kPlacements.end());

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

constexpr int pixels(int twips) { return (twips + 7) / 15; }  // to the nearest pixel

bool insideFrame(Control control)
{
    return control == Control::lblcleartext || control == Control::lblnewletter;
}

} // namespace

// The client area's size in pixels, from the same table.
#undef CLIENT_AREA
#undef PLACEMENT
#define CLIENT_AREA(width, height) const int kClientWidth = pixels(width), kClientHeight = pixels(height);
#define PLACEMENT(control, left, top, width, height)
#include "window_layout.inc"

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
