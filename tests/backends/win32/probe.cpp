// SPDX-License-Identifier: MIT
// Reports on the running program's window, for the test that drives it under Wine:
//   text NAME | rect NAME | visible NAME... | focus | client
#include "backends/win32/main_window.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

namespace {

using backends::win32::MainWindow;
constexpr int kFirstId = MainWindow::kFirstControlId;

std::vector<std::string> controlNames()
{
    const window::frmVelloq form;
    std::vector<std::string> names;
    for (const forms::Control *control : form.controls())
        names.emplace_back(control->name());
    return names;
}

HWND controlNamed(HWND window, const std::vector<std::string> &names, const std::string &name)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return GetDlgItem(window, kFirstId + static_cast<int>(i));
    return nullptr;
}

int fail(const char *message)
{
    std::fprintf(stderr, "quenmark_probe: %s\n", message);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  // text as the box holds it, and lines ending in LF alone
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return fail("usage: text NAME | rect NAME | visible NAME... | focus | client");
    const HWND window = FindWindowA(MainWindow::kClassName, nullptr);
    if (!window)
        return fail("no window");
    const std::vector<std::string> names = controlNames();
    const std::string &command = args[0];

    if (command == "focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        HWND focus = GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
        while (focus && GetParent(focus) != window)
            focus = GetParent(focus);
        const int index = focus ? GetDlgCtrlID(focus) - kFirstId : -1;
        std::printf("%s\n", index >= 0 && index < static_cast<int>(names.size()) ? names[index].c_str() : "none");
        return 0;
    }
    if (command == "client") {
        RECT area{};
        POINT origin{0, 0};
        GetClientRect(window, &area);
        ClientToScreen(window, &origin);
        std::printf("%ld %ld %ld %ld\n", area.right, area.bottom, origin.x, origin.y);
        return 0;
    }
    if (command == "visible") {  // several names at once: each start of the probe costs a fifth of a second
        for (std::size_t i = 1; i < args.size(); ++i) {
            const HWND control = controlNamed(window, names, args[i]);
            if (!control)
                return fail("no such control");
            std::printf("%d\n", IsWindowVisible(control) ? 1 : 0);
        }
        return 0;
    }
    if (args.size() != 2)
        return fail("a control's name is wanted");
    const HWND control = controlNamed(window, names, args[1]);
    if (!control)
        return fail("no such control");

    if (command == "text") {
        // The box may hold far more than 64 KiB: the length is asked first.
        const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT copied = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        std::fwrite(text.data(), 1, static_cast<std::size_t>(copied), stdout);
        return 0;
    }
    if (command == "rect") {
        RECT box{};
        GetWindowRect(control, &box);
        std::printf("%ld %ld %ld %ld\n", box.left, box.top, box.right - box.left, box.bottom - box.top);
        return 0;
    }
    return fail("unknown command");
}
