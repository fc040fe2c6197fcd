// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace backends::qt {

// Whether the arguments ask for --help or --version. Read before Qt takes out its own options
// (-platform, -style and the like), so that the answer, which needs no display, can be given on
// a platform that draws nowhere.
bool asksForHelpOrVersion(int argc, char *argv[]);

// Prints help or the version and exits, or names an unknown option and exits with status 1;
// otherwise returns. Reads what Qt has left of the arguments.
void processCommandLine(const QApplication &application);

} // namespace backends::qt
