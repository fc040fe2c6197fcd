// SPDX-License-Identifier: MIT
#include "backends/win32/frame.h"

#include "backends/win32/appearance.h"
#include "backends/win32/main_window.h"

#include <cstring>

namespace backends::win32 {

Frame::Frame(MainWindow &window, forms::Frame &frame, HWND handle)
    : ViewWindow(window, frame, handle)
    , frame_(frame)
{
}

// The labels on the frame show its colour too.
void Frame::showBackColor(std::uint32_t)
{
    InvalidateRect(handle(), nullptr, TRUE);
    for (forms::Control *control : window().controls())
        if (control->properties().container == &frame_ && window().windowOf(*control))
            InvalidateRect(window().windowOf(*control)->handle(), nullptr, TRUE);
}

LRESULT Frame::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paintStruct;
        paint(BeginPaint(handle(), &paintStruct));
        EndPaint(handle(), &paintStruct);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(handle());
        return 0;
    case WM_LBUTTONUP: {
        if (!pressed_)
            return 0;
        pressed_ = false;
        ReleaseCapture();
        RECT face;
        GetClientRect(handle(), &face);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (PtInRect(&face, at))
            frame_.click();
        return 0;
    }
    case WM_CAPTURECHANGED: pressed_ = false; return 0;
    default: return ViewWindow::message(message, wParam, lParam);
    }
}

// The face in the frame's colour, an etched line round it from the middle of the caption's
// height, and the caption on the line near the top-left corner.
void Frame::paint(HDC context)
{
    RECT face;
    GetClientRect(handle(), &face);
    FillRect(context, &face, brushOf(backColour()));
    const HGDIOBJ oldFont = SelectObject(context, font());
    const char *caption = frame_.properties().caption;
    SIZE captionSize;
    GetTextExtentPoint32A(context, caption, static_cast<int>(std::strlen(caption)), &captionSize);
    RECT line = face;
    line.top += captionSize.cy / 2;
    DrawEdge(context, &line, EDGE_ETCHED, BF_RECT);
    RECT captionBox{8, 0, 8 + captionSize.cx + 4, captionSize.cy};
    FillRect(context, &captionBox, brushOf(backColour()));
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, foreColour());
    TextOutA(context, captionBox.left + 2, 0, caption, static_cast<int>(std::strlen(caption)));
    SelectObject(context, oldFont);
}

PictureBox::PictureBox(MainWindow &window, forms::PictureBox &box, HWND handle, HBITMAP picture)
    : ViewWindow(window, box, handle)
    , picture_(picture)
{
}

LRESULT PictureBox::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return ViewWindow::message(message, wParam, lParam);
    PAINTSTRUCT paintStruct;
    const HDC context = BeginPaint(handle(), &paintStruct);
    FillRect(context, &paintStruct.rcPaint, brushOf(backColour()));
    if (picture_) {
        BITMAP size;
        GetObjectA(picture_, sizeof size, &size);
        const HDC source = CreateCompatibleDC(context);
        const HGDIOBJ old = SelectObject(source, picture_);
        BitBlt(context, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    EndPaint(handle(), &paintStruct);
    return 0;
}

} // namespace backends::win32
