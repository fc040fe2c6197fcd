// SPDX-License-Identifier: MIT
// Measures the Win32 program against a floor of bare EDIT controls in the same run and prints the
// ratios: every iteration times the program's action and the floor's in turns, each followed by
// painting what it changed.
#include "backends/win32/main_window.h"
#include "cipher/encoder.h"
#include "messages.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using backends::win32::MainWindow;

double now()
{
    static const double frequency = [] {
        LARGE_INTEGER ticks;
        QueryPerformanceFrequency(&ticks);
        return static_cast<double>(ticks.QuadPart);
    }();
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return static_cast<double>(ticks.QuadPart) * 1000.0 / frequency;
}

// Delivers every pending message and paints every window's dirty regions, children's included.
void settle(HWND window)
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void setText(HWND box, const std::string &text)
{
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(box, EM_SETSEL, text.size(), text.size());
}

void appendAtEnd(HWND box, const char *text)
{
    const auto length = static_cast<WPARAM>(GetWindowTextLengthA(box));
    SendMessageA(box, EM_SETSEL, length, length);
    SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

// The floors' window: bare EDIT controls where the program's message boxes stand, with their
// styles, sizes and fonts, in a plain top-level window beside the program's.
struct FloorWindow {
    HWND window;
    HWND clearBox;
    HWND encryptedBox;

    explicit FloorWindow(const MainWindow &program)
    {
        WNDCLASSA floorClass{};
        floorClass.lpfnWndProc = DefWindowProcA;
        floorClass.hInstance = GetModuleHandleA(nullptr);
        floorClass.lpszClassName = "QuenmarkFloor";
        RegisterClassA(&floorClass);
        RECT frame;
        GetWindowRect(program.handle(), &frame);
        window = CreateWindowExA(0, "QuenmarkFloor", "Floor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                 frame.right + 10, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                 nullptr, nullptr, floorClass.hInstance, nullptr);
        clearBox = twinOf(program, program.txtin);
        encryptedBox = twinOf(program, program.txtencrypt);
    }

    HWND twinOf(const MainWindow &program, const forms::Control &control) const
    {
        const HWND box = program.windowOf(control)->handle();
        RECT place;
        GetWindowRect(box, &place);
        MapWindowPoints(nullptr, program.handle(), reinterpret_cast<POINT *>(&place), 2);
        const HWND twin = CreateWindowExA(
            static_cast<DWORD>(GetWindowLongPtrA(box, GWL_EXSTYLE)), "EDIT", "",
            static_cast<DWORD>(GetWindowLongPtrA(box, GWL_STYLE)) | WS_VISIBLE, place.left, place.top,
            place.right - place.left, place.bottom - place.top, window, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(twin, WM_SETFONT, SendMessageA(box, WM_GETFONT, 0, 0), FALSE);
        SendMessageA(twin, EM_SETLIMITTEXT, 0, 0);
        return twin;
    }
};

struct Side {
    std::function<void()> act;           // timed, with the painting after it
    std::function<bool()> shownRightly;  // untimed, after the last iteration
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Each iteration times every side, in turns starting one side later each time.
std::vector<double> measure(const std::vector<Side *> &sides, int iterations)
{
    std::vector<std::vector<double>> times(sides.size());
    for (int iteration = 0; iteration < iterations; ++iteration) {
        for (std::size_t turn = 0; turn < sides.size(); ++turn) {
            const std::size_t side = (turn + static_cast<std::size_t>(iteration)) % sides.size();
            const double start = now();
            sides[side]->act();
            times[side].push_back(now() - start);
        }
    }
    std::vector<double> medians;
    for (std::size_t side = 0; side < sides.size(); ++side) {
        if (!sides[side]->shownRightly()) {
            std::printf("fault: side %zu did not show what it should\n", side);
            std::exit(1);
        }
        medians.push_back(median(times[side]));
    }
    return medians;
}

struct Row {
    std::string figure;
    double measured;
    double against;
    double target;  // none (0): a reference
};

// The key at the end of both message boxes holding `length` characters in lines.
std::array<Side, 2> keyPressSides(MainWindow &program, FloorWindow &floor, std::size_t length)
{
    const std::string clear = bench::clearMessage(length, bench::Layout::LineBreaks);
    const std::string code = bench::enciphered(clear);
    const HWND programBox = program.windowOf(program.txtin)->handle();
    Side programSide{[&program, programBox] {
                         SendMessageA(programBox, WM_CHAR, 'k', 1);
                         settle(program.handle());
                     },
                     [&program, length] {
                         const std::string &shown = program.txtencrypt.text();
                         return shown.size() > length && shown.back() == 'K' && program.txtin.text().back() == 'k';
                     }};
    Side floorSide{[&floor] {
                       SendMessageA(floor.clearBox, WM_CHAR, 'k', 1);
                       appendAtEnd(floor.encryptedBox, "K");
                       settle(floor.window);
                   },
                   [&floor, length] {
                       return static_cast<std::size_t>(GetWindowTextLengthA(floor.encryptedBox)) > length;
                   }};
    program.txtin.setText(clear);
    program.txtencrypt.setText(code);
    SendMessageA(programBox, EM_SETSEL, clear.size(), clear.size());
    setText(floor.clearBox, clear);
    setText(floor.encryptedBox, code);
    settle(program.handle());
    settle(floor.window);
    return {programSide, floorSide};
}

} // namespace

int main()
{
    const auto program = backends::win32::createWindow(GetModuleHandleA(nullptr));
    ShowWindow(program->handle(), SW_SHOWNORMAL);
    FloorWindow floor(*program);
    settle(program->handle());
    settle(floor.window);
    std::vector<Row> rows;

    auto [programEmpty, floorEmpty] = keyPressSides(*program, floor, 0);
    const std::vector<double> empty = measure({&programEmpty, &floorEmpty}, 200);
    rows.push_back({"Key press, line breaks, N = 0", empty[0], empty[1], 1.2});
    auto [programFull, floorFull] = keyPressSides(*program, floor, 100000);
    const std::vector<double> full = measure({&programFull, &floorFull}, 200);
    rows.push_back({"Key press, line breaks, N = 100000", full[0], full[1], 1.2});
    // Wine's EDIT control itself costs more per key as its text grows: the floor shows how much.
    rows.push_back({"Key press: N = 100000 over N = 0", full[0], empty[0], 0});
    rows.push_back({"  the same for the floor (bare EDIT)", full[1], empty[1], 0});

    // Re-encrypt: the message set once; each press rebuilds the encrypted box. Floor: one
    // substitution pass over the bytes, one WM_SETTEXT into a bare box, a paint.
    const std::string clear = bench::clearMessage(1000000, bench::Layout::LineBreaks);
    program->txtin.setText(clear);
    Side programReencrypt{[&program] {
                              program->cmdre.click();
                              settle(program->handle());
                          },
                          [&program, &clear] { return program->txtencrypt.text().size() == clear.size() + 1; }};
    Side floorReencrypt{[&floor, &clear] {
                            std::string code(clear.size(), '\0');
                            std::transform(clear.begin(), clear.end(), code.begin(), [](char byte) {
                                return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
                            });
                            SendMessageA(floor.encryptedBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(code.c_str()));
                            settle(floor.window);
                        },
                        [&floor, &clear] {
                            return static_cast<std::size_t>(GetWindowTextLengthA(floor.encryptedBox)) == clear.size();
                        }};
    const std::vector<double> reencrypt = measure({&programReencrypt, &floorReencrypt}, 5);
    rows.push_back({"Re-encrypt, line breaks, N = 1000000", reencrypt[0], reencrypt[1], 1.2});

    std::printf("%-40s %12s %12s %7s %8s\n", "Figure (medians)", "measured", "against", "ratio", "target");
    int over = 0;
    for (const Row &row : rows) {
        const double ratio = row.measured / row.against;
        const bool measuredAgainstTarget = row.target > 0;
        over += measuredAgainstTarget && ratio > row.target;
        std::printf("%-40s %9.3f ms %9.3f ms %7.2f  ", row.figure.c_str(), row.measured, row.against, ratio);
        std::printf(measuredAgainstTarget ? "<= %.1f\n" : "(reference)\n", row.target);
    }
    std::printf("\n%d over target\n", over);
    return over == 0 ? 0 : 1;
}
