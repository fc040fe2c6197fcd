#include "app/frmVelloq.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    app::doWithoutASessionBusWhereNoneRuns();
    QApplication application(argc, argv);
    app::prepareApplication(application);
    app::frmVelloq form;
    form.show();
    return application.exec();
}
