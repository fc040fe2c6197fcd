// SPDX-License-Identifier: MIT
#include "backends/win32/command_line.h"

namespace backends::win32 {

std::optional<Answer> answerToCommandLine(const std::vector<std::string> &arguments)
{
    for (const std::string &argument : arguments) {
        if (argument == "--help" || argument == "-h" || argument == "/?" || argument == "-?")
            return Answer{"Usage: quenmark [options]\n\n"
                          "The Quenmark: watch a message enciphered keystroke by keystroke through a code book "
                          "that you change one letter at a time.\n\n"
                          "Options:\n"
                          "  -h, --help: displays help on commandline options.\n"
                          "  -v, --version: displays version information.",
                          false};
        if (argument == "--version" || argument == "-v")
            return Answer{"The Quenmark " QUENMARK_VERSION, false};
        return Answer{"Unknown option '" + argument + "'.\n\nquenmark --help tells the options.", true};
    }
    return std::nullopt;
}

} // namespace backends::win32
