// SPDX-License-Identifier: MIT
#include "backends/win32/text_box.h"

namespace backends::win32 {

TextBox::TextBox(MainWindow &window, forms::TextBox &box, HWND handle)
    : ViewWindow(window, box, handle)
    , box_(box)
    , editProcedure_(reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextBox::editMessage))))
{
    // An EDIT control takes 30,000 characters unless told otherwise: a message would stop there.
    SendMessageA(handle, EM_SETLIMITTEXT, 0, 0);
}

// After a procedure's appends only what they added goes to the control, at its end: sending the
// whole text anew would cost as much as the text is long, at every key.
void TextBox::showText(const std::string &text, std::size_t from)
{
    if (from == 0) {
        SetWindowTextA(handle(), text.c_str());
        return;
    }
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    SendMessageA(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), reinterpret_cast<LPARAM>(&selectionEnd));
    SendMessageA(handle(), EM_SETSEL, from, -1);
    SendMessageA(handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str() + from));
    // A user selecting in the box keeps the selection; elsewhere the box shows its new end.
    if (holdsFocus() && selectionEnd < from)
        SendMessageA(handle(), EM_SETSEL, selectionStart, selectionEnd);
}

std::string TextBox::shownText() const
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(handle())) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void TextBox::notified(int notification)
{
    if (notification == EN_CHANGE)
        box_.userEdited();
}

LRESULT CALLBACK TextBox::editMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto &self = static_cast<TextBox &>(*reinterpret_cast<ControlWindow *>(GetWindowLongPtrA(handle, GWLP_USERDATA)));
    if (message == WM_CHAR) {
        if (wParam == '\t')  // Tab only moves the focus
            return 0;
        const int keyAscii = self.box_.raiseKeyPress(static_cast<int>(wParam & 0xFF));
        if (keyAscii == 0 || (!self.box_.properties().multiLine && (keyAscii == '\r' || keyAscii == '\n')))
            return 0;
        wParam = static_cast<WPARAM>(keyAscii & 0xFF);
    }
    return CallWindowProcA(self.editProcedure_, handle, message, wParam, lParam);
}

} // namespace backends::win32
