// SPDX-License-Identifier: MIT
#include "code_page.h"

#include <array>
#include <utility>

namespace reliability {

namespace {

// Bytes 0x80 to 0x9F that the page gives to characters beyond Latin-1.
constexpr std::array<std::pair<unsigned char, char32_t>, 27> kBeyondLatin1 = {{
    {0x80, U'€'}, {0x82, U'‚'}, {0x83, U'ƒ'}, {0x84, U'„'}, {0x85, U'…'}, {0x86, U'†'}, {0x87, U'‡'},
    {0x88, U'ˆ'}, {0x89, U'‰'}, {0x8A, U'Š'}, {0x8B, U'‹'}, {0x8C, U'Œ'}, {0x8E, U'Ž'}, {0x91, U'‘'},
    {0x92, U'’'}, {0x93, U'“'}, {0x94, U'”'}, {0x95, U'•'}, {0x96, U'–'}, {0x97, U'—'}, {0x98, U'˜'},
    {0x99, U'™'}, {0x9A, U'š'}, {0x9B, U'›'}, {0x9C, U'œ'}, {0x9E, U'ž'}, {0x9F, U'Ÿ'},
}};

constexpr std::array<unsigned char, 5> kUndefined = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

bool undefined(unsigned char byte)
{
    for (unsigned char hole : kUndefined)
        if (hole == byte)
            return true;
    return false;
}

template <class Emit>
void forEachCharacter(std::u16string_view text, Emit emit)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            emit(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            emit(unit);
        }
    }
}

} // namespace

std::optional<unsigned char> byteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    if (character <= 0x9F && undefined(static_cast<unsigned char>(character)))
        return static_cast<unsigned char>(character);
    for (const auto &[byte, mapped] : kBeyondLatin1)
        if (mapped == character)
            return byte;
    return std::nullopt;
}

char32_t characterOf(unsigned char byte)
{
    for (const auto &[mapped, character] : kBeyondLatin1)
        if (mapped == byte)
            return character;
    return byte;
}

unsigned char enteredByte(char32_t character)
{
    return byteOf(character).value_or('?');
}

unsigned char capitalOf(unsigned char byte)
{
    if (byte >= 'a' && byte <= 'z')
        return static_cast<unsigned char>(byte - 'a' + 'A');
    const bool latin1Lower = byte >= 0xE0 && byte <= 0xFE && byte != 0xF7;
    if (latin1Lower)
        return static_cast<unsigned char>(byte - 0x20);
    switch (byte) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return byte;
    }
}

std::string singleLineBytes(std::u16string_view text)
{
    std::string bytes;
    forEachCharacter(text, [&](char32_t character) { bytes += static_cast<char>(enteredByte(character)); });
    return bytes;
}

std::string multiLineBytes(std::u16string_view text)
{
    std::string bytes;
    char32_t previous = 0;
    forEachCharacter(text, [&](char32_t character) {
        if (character == u'\n' && previous == u'\r') {
            // the second half of a CR LF already written
        } else if (character == u'\r' || character == u'\n' || character == 0x2028 || character == 0x2029) {
            bytes += "\r\n";
        } else {
            bytes += static_cast<char>(enteredByte(character));
        }
        previous = character;
    });
    return bytes;
}

std::u16string multiLineShown(std::string_view bytes)
{
    std::u16string shown;
    char previous = 0;
    for (char byte : bytes) {
        if (byte == '\r' || (byte == '\n' && previous != '\r'))
            shown += u'\u2029';
        else if (byte != '\n')
            shown += static_cast<char16_t>(characterOf(static_cast<unsigned char>(byte)));
        previous = byte;
    }
    return shown;
}

} // namespace reliability
