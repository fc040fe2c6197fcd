// SPDX-License-Identifier: MIT
#pragma once

#include <QPalette>

#include <cstdint>

class QColor;
class QFont;
class QWidget;

namespace forms {

// Colours are written 0xBBGGRR, blue in the high byte.
QColor colorOf(std::uint32_t bgr);
std::uint32_t bgrOf(const QColor &color);
void setColor(QWidget &widget, QPalette::ColorRole role, std::uint32_t bgr);

enum class FontStyle { Regular, BoldItalic };
QFont fontOf(const char *face, qreal points, FontStyle style = FontStyle::Regular);
// The toolkit's ordinary font, for a control whose container has a font of its own.
QFont defaultFont();

// Positions and sizes are in twips: 1440 to the inch, 15 to the pixel at 96 dots per inch.
int pixelsOf(int twips);
void place(QWidget &widget, int left, int top, int width, int height);

} // namespace forms
