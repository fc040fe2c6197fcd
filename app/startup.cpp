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
    application.setWindowIcon(QIcon(QStringLiteral(":/quenmark.ico")));
    // Fusion paints button faces and frames in the colours the window gives them, on every platform.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The window names Windows faces; these are the nearest that Debian ships.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

} // namespace app
