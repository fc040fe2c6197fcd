#pragma once

class QApplication;

namespace app {

// Called before the application object exists: where no session bus runs, the program joins
// none rather than have the D-Bus library start one for it.
void doWithoutASessionBusWhereNoneRuns();

// Application-wide settings made once, before the window is created.
void prepareApplication(QApplication &application);

} // namespace app
