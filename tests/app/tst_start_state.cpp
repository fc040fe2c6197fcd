// SPDX-License-Identifier: MIT
#include "backends/qt/appearance.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "backends/qt/multi_line_text_box.h"
#include "backends/qt/single_line_text_box.h"
#include "window_driver.h"

#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

#include <memory>

using testing::controlsOf;
using testing::shownControls;

class TestStartState : public QObject {
    Q_OBJECT

private slots:
    void windowAndItsNineteenControls()
    {
        const auto form = testing::openWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("The Quenmark"));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(128, 128, 255));
        QVERIFY(!form->windowIcon().isNull());
        QVERIFY(form->minimumSize() != form->maximumSize());

        QCOMPARE(controlsOf(*form).size(), 19);
        QCOMPARE(form->findChild<QWidget *>("lblcleartext")->parentWidget(), testing::widget(form->frmchange));
        QCOMPARE(testing::widget(form->txtchange)->parentWidget(), form.get());

        for (const QWidget *control : controlsOf(*form))
            if (control->parentWidget() == form.get())
                QVERIFY2(form->rect().contains(control->geometry()), qPrintable(control->objectName()));
        QCOMPARE(testing::widget(form->txtcode)->geometry().bottom(), testing::widget(form->frmchange)->geometry().bottom());
        QCOMPARE(testing::widget<QLabel>(form->picVelloq)->pixmap().size(), QSize(131, 131));
    }

    void startStateShowsTheWorkingScreenWithTheDialogueClosed()
    {
        const auto form = testing::openWindow();
        QCOMPARE(shownControls(*form),
                 QStringList({"Frame1", "cmdSendMsg", "cmdclear", "cmderase", "cmdre", "frmchange",
                              "lblcode", "lblencrypt", "lbltype", "txtcode", "txtencrypt", "txtin"}));
        QCOMPARE(form->txtin.text(), std::string());
        QCOMPARE(form->txtencrypt.text(), std::string());
        QCOMPARE(form->txtchange.text(), std::string());
        QCOMPARE(form->txtnewletter.text(), std::string());
        QCOMPARE(form->txtcode.text().size(), std::size_t(130));
        QCOMPARE(testing::widget<QPlainTextEdit>(form->txtcode)->toPlainText().split('\n').size(), 27);
        QCOMPARE(form->frmchange.backColor(), 0xFFC0FFu);
        QCOMPARE(form->changeletter, std::string());
        QCOMPARE(QApplication::focusWidget(), testing::widget(form->txtin));
    }

    // What reaches the screen, not only what was asked for.
    void colours()
    {
        const auto form = testing::openWindow();
        const QImage shot = form->grab().toImage();
        const auto at = [&](const QWidget *control) { return shot.pixelColor(control->geometry().center()); };
        QCOMPARE(at(testing::widget(form->txtin)), QColor(192, 192, 255));
        QCOMPARE(at(testing::widget(form->txtencrypt)), QColor(192, 0, 192));
        QCOMPARE(at(testing::widget(form->frmchange)), QColor(255, 192, 255));
        QCOMPARE(shot.pixelColor(testing::widget(form->txtcode)->geometry().topLeft() + QPoint(40, 380)), QColor(255, 255, 192));
        QCOMPARE(shot.pixelColor(490, 530), QColor(128, 128, 255));
        for (const QWidget *button : {testing::widget(form->cmderase), testing::widget(form->cmdre), testing::widget(form->cmdclear), testing::widget(form->cmdSendMsg)})
            QCOMPARE(shot.pixelColor(button->geometry().topLeft() + QPoint(5, 5)), QColor(255, 255, 192));
    }

    // Under a dark desktop palette the toolkit's default text turns light; on the window's light
    // faces it must stay dark.
    void textStaysDarkUnderADarkDesktopPalette()
    {
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
        QPalette dark = desktop;
        for (QPalette::ColorRole face : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(face, QColor(45, 45, 45));
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(text, QColor(230, 230, 230));
        QApplication::setPalette(dark);

        const auto form = testing::openWindow();
        testing::type(testing::widget(form->txtin), "Wm");
        form->cmdSendMsg.setFocus();  // the caret is drawn inverted: dark on any light face
        const QImage shot = form->grab().toImage();
        const auto darkest = [&shot](QRect area) {
            int gray = 255;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    gray = std::min(gray, qGray(shot.pixel(x, y)));
            return gray;
        };
        const QPoint inside(4, 4);
        QCOMPARE_LT(darkest(QRect(testing::widget(form->txtin)->pos() + inside, QSize(40, 20))), 80);
        QCOMPARE_LT(darkest(testing::widget(form->cmderase)->geometry().adjusted(6, 6, -6, -6)), 80);
        QCOMPARE_LT(darkest(QRect(testing::widget(form->txtcode)->pos() + inside, QSize(40, 100))), 80);
    }

    // The labels lie on the frame's face but take the ordinary font, not the frame's.
    void changeDialogueLabelsUseTheOrdinaryFont()
    {
        const auto form = testing::openWindow();
        for (const QWidget *label : {testing::widget(form->lblcleartext), testing::widget(form->lblnewletter)})
            QCOMPARE(label->font(), QApplication::font());
    }

    void tabVisitsTheShownControlsInTabIndexOrder()
    {
        const auto form = testing::openWindow();
        const QList<QWidget *> expected = {testing::widget(form->cmderase), testing::widget(form->cmdre), testing::widget(form->cmdclear), testing::widget(form->txtcode),
                                           testing::widget(form->txtencrypt), testing::widget(form->cmdSendMsg), testing::widget(form->txtin)};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), testing::widget(form->cmdSendMsg));
        QCOMPARE(form->txtin.text(), std::string());
        QCOMPARE(form->txtencrypt.text(), std::string());
    }

    void readOnlyBoxesIgnoreTyping()
    {
        const auto form = testing::openWindow();
        const std::string book = form->txtcode.text();
        QTest::keyClicks(testing::widget(form->txtcode), "xy");
        QTest::keyClick(testing::widget(form->txtcode), Qt::Key_Backspace);
        QTest::keyClicks(testing::widget(form->txtencrypt), "xy");
        QCOMPARE(form->txtcode.text(), book);
        QCOMPARE(form->txtencrypt.text(), std::string());
    }

    void resizingMovesNothing()
    {
        const auto form = testing::openWindow();
        QHash<QString, QRect> before;
        for (const QWidget *control : controlsOf(*form))
            before.insert(control->objectName(), control->geometry());
        form->resize(900, 800);
        QCoreApplication::processEvents();
        for (const QWidget *control : controlsOf(*form))
            QCOMPARE(control->geometry(), before.value(control->objectName()));
    }

    // Run in German by its own CTest entry: the menus come from Qt, in the user's language.
    void contextMenusInTheUsersLanguage()
    {
        if (QLocale().language() != QLocale::German)
            QSKIP("runs in German as tst_start_state_german");
        const auto form = testing::openWindow();
        const std::unique_ptr<QMenu> menu(testing::widget<QPlainTextEdit>(form->txtin)->createStandardContextMenu());
        QVERIFY2(menu->actions().first()->text().startsWith(QStringLiteral("&Rückgängig")),
                 qPrintable(menu->actions().first()->text()));
    }
};

QUENMARK_TEST_MAIN(TestStartState)
#include "tst_start_state.moc"
