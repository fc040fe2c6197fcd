// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

// The properties a window's description gives its controls, in the window's own units, for every
// back-end to read: positions in twips, colours as 0xBBGGRR (blue in the high byte).
namespace forms {

class Frame;

enum class FontStyle { Regular, BoldItalic };

struct Font {
    const char *face = nullptr;  // none: the toolkit's ordinary font
    double points = 0;
    FontStyle style = FontStyle::Regular;
};

// Twips, 1440 to the inch, from the top-left corner of the control's container.
struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Properties {
    const char *name = "";
    const char *caption = "";
    Placement place{};
    // Set from the window's properties (a frame holding labels: from the frame's outer edge).
    const Frame *container = nullptr;
    std::optional<std::uint32_t> backColor{};  // none: the toolkit's colour for the kind
    std::optional<std::uint32_t> foreColor{};
    Font font{};
    int tabIndex = 0;
    bool visible = true;
    // Text boxes.
    bool multiLine = false;
    bool readOnly = false;
    bool verticalScrollBar = false;
    // A frame: Alt with this letter presses it from anywhere in the window.
    char accessKey = '\0';
    // A picture box: the file of its picture, among the window's images.
    const char *picture = nullptr;
    // What a screen reader says of it. A box is named after the label standing over it.
    const char *accessibleName = nullptr;
    const char *accessibleDescription = nullptr;
    const char *labelledBy = nullptr;
};

struct FormProperties {
    const char *name = "";
    const char *caption = "";
    int width = 0;  // the client area, in twips
    int height = 0;
    std::uint32_t backColor = 0;
    const char *icon = nullptr;
};

} // namespace forms
