// SPDX-License-Identifier: MIT
#include "backends/win32/main_window.h"

#include "app/window_wiring.h"
#include "backends/win32/appearance.h"
#include "backends/win32/command_button.h"
#include "backends/win32/frame.h"
#include "backends/win32/text_box.h"

#include <algorithm>

namespace backends::win32 {

namespace {

constexpr const char *kControlClassName = "QuenmarkControl";

LRESULT CALLBACK controlMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto *control = reinterpret_cast<ControlWindow *>(GetWindowLongPtrA(handle, GWLP_USERDATA)))
        return control->message(message, wParam, lParam);
    return DefWindowProcA(handle, message, wParam, lParam);
}

void registerClasses(HINSTANCE instance, COLORREF backColour, WNDPROC windowMessage)
{
    WNDCLASSEXA window{};
    window.cbSize = sizeof window;
    window.lpfnWndProc = windowMessage;
    window.hInstance = instance;
    window.hIcon = LoadIconA(instance, "QUENMARK");
    window.hIconSm = static_cast<HICON>(LoadImageA(instance, "QUENMARK", IMAGE_ICON, 16, 16, 0));
    window.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window.hbrBackground = brushOf(backColour);
    window.lpszClassName = MainWindow::kClassName;
    RegisterClassExA(&window);

    WNDCLASSEXA control{};
    control.cbSize = sizeof control;
    control.lpfnWndProc = &controlMessage;
    control.hInstance = instance;
    control.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    control.lpszClassName = kControlClassName;
    RegisterClassExA(&control);
}

struct WindowKind {
    const char *className;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind kindOf(const forms::Control &control)
{
    const forms::Properties &properties = control.properties();
    switch (control.kind()) {
    case forms::Kind::Frame: return {kControlClassName, 0, 0};
    case forms::Kind::Label: return {"STATIC", SS_CENTER | SS_NOTIFY, 0};
    case forms::Kind::PictureBox: return {kControlClassName, 0, WS_EX_CLIENTEDGE};
    case forms::Kind::CommandButton: return {"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
    case forms::Kind::TextBox: break;
    }
    DWORD style = WS_TABSTOP | (properties.readOnly ? ES_READONLY : 0) | (properties.verticalScrollBar ? WS_VSCROLL : 0);
    style |= properties.multiLine ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    return {"EDIT", style, WS_EX_CLIENTEDGE};
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance)
{
    const forms::FormProperties &window = formProperties();
    registerClasses(instance, window.backColor, &MainWindow::windowMessage);
    const HDC screen = GetDC(nullptr);
    dotsPerInch_ = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, pixelsOf(window.width, dotsPerInch_), pixelsOf(window.height, dotsPerInch_)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    handle_ = CreateWindowExA(0, kClassName, window.caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, this);
    createControls(instance);
    setStackingOrder();
}

MainWindow::~MainWindow()
{
    if (handle_) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void MainWindow::createControls(HINSTANCE instance)
{
    const HBITMAP picture = LoadBitmapA(instance, "VELLOQ");
    for (std::size_t index = 0; index < controls().size(); ++index) {
        forms::Control &control = *controls()[index];
        const forms::Properties &properties = control.properties();
        forms::Placement place = properties.place;
        if (properties.container) {
            place.left += properties.container->properties().place.left;
            place.top += properties.container->properties().place.top;
        }
        const WindowKind kind = kindOf(control);
        const char *text = control.kind() == forms::Kind::TextBox ? "" : properties.caption;
        const HWND child = CreateWindowExA(
            kind.extendedStyle, kind.className, text, WS_CHILD | WS_CLIPSIBLINGS | kind.style,
            pixelsOf(place.left, dotsPerInch_), pixelsOf(place.top, dotsPerInch_),
            pixelsOf(place.width, dotsPerInch_), pixelsOf(place.height, dotsPerInch_), handle_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance, nullptr);
        switch (control.kind()) {
        case forms::Kind::Frame:
            windows_.push_back(std::make_unique<Frame>(*this, static_cast<forms::Frame &>(control), child));
            break;
        case forms::Kind::Label:
            windows_.push_back(std::make_unique<ViewWindow<>>(*this, control, child));
            windows_.back()->fitCaptionOnOneLine();
            break;
        case forms::Kind::PictureBox:
            windows_.push_back(std::make_unique<PictureBox>(*this, static_cast<forms::PictureBox &>(control), child, picture));
            break;
        case forms::Kind::CommandButton:
            windows_.push_back(std::make_unique<CommandButton>(*this, static_cast<forms::CommandButton &>(control), child));
            break;
        case forms::Kind::TextBox:
            windows_.push_back(std::make_unique<TextBox>(*this, static_cast<forms::TextBox &>(control), child));
            break;
        }
    }
    // Attached once every control has its window: a frame's state decides its labels'.
    for (std::size_t index = 0; index < controls().size(); ++index)
        forms::attachView(*controls()[index], dynamic_cast<forms::ControlView &>(*windows_[index]));
    showShownControls();
}

void MainWindow::setStackingOrder()
{
    HWND above = HWND_TOP;
    for (const forms::Control *control : stackingOrder()) {
        const HWND child = windowOf(*control)->handle();
        SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = child;
    }
    // What a frame holds lies just above it.
    for (const forms::Control *control : controls()) {
        if (!control->properties().container)
            continue;
        const HWND frame = windowOf(*control->properties().container)->handle();
        const HWND aboveFrame = GetWindow(frame, GW_HWNDPREV);
        SetWindowPos(windowOf(*control)->handle(), aboveFrame ? aboveFrame : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

ControlWindow *MainWindow::windowOf(const forms::Control &control) const
{
    const auto found = std::find(controls().begin(), controls().end(), &control);
    return found == controls().end() ? nullptr : windows_[static_cast<std::size_t>(found - controls().begin())].get();
}

ControlWindow *MainWindow::windowOf(HWND child) const
{
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(child) - kFirstControlId);
    if (GetParent(child) != handle_ || index >= windows_.size())
        return nullptr;
    return windows_[index].get();
}

void MainWindow::showShownControls()
{
    for (const auto &window : windows_)
        ShowWindow(window->handle(), window->control().isShownInForm() ? SW_SHOWNA : SW_HIDE);
}

bool MainWindow::takesKey(const MSG &message)
{
    if (message.hwnd != handle_ && GetParent(message.hwnd) != handle_)
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !control) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.message == WM_SYSKEYDOWN && !control) {
        if (forms::Frame *frame = frameWithAccessKey(static_cast<char>(message.wParam))) {
            frame->click();
            // Seen untranslated, the key still tells the system that Alt was not pressed
            // alone, which would open the window's menu and keep the keys that follow.
            DispatchMessageA(&message);
            return true;
        }
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        if (auto *button = dynamic_cast<CommandButton *>(windowOf(message.hwnd))) {
            button->button().click();
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK MainWindow::windowMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<MainWindow *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
        self->handle_ = handle;
        SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrA(handle, GWLP_USERDATA)))
        return self->message(message, wParam, lParam);
    return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT MainWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (ControlWindow *control = windowOf(reinterpret_cast<HWND>(lParam)))
            control->notified(HIWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (ControlWindow *control = windowOf(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(control->colours(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_DRAWITEM: {
        const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        if (ControlWindow *control = windowOf(item.hwndItem))
            control->draw(item);
        return TRUE;
    }
    // As a dialogue does, the window gives the focus back to the control that last held it.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focused = GetFocus();
            focusWhenActive_ = focused && GetParent(focused) == handle_ ? focused : nullptr;
        } else if (focusWhenActive_ && IsWindowVisible(focusWhenActive_)) {
            SetFocus(focusWhenActive_);
        } else {
            refocus();
        }
        return 0;
    case WM_DESTROY:
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        handle_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}

std::unique_ptr<MainWindow> createWindow(HINSTANCE instance)
{
    auto window = std::make_unique<MainWindow>(instance);
    app::loadWindow(*window);
    return window;
}

} // namespace backends::win32
