#include "screens/send_screens.h"
#include "window_driver.h"

#include <QTest>

using testing::click;
using testing::clickChangeFrame;
using testing::focused;
using testing::shownControls;
using testing::typeIntoFocus;

namespace {

const QStringList kWorkingScreen = {"Frame1", "cmdSendMsg", "cmdclear", "cmderase", "cmdre", "frmchange",
                                    "lblcode", "lblencrypt", "lbltype", "txtcode", "txtencrypt", "txtin"};
const QStringList kSentScreen = {"cmdGoAgain", "lblcode", "lblencrypt", "lblsent", "lbltype", "picVelloq"};

} // namespace

class TestSendScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::prepareApplication(*qApp); }

    void sendShowsTheSentScreenAndKeepsEverything()
    {
        const auto form = testing::openWindow();
        testing::type(form->txtin, "hi");
        click(form->cmdSendMsg);
        QCOMPARE(shownControls(*form), kSentScreen);
        QCOMPARE(form->txtin->text(), std::string("hi"));
        QCOMPARE(form->txtencrypt->text(), std::string("HI"));

        // The notice covers the headings, which stay shown beneath it.
        for (const QWidget *heading : {form->lbltype, form->lblcode, form->lblencrypt}) {
            QVERIFY(!heading->isHidden());
            QCOMPARE(form->childAt(heading->geometry().center()), form->lblsent);
        }
        QCOMPARE(form->childAt(form->cmdGoAgain->geometry().center()), form->cmdGoAgain);
    }

    void newMessageRestoresAFreshWorkingScreen()
    {
        const auto form = testing::openWindow();
        testing::type(form->txtin, "hah");
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        typeIntoFocus(*form, "q");
        click(form->cmdSendMsg);
        QCOMPARE(shownControls(*form), kSentScreen + QStringList{"txtnewletter"});
        click(form->cmdGoAgain);
        QCOMPARE(shownControls(*form), kWorkingScreen);
        QCOMPARE(form->txtin->text(), std::string());
        QCOMPARE(form->txtencrypt->text(), std::string(" "));
        QCOMPARE(form->frmchange->backColor(), 0xFFC0FFu);
        QVERIFY(form->txtchange->text().empty() && form->txtnewletter->text().empty());
        QCOMPARE(form->codebook.lookUp("H"), std::string("Q"));
        QCOMPARE(form->txtcode->text().substr(35, 5), std::string("H Q\r\n"));
        QCOMPARE(form->changeletter, std::string("h"));
        testing::type(form->txtin, "hah");
        QCOMPARE(form->txtencrypt->text(), std::string(" QAQ"));
    }

    void cyclesRepeatTheSameScreens()
    {
        const auto form = testing::openWindow();
        for (int cycle = 0; cycle < 3; ++cycle) {
            testing::type(form->txtin, "abc");
            clickChangeFrame(*form);
            click(form->cmdSendMsg);
            QCOMPARE(shownControls(*form), kSentScreen);
            click(form->cmdGoAgain);
            QCOMPARE(shownControls(*form), kWorkingScreen);
            QCOMPARE(form->txtencrypt->text(), std::string(" "));
            QCOMPARE(form->txtin->text(), std::string());
        }
    }

    void tabOnTheSentScreen()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        click(form->cmdSendMsg);
        form->cmdGoAgain->setFocus();
        QTest::keyClick(form->cmdGoAgain, Qt::Key_Tab);
        QCOMPARE(focused(*form), form->txtnewletter);
        QTest::keyClick(form->txtnewletter, Qt::Key_Tab);
        QCOMPARE(focused(*form), form->cmdGoAgain);
    }

    // "Send New Message" hides the control holding the focus while nothing shown can take it: the
    // focus must not stay there, or keys would reach a control nobody sees.
    void noKeyReachesAHiddenControlAfterANewMessage()
    {
        const auto form = testing::openWindow();
        click(form->cmdSendMsg);
        click(form->cmdGoAgain);
        QVERIFY(!focused(*form) || !focused(*form)->isHidden());
        testing::type(form->txtin, "hi");
        typeIntoFocus(*form, " ");
        QCOMPARE(form->txtin->text(), std::string("hi"));  // not "Send New Message" once more

        // With the dialogue at its second step, the reset gives the focus to the new-letter box
        // just before hiding it.
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        click(form->cmdSendMsg);
        click(form->cmdGoAgain);
        QVERIFY(!focused(*form) || !focused(*form)->isHidden());
        typeIntoFocus(*form, "z");
        QCOMPARE(form->codebook.lookUp("H"), std::string("H"));
    }

    // "Re-encrypt" is hidden here: the change is made and the focus stays where it is.
    void aChangeOnTheSentScreenKeepsTheFocus()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        click(form->cmdSendMsg);
        testing::click(form->txtnewletter);
        QCOMPARE(focused(*form), form->txtnewletter);
        typeIntoFocus(*form, "z");
        QCOMPARE(form->codebook.lookUp("H"), std::string("Z"));
        QCOMPARE(form->txtcode->text().substr(35, 5), std::string("H Z\r\n"));
        QCOMPARE(focused(*form), form->txtnewletter);
        QVERIFY(form->cmdre->isHidden());
        click(form->cmdGoAgain);
        QCOMPARE(shownControls(*form), kWorkingScreen);
    }
};

QTEST_MAIN(TestSendScreens)
#include "tst_send_screens.moc"
