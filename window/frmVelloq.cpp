// SPDX-License-Identifier: MIT
#include "window/frmVelloq.h"

namespace window {

namespace {

constexpr std::uint32_t kPeriwinkle = 0xFF8080;
constexpr std::uint32_t kLightGrey = 0xE0E0E0;
constexpr std::uint32_t kLightBlue = 0xFFC0C0;
constexpr std::uint32_t kLightYellow = 0xC0FFFF;
constexpr std::uint32_t kPurple = 0xC000C0;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kLightGreen = 0x80FF80;

using forms::FontStyle;
constexpr forms::Font kButtonFont{"Comic Sans MS", 9.75};
constexpr forms::Font kHeadingFont{"Comic Sans MS", 12};
constexpr forms::Font kMessageFont{"Verdana", 9.75};

constexpr forms::FormProperties kWindow{
    .name = "frmVelloq", .caption = "The Quenmark", .width = 7470, .height = 8085,
    .backColor = kPeriwinkle, .icon = "quenmark.ico"};

} // namespace

// Positions and sizes in twips, from the window's client area or, for the frame's two labels,
// from the frame's outer edge.
frmVelloq::frmVelloq()
    : forms::Form(kWindow)
    , Frame1(*this, {.name = "Frame1", .caption = "Quenmark", .place = {120, 240, 7095, 855},
                     .backColor = kPeriwinkle, .foreColor = kLightGrey,
                     .font = {"Comic Sans MS", 18, FontStyle::BoldItalic}, .tabIndex = 8,
                     .accessibleName = "Quenmark"})
    , lbltype(*this, {.name = "lbltype", .caption = "Type Clear Message Here", .place = {360, 1440, 2415, 375},
                      .backColor = kPeriwinkle, .foreColor = kLightGrey, .font = kHeadingFont, .tabIndex = 9,
                      .accessibleName = "Type Clear Message Here"})
    , lblcode(*this, {.name = "lblcode", .caption = "Code Book", .place = {3360, 1440, 1095, 375},
                      .backColor = kPeriwinkle, .foreColor = kLightGrey, .font = kHeadingFont, .tabIndex = 11,
                      .accessibleName = "Code Book"})
    , lblencrypt(*this, {.name = "lblencrypt", .caption = "Encrypted Message", .place = {5160, 1440, 1815, 375},
                         .backColor = kPeriwinkle, .foreColor = kLightGrey, .font = kHeadingFont, .tabIndex = 10,
                         .accessibleName = "Encrypted Message"})
    , txtin(*this, {.name = "txtin", .place = {120, 2040, 2895, 2295}, .backColor = kLightBlue,
                    .font = kMessageFont, .tabIndex = 0, .multiLine = true,
                    .accessibleName = "Type Clear Message Here", .labelledBy = "lbltype"})
    , txtcode(*this, {.name = "txtcode", .place = {3240, 2040, 1095, 5895}, .backColor = kLightYellow,
                      .tabIndex = 4, .multiLine = true, .readOnly = true, .verticalScrollBar = true,
                      .accessibleName = "Code Book", .labelledBy = "lblcode"})
    , txtencrypt(*this, {.name = "txtencrypt", .place = {4560, 2040, 2775, 2295}, .backColor = kPurple,
                         .foreColor = kLightGrey, .font = {"Verdana", 9.75, FontStyle::BoldItalic}, .tabIndex = 6,
                         .multiLine = true, .readOnly = true,
                         .accessibleName = "Encrypted Message", .labelledBy = "lblencrypt"})
    , cmderase(*this, {.name = "cmderase", .caption = "Erase Message", .place = {120, 4680, 1215, 615},
                       .backColor = kLightYellow, .font = kButtonFont, .tabIndex = 1,
                       .accessibleName = "Erase Message"})
    , cmdre(*this, {.name = "cmdre", .caption = "Re-encrypt", .place = {1800, 4680, 1215, 615},
                    .backColor = kLightYellow, .font = kButtonFont, .tabIndex = 2, .accessibleName = "Re-encrypt"})
    , cmdclear(*this, {.name = "cmdclear", .caption = "Clear Encrypted Message", .place = {5160, 4680, 1695, 615},
                       .backColor = kLightYellow, .font = kButtonFont, .tabIndex = 3,
                       .accessibleName = "Clear Encrypted Message"})
    , frmchange(*this, {.name = "frmchange", .caption = "Click to Change Code Book", .place = {120, 5520, 3015, 2415},
                        .backColor = kDialogueClosedColor, .font = {"Verdana", 9, FontStyle::BoldItalic},
                        .tabIndex = 12, .accessKey = 'C', .accessibleName = "Click to Change Code Book",
                        .accessibleDescription = "Alt+C opens it from anywhere in the window"})
    , lblcleartext(*this, {.name = "lblcleartext", .caption = "Enter Cleartext Letter to Change",
                           .place = {360, 480, 855, 855}, .container = &frmchange, .tabIndex = 13,
                           .accessibleName = "Enter Cleartext Letter to Change"})
    , lblnewletter(*this, {.name = "lblnewletter", .caption = "New Code Letter", .place = {1800, 480, 855, 735},
                           .container = &frmchange, .tabIndex = 14, .accessibleName = "New Code Letter"})
    , txtchange(*this, {.name = "txtchange", .place = {480, 6960, 855, 735}, .tabIndex = 5,
                        .accessibleName = "Enter Cleartext Letter to Change", .labelledBy = "lblcleartext"})
    , txtnewletter(*this, {.name = "txtnewletter", .place = {1920, 6960, 855, 735}, .tabIndex = 7,
                           .accessibleName = "New Code Letter", .labelledBy = "lblnewletter"})
    , cmdSendMsg(*this, {.name = "cmdSendMsg", .caption = "Send Secret Message!", .place = {5160, 6360, 1695, 615},
                         .backColor = kLightYellow, .font = kButtonFont, .tabIndex = 16,
                         .accessibleName = "Send Secret Message!"})
    , lblsent(*this, {.name = "lblsent", .caption = "MESSAGE HAS BEEN SENT!  ", .place = {120, 840, 7215, 4575},
                      .backColor = kLightGreen, .foreColor = kRed, .font = {"Verdana", 60}, .tabIndex = 17,
                      .visible = false, .accessibleName = "MESSAGE HAS BEEN SENT!"})
    // "Send New Message" takes the focus when the message is sent: it tells what happened.
    , cmdGoAgain(*this, {.name = "cmdGoAgain", .caption = "Send New Message", .place = {5400, 4440, 1815, 855},
                         .backColor = kRed, .font = kButtonFont, .tabIndex = 18, .visible = false,
                         .accessibleName = "Send New Message", .accessibleDescription = "MESSAGE HAS BEEN SENT!"})
    , picVelloq(*this, {.name = "picVelloq", .place = {5040, 5640, 2000, 2000}, .tabIndex = 15, .visible = false,
                        .picture = "velloq.gif",
                        .accessibleName = "A magnifying glass over a tile of scattered letters"})
{
    // Labels lie beneath every box, button, frame and picture.
    setStackingOrder({&cmdGoAgain, &cmdSendMsg, &picVelloq, &Frame1, &txtnewletter, &txtencrypt, &txtchange,
                      &txtcode, &txtin, &cmdclear, &cmdre, &cmderase, &frmchange, &lblsent, &lblcode,
                      &lblencrypt, &lbltype});
}

} // namespace window
