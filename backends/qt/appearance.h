// SPDX-License-Identifier: MIT
#pragma once

#include "forms/properties.h"

#include <QPalette>

#include <cstdint>

class QColor;
class QFont;
class QWidget;

namespace backends::qt {

QColor colorOf(std::uint32_t bgr);
std::uint32_t bgrOf(const QColor &color);
void setColor(QWidget &widget, QPalette::ColorRole role, std::uint32_t bgr);

// A font the window names, or, with no face, the toolkit's ordinary font, not merged with the
// container's.
QFont fontOf(const forms::Font &font);

// Positions and sizes are in twips: 1440 to the inch, 15 to the pixel at 96 dots per inch.
int pixelsOf(int twips);
void place(QWidget &widget, const forms::Placement &place);

} // namespace backends::qt
