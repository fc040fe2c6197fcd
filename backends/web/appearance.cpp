// SPDX-License-Identifier: MIT
#include "backends/web/appearance.h"

#include <cstdio>
#include <cstring>

namespace backends::web {

std::string pixelsOf(int twips)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gpx", twips / 15.0);
    return text;
}

std::string cssColour(std::uint32_t bgr)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    return text;
}

namespace {

std::string familiesOf(const char *face)
{
    if (!face)
        return "\"MS Sans Serif\", \"DejaVu Sans\", sans-serif";
    if (std::strcmp(face, "Comic Sans MS") == 0)
        return "\"Comic Sans MS\", \"Comic Neue\", cursive";
    if (std::strcmp(face, "Verdana") == 0)
        return "Verdana, \"DejaVu Sans\", sans-serif";
    return std::string("\"") + face + "\", sans-serif";
}

} // namespace

std::string cssFont(const forms::Font &font)
{
    char size[32];
    std::snprintf(size, sizeof size, "%gpt ", font.face ? font.points : 8.0);
    const char *style = font.style == forms::FontStyle::BoldItalic ? "italic bold " : "";
    return style + std::string(size) + familiesOf(font.face);
}

// Windows' light defaults: a white box with black text, the dialog face elsewhere.
std::uint32_t defaultBackColour(forms::Kind kind)
{
    return kind == forms::Kind::TextBox ? 0xFFFFFF : 0xF0F0F0;
}

std::uint32_t defaultForeColour(forms::Kind)
{
    return 0x000000;
}

} // namespace backends::web
