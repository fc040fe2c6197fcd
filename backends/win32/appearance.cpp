// SPDX-License-Identifier: MIT
#include "backends/win32/appearance.h"

#include <cmath>
#include <map>

namespace backends::win32 {

int pixelsOf(int twips, int dotsPerInch)
{
    return MulDiv(twips, dotsPerInch, 1440);
}

HFONT createFont(const forms::Font &font, int dotsPerInch)
{
    const double points = font.face ? font.points : 8.0;
    const bool boldItalic = font.style == forms::FontStyle::BoldItalic;
    return CreateFontA(-static_cast<int>(std::lround(points * dotsPerInch / 72.0)), 0, 0, 0,
                       boldItalic ? FW_BOLD : FW_NORMAL, boldItalic, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       font.face ? font.face : "MS Sans Serif");
}

HBRUSH brushOf(COLORREF colour)
{
    static std::map<COLORREF, HBRUSH> brushes;
    auto [brush, added] = brushes.try_emplace(colour, nullptr);
    if (added)
        brush->second = CreateSolidBrush(colour);
    return brush->second;
}

COLORREF defaultBackColour(forms::Kind kind)
{
    return GetSysColor(kind == forms::Kind::TextBox ? COLOR_WINDOW : COLOR_BTNFACE);
}

COLORREF defaultForeColour(forms::Kind kind)
{
    return GetSysColor(kind == forms::Kind::TextBox ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
}

} // namespace backends::win32
