// SPDX-License-Identifier: MIT
// Starts as the program does, then exits once the window's first paint is done:
//   quenmark_startup_probe window              the program's window
//   quenmark_startup_probe empty WIDTH HEIGHT  an empty top-level window of that size
#include "backends/qt/startup.h"
#include "backends/qt/main_window.h"
#include "window/frmVelloq.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The window and all its children paint in one pass; quitting is queued behind that pass.
class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    const bool empty = argc == 4 && std::strcmp(argv[1], "empty") == 0;
    if (!empty && !(argc == 2 && std::strcmp(argv[1], "window") == 0)) {
        std::fprintf(stderr, "usage: %s window | empty WIDTH HEIGHT\n", argv[0]);
        return 2;
    }

    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (empty) {
        window = std::make_unique<QWidget>();
        window->resize(std::atoi(argv[2]), std::atoi(argv[3]));
    } else {
        backends::qt::prepareApplication(application);
        window = backends::qt::createWindow();
    }
    QuitAfterFirstPaint quitter;
    window->installEventFilter(&quitter);
    window->show();

    QTimer::singleShot(10000, &application, [] { QCoreApplication::exit(3); });
    return application.exec();
}
