// SPDX-License-Identifier: MIT
#include "messages.h"

#include "codepage/windows1252.h"

#include <random>

namespace bench {

const char *nameOf(Layout layout)
{
    return layout == Layout::LineBreaks ? "line breaks" : "one paragraph";
}

std::string clearMessage(std::size_t length, Layout layout)
{
    static constexpr std::string_view kLetters = "etaoinshrdlucmfwypvbgkjqxzETAOINSHRDLU";
    static constexpr std::string_view kOthers = "0123456789,.;:!?'-";
    static constexpr std::string_view kLineBreak = "\r\n";
    const bool lineBreaks = layout == Layout::LineBreaks;
    const std::size_t words = lineBreaks && length >= kLineBreak.size() ? length - kLineBreak.size() : length;
    std::minstd_rand random(20240);
    std::string message;
    message.reserve(length + 80);
    std::size_t lineStart = 0;
    while (message.size() < words) {
        const std::size_t wordLength = 1 + random() % 9;
        for (std::size_t i = 0; i < wordLength; ++i)
            message += random() % 16 == 0 ? kOthers[random() % kOthers.size()] : kLetters[random() % kLetters.size()];
        if (lineBreaks && message.size() - lineStart >= 72) {
            message += kLineBreak;
            lineStart = message.size();
        } else {
            message += ' ';
        }
    }
    message.resize(words);
    if (!message.empty() && message.back() == '\r')  // half a line break would read back whole
        message.back() = '.';
    if (words < length)
        message += kLineBreak;
    return message;
}

std::string enciphered(const std::string &clear)
{
    return codepage::ansiUpper(clear);
}

} // namespace bench
