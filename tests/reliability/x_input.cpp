// SPDX-License-Identifier: MIT
#include "x_input.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>

namespace reliability {

namespace {

unsigned long keysymOf(char32_t character)
{
    const bool latin1 = (character >= 0x20 && character < 0x7F) || (character >= 0xA0 && character <= 0xFF);
    return latin1 ? character : 0x01000000 | character;
}

void check(bool ok, const char *what)
{
    if (!ok)
        qFatal("%s", what);
}

} // namespace

void startOwnXServer()
{
    int pipeEnds[2];
    check(pipe(pipeEnds) == 0, "no pipe for Xvfb");
    const pid_t server = fork();
    if (server == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(pipeEnds[0]);
        const std::string fd = std::to_string(pipeEnds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "2048x1600x24", "-nolisten", "tcp",
               "-fp", "built-ins", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string number;
    char c;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(pipeEnds[0]);
    check(server > 0 && !number.empty(), "Xvfb did not start");
    static const pid_t started = server;
    std::atexit([] { kill(started, SIGTERM); });
    const std::string display = ":" + number;
    setenv("DISPLAY", display.c_str(), 1);
    // A layout with dead keys, as many users type with.
    check(std::system("setxkbmap -layout us -variant intl") == 0, "setxkbmap failed");
}

XInput::XInput()
    : display_(XOpenDisplay(nullptr))
{
    check(display_, "no connection to the X server");
    int event, error, major, minor;
    check(XTestQueryExtension(display_, &event, &error, &major, &minor), "the X server has no XTest");
    settledAtom_ = XInternAtom(display_, "_TESTS_SETTLED", False);

    // A key the layout leaves empty, for characters it has no key for.
    int first, last, perKeycode;
    XDisplayKeycodes(display_, &first, &last);
    KeySym *map = XGetKeyboardMapping(display_, first, last - first + 1, &perKeycode);
    for (int keycode = last; keycode >= first && !spareKeycode_; --keycode) {
        bool empty = true;
        for (int i = 0; i < perKeycode; ++i)
            empty = empty && map[(keycode - first) * perKeycode + i] == NoSymbol;
        if (empty)
            spareKeycode_ = static_cast<unsigned char>(keycode);
    }
    XFree(map);
    check(spareKeycode_, "the layout has no spare key");
    QCoreApplication::instance()->installNativeEventFilter(this);
}

XInput::~XInput()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
    KeySym none = NoSymbol;  // the spare key goes back for the next session
    XChangeKeyboardMapping(display_, spareKeycode_, 1, &none, 1);
    XCloseDisplay(display_);
}

unsigned char XInput::keycodeFor(unsigned long keysym, bool &shift)
{
    const KeyCode keycode = XKeysymToKeycode(display_, keysym);
    for (int level = 0; keycode && level < 2; ++level) {
        if (XkbKeycodeToKeysym(display_, keycode, 0, level) == keysym) {
            shift = shift || level == 1;
            return keycode;
        }
    }
    if (spareKeysym_ != keysym) {
        KeySym both[2] = {keysym, keysym};
        XChangeKeyboardMapping(display_, spareKeycode_, 2, both, 1);
        XSync(display_, False);
        spareKeysym_ = keysym;
    }
    return spareKeycode_;
}

void XInput::press(unsigned char keycode, bool down)
{
    XTestFakeKeyEvent(display_, keycode, down, CurrentTime);
}

void XInput::key(unsigned long keysym, bool shift, bool control)
{
    const unsigned char keycode = keycodeFor(keysym, shift);
    const unsigned char shiftKey = XKeysymToKeycode(display_, XK_Shift_L);
    const unsigned char controlKey = XKeysymToKeycode(display_, XK_Control_L);
    if (control)
        press(controlKey, true);
    if (shift)
        press(shiftKey, true);
    press(keycode, true);
    press(keycode, false);
    if (shift)
        press(shiftKey, false);
    if (control)
        press(controlKey, false);
    XFlush(display_);
}

void XInput::type(char32_t character)
{
    key(keysymOf(character));
}

void XInput::hold(char32_t character)
{
    bool shift = false;
    const unsigned char keycode = keycodeFor(keysymOf(character), shift);
    const unsigned char shiftKey = XKeysymToKeycode(display_, XK_Shift_L);
    unsigned int delay, interval;
    XkbGetAutoRepeatRate(display_, XkbUseCoreKbd, &delay, &interval);
    XkbSetAutoRepeatRate(display_, XkbUseCoreKbd, 30, 15);
    if (shift)
        press(shiftKey, true);
    press(keycode, true);
    XSync(display_, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(90));
    press(keycode, false);
    if (shift)
        press(shiftKey, false);
    XkbSetAutoRepeatRate(display_, XkbUseCoreKbd, delay, interval);
    XFlush(display_);
}

void XInput::deadKey(unsigned long deadKeysym, char32_t character)
{
    key(deadKeysym);
    type(character);
}

void XInput::moveTo(QPoint at)
{
    XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
}

void XInput::button(int number, bool down)
{
    XTestFakeButtonEvent(display_, static_cast<unsigned>(number), down, CurrentTime);
}

void XInput::click(QPoint at, int number, int count)
{
    moveTo(at);
    for (int i = 0; i < count; ++i) {
        button(number, true);
        button(number, false);
    }
    XFlush(display_);
}

void XInput::drag(QPoint from, QPoint to)
{
    moveTo(from);
    button(1, true);
    XFlush(display_);
    // Once the moves start a drag and drop, Qt runs it in an event loop of its own until the
    // button is released: the rest of the gesture comes from a timer, which fires in that loop too.
    constexpr int kSteps = 8;
    int step = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++step <= kSteps)
            moveTo(from + (to - from) * step / kSteps);
        else
            button(1, false);
        XFlush(display_);
    });
    timer.start(15);
    while (step <= kSteps)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void XInput::resize(QWidget &window, int width, int height)
{
    XResizeWindow(display_, window.winId(), static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFlush(display_);
}

void XInput::focus(QWidget &window)
{
    XSetInputFocus(display_, window.winId(), RevertToParent, CurrentTime);
    XFlush(display_);
}

void XInput::close(QWidget &window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.winId();
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window.winId(), False, NoEventMask, &event);
    XFlush(display_);
}

// A message sent after the input reaches the application after it, on the same connection.
void XInput::settle(QWidget &window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.winId();
    event.xclient.message_type = settledAtom_;
    event.xclient.format = 32;
    settled_ = false;
    XSendEvent(display_, window.winId(), False, NoEventMask, &event);
    XFlush(display_);

    // The timer also fires inside event loops of the application's own (a drag and drop).
    QElapsedTimer clock;
    clock.start();
    QTimer wakeUp;
    QObject::connect(&wakeUp, &QTimer::timeout, [&] {
        if (clock.elapsed() > 60000)
            qFatal("the application did not handle its X events within 60 s");
    });
    wakeUp.start(50);
    while (!settled_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

bool XInput::nativeEventFilter(const QByteArray &, void *message, qintptr *)
{
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
        return false;
    if (reinterpret_cast<const xcb_client_message_event_t *>(event)->type != settledAtom_)
        return false;
    settled_ = true;
    return true;
}

} // namespace reliability
