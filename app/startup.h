#pragma once

#include <memory>

class QApplication;

namespace app {

// Creates the application. Where Qt would abort because it finds no display to draw on, the
// program says in one line what it needs and exits with status 1.
std::unique_ptr<QApplication> createApplication(int &argc, char *argv[]);

// Application-wide settings made once, before the window is created.
void prepareApplication(QApplication &application);

} // namespace app
