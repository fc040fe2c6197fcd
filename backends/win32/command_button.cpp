// SPDX-License-Identifier: MIT
#include "backends/win32/command_button.h"

#include "backends/win32/appearance.h"

#include <algorithm>

namespace backends::win32 {

CommandButton::CommandButton(MainWindow &window, forms::CommandButton &button, HWND handle)
    : ViewWindow(window, button, handle)
    , button_(button)
{
}

void CommandButton::notified(int notification)
{
    if (notification == BN_CLICKED)
        button_.click();
}

void CommandButton::draw(const DRAWITEMSTRUCT &item)
{
    const HDC context = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(context, &face, brushOf(backColour()));
    DrawEdge(context, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT inside = face;
    InflateRect(&inside, -4, -4);
    if (pressed)
        OffsetRect(&inside, 1, 1);
    const HGDIOBJ oldFont = SelectObject(context, font());
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, foreColour());
    const char *caption = button_.properties().caption;
    RECT measured = inside;
    DrawTextA(context, caption, -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    RECT text = inside;
    text.top += std::max(0L, ((inside.bottom - inside.top) - (measured.bottom - measured.top)) / 2);
    DrawTextA(context, caption, -1, &text, DT_CENTER | DT_WORDBREAK);
    SelectObject(context, oldFont);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(context, &inside);
}

} // namespace backends::win32
