// SPDX-License-Identifier: MIT
#include "backends/qt/appearance.h"

#include <QColor>
#include <QFont>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace backends::qt {

QColor colorOf(std::uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::uint32_t bgrOf(const QColor &color)
{
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8
           | static_cast<std::uint32_t>(color.blue()) << 16;
}

void setColor(QWidget &widget, QPalette::ColorRole role, std::uint32_t bgr)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colorOf(bgr));
    widget.setPalette(palette);
}

QFont fontOf(const forms::Font &font)
{
    if (!font.face) {
        QFont ordinary = QApplication::font();
        ordinary.setResolveMask(QFont::AllPropertiesResolved);
        return ordinary;
    }
    QFont named(QString::fromLatin1(font.face));
    named.setPointSizeF(font.points);
    named.setBold(font.style == forms::FontStyle::BoldItalic);
    named.setItalic(font.style == forms::FontStyle::BoldItalic);
    return named;
}

int pixelsOf(int twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dotsPerInch = screen ? screen->logicalDotsPerInchX() : 96.0;
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

void place(QWidget &widget, const forms::Placement &place)
{
    widget.setGeometry(pixelsOf(place.left), pixelsOf(place.top), pixelsOf(place.width), pixelsOf(place.height));
}

} // namespace backends::qt
