#include "app/startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

namespace app {

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

void prepareApplication(QApplication &application)
{
    application.setApplicationName(QStringLiteral("The Quenmark"));
    application.setApplicationVersion(QStringLiteral("1.00"));
    application.setDesktopFileName(QStringLiteral("org.quenmark.Quenmark"));
    QIcon icon(QStringLiteral(":/quenmark.ico"));
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.quenmark.Quenmark.png").arg(size));
    application.setWindowIcon(icon);
    // Fusion paints button faces and frames in the colours the window gives them, on every platform.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The window names Windows faces; these are the nearest that Debian ships.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

} // namespace app
