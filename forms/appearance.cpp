// SPDX-License-Identifier: MIT
#include "forms/appearance.h"

#include <QColor>
#include <QFont>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace forms {

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

QFont fontOf(const char *face, qreal points, FontStyle style)
{
    QFont font(QString::fromLatin1(face));
    font.setPointSizeF(points);
    font.setBold(style == FontStyle::BoldItalic);
    font.setItalic(style == FontStyle::BoldItalic);
    return font;
}

QFont defaultFont()
{
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);  // so it is not merged with the container's
    return font;
}

int pixelsOf(int twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dotsPerInch = screen ? screen->logicalDotsPerInchX() : 96.0;
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

void place(QWidget &widget, int left, int top, int width, int height)
{
    widget.setGeometry(pixelsOf(left), pixelsOf(top), pixelsOf(width), pixelsOf(height));
}

} // namespace forms
