// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace backends::win32 {

// What the program says instead of starting, in a message box as Windows programs do.
struct Answer {
    std::string text;
    bool isError;
};

// The answer to --help (/?), --version or an unknown option; nothing when the program should start.
std::optional<Answer> answerToCommandLine(const std::vector<std::string> &arguments);

} // namespace backends::win32
