#pragma once

class QApplication;

namespace app {

// Application-wide settings made once, before the window is created.
void prepareApplication(QApplication &application);

} // namespace app
