// SPDX-License-Identifier: MIT
#include "app/command_line.h"
#include "app/startup.h"
#include "app/window_wiring.h"
#include "window/frmVelloq.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    app::doWithoutASessionBusWhereNoneRuns();
    if (app::asksForHelpOrVersion(argc, argv))
        qputenv("QT_QPA_PLATFORM", "minimal");
    const auto application = app::createApplication(argc, argv);
    app::prepareApplication(*application);
    app::processCommandLine(*application);

    const auto form = app::createWindow();
    form->show();
    return application->exec();
}
