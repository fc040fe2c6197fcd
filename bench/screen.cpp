// SPDX-License-Identifier: MIT
#include "screen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QWidget>

#include <chrono>

namespace bench {

void settle(QWidget &window)
{
    QCoreApplication::sendPostedEvents();
    QEvent updateRequest(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &updateRequest);
}

void activate(QWidget &window, QWidget *focus)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window did not become active");
    if (focus)
        focus->setFocus();
    settle(window);
}

double secondsToSettle(QWidget &window, const std::function<void()> &action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    settle(window);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool showsEnd(const QPlainTextEdit &box)
{
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    return box.viewport()->rect().intersects(box.cursorRect(end));
}

void PaintWatch::watch(QPlainTextEdit &box)
{
    box.viewport()->installEventFilter(this);
}

bool PaintWatch::painted(const QPlainTextEdit &box) const
{
    return painted_.contains(box.viewport());
}

bool PaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        painted_.insert(watched);
    return false;
}

} // namespace bench
