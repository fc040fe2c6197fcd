// SPDX-License-Identifier: MIT
#include "backends/qt/startup.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace backends::qt {

// With no bus address set, libdbus joins the user's bus at $XDG_RUNTIME_DIR/bus and, failing
// that, autolaunches a bus (dbus-launch): a daemon that writes under ~/.dbus and outlives the
// program, which writes no files. Accessibility still uses any bus that is running.
void doWithoutASessionBusWhereNoneRuns()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtimeDir.isEmpty() || !QFileInfo::exists(runtimeDir + QStringLiteral("/bus")))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

namespace {

// Qt's messages while the application is created: without a display they are several lines
// ending in an abort, so they wait until the display is known to be there.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::vector<HeldMessage> heldMessages;
std::mutex heldMessagesMutex;  // Qt may report from its own threads, such as the X11 event reader

void exitIfNoDisplay(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        const std::lock_guard lock(heldMessagesMutex);
        heldMessages.push_back({type, context.file, context.function, context.category, context.line, text});
        return;
    }
    const QByteArray display = qgetenv("DISPLAY").isEmpty() ? qgetenv("WAYLAND_DISPLAY") : qgetenv("DISPLAY");
    const QByteArray why = display.isEmpty() ? "neither DISPLAY nor WAYLAND_DISPLAY is set"
                                             : "the display " + display + " could not be opened";
    std::fprintf(stderr, "quenmark: needs a graphical display, but %s; start it in a desktop session, "
                         "or over ssh with ssh -X\n", why.constData());
    std::_Exit(EXIT_FAILURE);
}

} // namespace

std::unique_ptr<QApplication> createApplication(int &argc, char *argv[])
{
    const QtMessageHandler qtHandler = qInstallMessageHandler(exitIfNoDisplay);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    std::vector<HeldMessage> heldUntilNow;
    {
        const std::lock_guard lock(heldMessagesMutex);
        heldUntilNow.swap(heldMessages);
    }
    for (const HeldMessage &held : heldUntilNow) {
        const auto orNull = [](const QByteArray &text) { return text.isNull() ? nullptr : text.constData(); };
        const QMessageLogContext context(orNull(held.file), held.line, orNull(held.function), orNull(held.category));
        qtHandler(held.type, context, held.text);
    }
    return application;
}

void prepareApplication(QApplication &application)
{
    // The short name is the window's class on X11, which the menu entry's StartupWMClass names.
    application.setApplicationName(QStringLiteral("quenmark"));
    application.setApplicationDisplayName(QStringLiteral("The Quenmark"));
    application.setApplicationVersion(QStringLiteral(QUENMARK_VERSION));
    application.setDesktopFileName(QStringLiteral("org.quenmark.Quenmark"));
    QIcon icon(QStringLiteral(":/quenmark.ico"));
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.quenmark.Quenmark.png").arg(size));
    application.setWindowIcon(icon);
    // Qt's own texts, such as the text boxes' context menus, in the user's language.
    auto *qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    // Fusion paints button faces and frames in the colours the window gives them, on every platform.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The window names Windows faces; these are the nearest that Debian ships.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

} // namespace backends::qt
