// SPDX-License-Identifier: MIT
#include "backends/win32/command_line.h"
#include "backends/win32/main_window.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    using namespace backends::win32;
    if (const auto answer = answerToCommandLine({__argv + 1, __argv + __argc})) {
        MessageBoxA(nullptr, answer->text.c_str(), "The Quenmark", answer->isError ? MB_ICONERROR : MB_ICONINFORMATION);
        return answer->isError ? EXIT_FAILURE : EXIT_SUCCESS;
    }
    const auto window = createWindow(instance);
    ShowWindow(window->handle(), show);
    UpdateWindow(window->handle());

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (window->takesKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
