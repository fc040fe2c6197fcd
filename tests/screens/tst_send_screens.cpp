// SPDX-License-Identifier: MIT
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

// Names the controls that receive the focus, in turn.
class FocusRecorder : public QObject {
public:
    explicit FocusRecorder(QStringList &names)
        : names_(names)
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            names_ << watched->objectName();
        return false;
    }

private:
    QStringList &names_;
};

} // namespace

class TestSendScreens : public QObject {
    Q_OBJECT

private slots:
    void sendShowsTheSentScreenAndKeepsEverything()
    {
        const auto form = testing::openWindow();
        testing::type(testing::widget(form->txtin), "hi");
        click(testing::widget(form->cmdSendMsg));
        QCOMPARE(shownControls(*form), kSentScreen);
        QCOMPARE(form->txtin.text(), std::string("hi"));
        QCOMPARE(form->txtencrypt.text(), std::string("HI"));

        // The notice covers the headings, which stay shown beneath it.
        for (const QWidget *heading : {testing::widget(form->lbltype), testing::widget(form->lblcode), testing::widget(form->lblencrypt)}) {
            QVERIFY(!heading->isHidden());
            QCOMPARE(form->childAt(heading->geometry().center()), testing::widget(form->lblsent));
        }
        QCOMPARE(form->childAt(testing::widget(form->cmdGoAgain)->geometry().center()), testing::widget(form->cmdGoAgain));
    }

    void newMessageRestoresAFreshWorkingScreen()
    {
        const auto form = testing::openWindow();
        testing::type(testing::widget(form->txtin), "hah");
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        typeIntoFocus(*form, "q");
        click(testing::widget(form->cmdSendMsg));
        QCOMPARE(shownControls(*form), kSentScreen + QStringList{"txtnewletter"});
        click(testing::widget(form->cmdGoAgain));
        QCOMPARE(shownControls(*form), kWorkingScreen);
        QCOMPARE(form->txtin.text(), std::string());
        QCOMPARE(form->txtencrypt.text(), std::string(" "));
        QCOMPARE(form->frmchange.backColor(), 0xFFC0FFu);
        QVERIFY(form->txtchange.text().empty() && form->txtnewletter.text().empty());
        QCOMPARE(form->codebook.lookUp("H"), std::string("Q"));
        QCOMPARE(form->txtcode.text().substr(35, 5), std::string("H Q\r\n"));
        QCOMPARE(form->changeletter, std::string("h"));
        testing::type(testing::widget(form->txtin), "hah");
        QCOMPARE(form->txtencrypt.text(), std::string(" QAQ"));
    }

    void cyclesRepeatTheSameScreens()
    {
        const auto form = testing::openWindow();
        for (int cycle = 0; cycle < 3; ++cycle) {
            testing::type(testing::widget(form->txtin), "abc");
            clickChangeFrame(*form);
            click(testing::widget(form->cmdSendMsg));
            QCOMPARE(shownControls(*form), kSentScreen);
            click(testing::widget(form->cmdGoAgain));
            QCOMPARE(shownControls(*form), kWorkingScreen);
            QCOMPARE(form->txtencrypt.text(), std::string(" "));
            QCOMPARE(form->txtin.text(), std::string());
        }
    }

    void tabOnTheSentScreen()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        click(testing::widget(form->cmdSendMsg));
        form->cmdGoAgain.setFocus();
        QTest::keyClick(testing::widget(form->cmdGoAgain), Qt::Key_Tab);
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));
        QTest::keyClick(testing::widget(form->txtnewletter), Qt::Key_Tab);
        QCOMPARE(focused(*form), testing::widget(form->cmdGoAgain));
    }

    // Hiding the control that holds the focus must neither leave the focus on it, where keys would
    // reach a control nobody sees, nor pass it along controls the same event then hides (each
    // would be announced). Once the event has run, the first shown control takes it.
    void theFocusGoesToTheFirstShownControlOnceTheScreenIsBuilt()
    {
        const auto form = testing::openWindow();
        QStringList focusedInTurn;
        FocusRecorder recorder(focusedInTurn);
        form->txtin.setFocus();
        focusedInTurn.clear();
        form->cmdSendMsg.click();  // as a screen reader's Press action does
        QCOMPARE(focusedInTurn, QStringList{"cmdGoAgain"});

        click(testing::widget(form->cmdGoAgain));
        QCOMPARE(focused(*form), testing::widget(form->txtin));
        typeIntoFocus(*form, "hi");
        QCOMPARE(form->txtin.text(), std::string("hi"));

        // With the dialogue at its second step, the reset gives the focus to the new-letter box
        // just before hiding it.
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        click(testing::widget(form->cmdSendMsg));
        click(testing::widget(form->cmdGoAgain));
        QCOMPARE(focused(*form), testing::widget(form->txtin));
        typeIntoFocus(*form, "z");
        QCOMPARE(form->codebook.lookUp("H"), std::string("H"));
    }

    // "Re-encrypt" is hidden here: the change is made and the focus stays where it is.
    void aChangeOnTheSentScreenKeepsTheFocus()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        click(testing::widget(form->cmdSendMsg));
        testing::click(testing::widget(form->txtnewletter));
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));
        typeIntoFocus(*form, "z");
        QCOMPARE(form->codebook.lookUp("H"), std::string("Z"));
        QCOMPARE(form->txtcode.text().substr(35, 5), std::string("H Z\r\n"));
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));
        QVERIFY(form->cmdre.isHidden());
        click(testing::widget(form->cmdGoAgain));
        QCOMPARE(shownControls(*form), kWorkingScreen);
    }
};

QUENMARK_TEST_MAIN(TestSendScreens)
#include "tst_send_screens.moc"
