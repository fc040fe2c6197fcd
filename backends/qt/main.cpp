// SPDX-License-Identifier: MIT
#include "backends/qt/command_line.h"
#include "backends/qt/main_window.h"
#include "backends/qt/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace backends::qt;
    doWithoutASessionBusWhereNoneRuns();
    if (asksForHelpOrVersion(argc, argv))
        qputenv("QT_QPA_PLATFORM", "minimal");
    const auto application = createApplication(argc, argv);
    prepareApplication(*application);
    processCommandLine(*application);

    const auto form = createWindow();
    form->show();
    return application->exec();
}
