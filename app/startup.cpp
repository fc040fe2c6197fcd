#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

namespace app {

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
