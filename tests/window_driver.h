// SPDX-License-Identifier: MIT
#pragma once

// Drives the real window as a user would: key presses, clicks and pastes through Qt's events. The
// test programs that open the window or its controls start with QUENMARK_TEST_MAIN.

#include "backends/qt/control_widget.h"
#include "backends/qt/main_window.h"
#include "backends/qt/startup.h"
#include "backends/qt/windows1252.h"
#include "window/frmVelloq.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <string_view>

namespace testing {

// The application as QTEST_MAIN makes it, at 96 dots per inch, with the program's own settings.
inline void prepareTestApplication(QApplication &application)
{
    application.setAttribute(Qt::AA_Use96Dpi, true);
    backends::qt::prepareApplication(application);
}

// The Qt widget that shows a control.
template <class Widget = QWidget>
Widget *widget(const forms::Control &control)
{
    return static_cast<Widget *>(backends::qt::widgetOf(control));
}

// A shown, active window in its start state.
inline std::unique_ptr<backends::qt::MainWindow> openWindow()
{
    auto form = backends::qt::createWindow();
    form->show();
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("the window did not become active");
    return form;
}

// Types Windows-1252 text key by key. QTest::keyClicks cannot send every character, so each
// printable character goes as an event with its text; CR and LF press Enter, 8 Backspace.
inline void type(QWidget *box, std::string_view ansi)
{
    for (char byte : ansi) {
        switch (byte) {
        case '\r':
        case '\n': QTest::keyClick(box, Qt::Key_Return); break;
        case '\b': QTest::keyClick(box, Qt::Key_Backspace); break;
        default: {
            const QString text = backends::qt::toUnicode(std::string_view(&byte, 1));
            QTest::sendKeyEvent(QTest::KeyAction::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
        }
        }
    }
}

// What an input method sends when it has composed a character (a dead key's letter, say).
inline void commit(QWidget *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

inline void paste(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

inline void click(QWidget *control, QPoint where = {})
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, where.isNull() ? control->rect().center() : where);
}

inline QWidget *focused(const QWidget &form)
{
    return form.focusWidget();
}

// The window's own controls, leaving out the parts Qt builds inside them (viewports, scroll bars).
inline QList<QWidget *> controlsOf(const QWidget &form)
{
    QList<QWidget *> controls;
    for (QWidget *child : form.findChildren<QWidget *>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            controls << child;
    return controls;
}

// The names of the controls the window would show, sorted; a hidden frame hides what it contains.
inline QStringList shownControls(const QWidget &form)
{
    QStringList shown;
    for (const QWidget *control : controlsOf(form))
        if (control->isVisibleTo(&form))
            shown << control->objectName();
    shown.sort();
    return shown;
}

// Where a user's key presses go: the control that holds the focus.
inline void typeIntoFocus(const QWidget &form, std::string_view ansi)
{
    type(focused(form), ansi);
}

// A point on the face of "Click to Change Code Book" that no control covers.
inline void clickChangeFrame(window::frmVelloq &form)
{
    click(widget(form.frmchange), QPoint(100, 60));
}

} // namespace testing

#define QUENMARK_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char *argv[])                                                                               \
    {                                                                                                              \
        QApplication application(argc, argv);                                                                      \
        testing::prepareTestApplication(application);                                                              \
        TestClass test;                                                                                            \
        return QTest::qExec(&test, argc, argv);                                                                    \
    }
