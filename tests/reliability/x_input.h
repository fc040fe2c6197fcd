// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPoint>

#include <cstdint>
#include <memory>

class QWidget;
struct _XDisplay;

// Input as a person sends it on an X server: key and button events through XTest, on a connection
// of the tests' own, as xdotool sends them.
namespace reliability {

// Starts Xvfb on a free display of its own and points DISPLAY at it; the server ends with the
// process. Before the QApplication is made.
void startOwnXServer();

class XInput : private QAbstractNativeEventFilter {
public:
    XInput();
    ~XInput() override;

    // A character typed on the keyboard; characters the layout lacks are bound to a spare key
    // first, as xdotool does.
    void type(char32_t character);
    // A key by its keysym, with Shift and Control held as asked.
    void key(unsigned long keysym, bool shift = false, bool control = false);
    // Held until the server's auto-repeat has sent the key again a few times.
    void hold(char32_t character);
    // The US international layout's dead key, then the character it is to compose with.
    void deadKey(unsigned long deadKeysym, char32_t character);

    // Buttons 1 (left), 2 (middle) and 3 (right), at a point of the screen.
    void click(QPoint at, int button = 1, int count = 1);
    void drag(QPoint from, QPoint to);
    void resize(QWidget &window, int width, int height);
    // What a window manager does when the user picks a window, or closes it (WM_DELETE_WINDOW).
    void focus(QWidget &window);
    void close(QWidget &window);

    // Returns once the application has handled everything sent so far.
    void settle(QWidget &window);

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    unsigned char keycodeFor(unsigned long keysym, bool &shift);
    void press(unsigned char keycode, bool down);
    void button(int number, bool down);
    void moveTo(QPoint at);

    _XDisplay *display_;
    unsigned char spareKeycode_ = 0;
    unsigned long spareKeysym_ = 0;
    unsigned long settledAtom_ = 0;
    bool settled_ = false;
};

} // namespace reliability
