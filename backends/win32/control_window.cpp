// SPDX-License-Identifier: MIT
#include "backends/win32/control_window.h"

#include "backends/win32/appearance.h"
#include "backends/win32/main_window.h"
#include "forms/frame.h"
#include "forms/text_box.h"

#include <cstring>

namespace backends::win32 {

ControlWindow::ControlWindow(MainWindow &window, forms::Control &control, HWND handle)
    : window_(window)
    , control_(control)
    , handle_(handle)
    , font_(createFont(control.properties().font, window.dotsPerInch()))
{
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

ControlWindow::~ControlWindow()
{
    control_.detach();
    DeleteObject(font_);
}

namespace {

struct CaptionSize {
    LONG oneLineWidth;
    LONG lineHeight;
    LONG averageCharWidth;
};

CaptionSize captionSize(HWND handle, HFONT font, const char *caption)
{
    const HDC context = GetDC(handle);
    const HGDIOBJ oldFont = SelectObject(context, font);
    SIZE oneLine;
    GetTextExtentPoint32A(context, caption, static_cast<int>(std::strlen(caption)), &oneLine);
    TEXTMETRICA metrics;
    GetTextMetricsA(context, &metrics);
    SelectObject(context, oldFont);
    ReleaseDC(handle, context);
    return {oneLine.cx, metrics.tmHeight, metrics.tmAveCharWidth};
}

} // namespace

void ControlWindow::fitCaptionOnOneLine()
{
    const char *caption = control_.properties().caption;
    RECT box;
    GetClientRect(handle_, &box);
    CaptionSize size = captionSize(handle_, font_, caption);
    if (box.bottom >= 2 * size.lineHeight || size.oneLineWidth <= box.right)
        return;
    LOGFONTA narrowed;
    GetObjectA(font_, sizeof narrowed, &narrowed);
    // Widths do not follow the average width asked for in proportion: narrower until it fits.
    narrowed.lfWidth = size.averageCharWidth;
    while (size.oneLineWidth > box.right && narrowed.lfWidth > 1) {
        --narrowed.lfWidth;
        DeleteObject(font_);
        font_ = CreateFontIndirectA(&narrowed);
        size = captionSize(handle_, font_, caption);
    }
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

// A label with no colour of its own shows what lies beneath it: its frame, or the window.
COLORREF ControlWindow::backColour() const
{
    const forms::Properties &properties = control_.properties();
    if (control_.kind() == forms::Kind::Frame)
        return static_cast<const forms::Frame &>(control_).backColor();
    if (properties.backColor)
        return *properties.backColor;
    if (control_.kind() == forms::Kind::Label)
        return properties.container ? properties.container->backColor() : window_.formProperties().backColor;
    return defaultBackColour(control_.kind());
}

COLORREF ControlWindow::foreColour() const
{
    return control_.properties().foreColor.value_or(defaultForeColour(control_.kind()));
}

HBRUSH ControlWindow::colours(HDC context) const
{
    SetTextColor(context, foreColour());
    SetBkColor(context, backColour());
    return brushOf(backColour());
}

LRESULT ControlWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(handle_, message, wParam, lParam);
}

template <class View>
void ViewWindow<View>::showVisible(bool)
{
    window().showShownControls();
}

template class ViewWindow<forms::ControlView>;
template class ViewWindow<forms::TextBoxView>;

} // namespace backends::win32
