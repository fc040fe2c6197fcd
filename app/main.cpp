#include "app/command_line.h"
#include "app/frmVelloq.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    app::doWithoutASessionBusWhereNoneRuns();
    if (app::asksForHelpOrVersion(argc, argv))
        qputenv("QT_QPA_PLATFORM", "minimal");
    const auto application = app::createApplication(argc, argv);
    app::prepareApplication(*application);
    app::processCommandLine(*application);

    app::frmVelloq form;
    form.show();
    return application->exec();
}
