// SPDX-License-Identifier: MIT
#pragma once

#include "backends/win32/win32.h"
#include "forms/control.h"

namespace backends::win32 {

// Twips in pixels at the screen's resolution: 15 to a pixel at 96 dots per inch.
int pixelsOf(int twips, int dotsPerInch);

// The control's font at the screen's resolution; the system's "MS Sans Serif" 8 pt where none is set.
HFONT createFont(const forms::Font &font, int dotsPerInch);

// One brush for each colour, kept while the program runs: a window uses a handful.
HBRUSH brushOf(COLORREF colour);

// The colours a control takes where the description sets none, by its kind.
COLORREF defaultBackColour(forms::Kind kind);
COLORREF defaultForeColour(forms::Kind kind);

} // namespace backends::win32
