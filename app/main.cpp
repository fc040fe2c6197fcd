#include "app/frmVelloq.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::prepareApplication(application);
    app::frmVelloq form;
    form.show();
    return application.exec();
}
