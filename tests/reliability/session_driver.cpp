// SPDX-License-Identifier: MIT
// A short session on the real window, for tracing what the program touches: typing, a code-book
// change, Re-encrypt, a paste, both screens painted, then the window closed.

#include "window_driver.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    backends::qt::prepareApplication(application);
    auto form = testing::openWindow();

    testing::type(testing::widget(form->txtin), "Hello, world!\rSecond line \xE9\xFF");
    testing::clickChangeFrame(*form);
    testing::typeIntoFocus(*form, "h");
    testing::typeIntoFocus(*form, "q");
    testing::click(testing::widget(form->cmdre));
    testing::paste(testing::widget(form->txtin), QStringLiteral("pasted \u0416 text\n"));
    QTest::keyClick(testing::widget(form->txtin), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(testing::widget(form->txtin), Qt::Key_C, Qt::ControlModifier);
    form->grab();
    testing::click(testing::widget(form->cmdSendMsg));
    form->grab();
    testing::click(testing::widget(form->cmdGoAgain));
    form->grab();

    QTimer::singleShot(0, form.get(), &QWidget::close);
    return application.exec();
}
