// SPDX-License-Identifier: MIT
// A short session on the real window, for tracing what the program touches: typing, a code-book
// change, Re-encrypt, a paste, both screens painted, then the window closed.

#include "window_driver.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::prepareApplication(application);
    auto form = testing::openWindow();

    testing::type(form->txtin, "Hello, world!\rSecond line \xE9\xFF");
    testing::clickChangeFrame(*form);
    testing::typeIntoFocus(*form, "h");
    testing::typeIntoFocus(*form, "q");
    testing::click(form->cmdre);
    testing::paste(form->txtin, QStringLiteral("pasted \u0416 text\n"));
    QTest::keyClick(form->txtin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->txtin, Qt::Key_C, Qt::ControlModifier);
    form->grab();
    testing::click(form->cmdSendMsg);
    form->grab();
    testing::click(form->cmdGoAgain);
    form->grab();

    QTimer::singleShot(0, form.get(), &QWidget::close);
    return application.exec();
}
