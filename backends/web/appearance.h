// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

#include <cstdint>
#include <string>

namespace backends::web {

// Twips in CSS pixels, which are 96 to the inch.
std::string pixelsOf(int twips);

// 0xBBGGRR as a CSS colour.
std::string cssColour(std::uint32_t bgr);

// The CSS font of a control; the system's "MS Sans Serif" 8 pt where none is set. A named face
// is followed by the faces that stand in where it is missing.
std::string cssFont(const forms::Font &font);

// The colours a control takes where the description sets none, by its kind.
std::uint32_t defaultBackColour(forms::Kind kind);
std::uint32_t defaultForeColour(forms::Kind kind);

} // namespace backends::web
