// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class QApplication;

namespace backends::qt {

// Called before the application object exists: where no session bus runs, the program joins
// none rather than have the D-Bus library start one for it.
void doWithoutASessionBusWhereNoneRuns();

// Creates the application. Where Qt would abort because it finds no display to draw on, the
// program says in one line what it needs and exits with status 1.
std::unique_ptr<QApplication> createApplication(int &argc, char *argv[]);

// Application-wide settings made once, before the window is created.
void prepareApplication(QApplication &application);

} // namespace backends::qt
