// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

namespace bench {

enum class Layout { LineBreaks, OneParagraph };

const char *nameOf(Layout layout);

// A clear message of exactly `length` bytes: words of mixed-case letters with some digits and
// punctuation; with line breaks, a CR LF in place of the space about every 72 characters and one
// at the end, so that what is typed next starts a line, as it does in an empty box.
std::string clearMessage(std::size_t length, Layout layout);

// What the message enciphers to under the code book the window starts with.
std::string enciphered(const std::string &clear);

} // namespace bench
