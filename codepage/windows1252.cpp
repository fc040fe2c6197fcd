// SPDX-License-Identifier: MIT
#include "codepage/windows1252.h"

#include <array>

namespace codepage {

namespace {

// 0x80 to 0x9F; the five codes the page leaves undefined map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr int kQuestionMark = 63;

} // namespace

std::string characterOf(int code)
{
    return std::string(1, static_cast<char>(code));
}

int codeOf(char character)
{
    return static_cast<unsigned char>(character);
}

char16_t unicodeOf(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return kHighControls[code - 0x80];
    return code;
}

int ansiCodeOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character)
            return static_cast<int>(0x80 + i);
    }
    return kQuestionMark;
}

unsigned char ansiUpper(unsigned char code)
{
    if (code >= 'a' && code <= 'z')
        return code - 0x20;
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7)  // à to þ, but not the division sign
        return code - 0x20;
    switch (code) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return code;    // µ, ß and ƒ have no capital in the page
    }
}

std::string ansiUpper(std::string_view text)
{
    std::string upper(text);
    for (char &byte : upper)
        byte = static_cast<char>(ansiUpper(static_cast<unsigned char>(byte)));
    return upper;
}

} // namespace codepage
