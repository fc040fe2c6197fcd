// SPDX-License-Identifier: MIT
#include "codebook/change_dialogue.h"
#include "codepage/windows1252.h"
#include "window_driver.h"

#include <QTest>

using testing::clickChangeFrame;
using testing::focused;
using testing::typeIntoFocus;

namespace {

std::string lineOf(const backends::qt::MainWindow &form, char letter)
{
    return form.txtcode.text().substr(static_cast<std::size_t>(letter - 'A') * 5, 5);
}

bool dialogueAtSecondStep(const backends::qt::MainWindow &form)
{
    return !form.lblcleartext.isHidden() && !form.txtchange.isHidden() && !form.lblnewletter.isHidden()
           && !form.txtnewletter.isHidden() && form.frmchange.backColor() == window::kDialogueOpenColor;
}

} // namespace

class TestChangeDialogue : public QObject {
    Q_OBJECT

private slots:
    void theUsualRoad()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        QVERIFY(!form->lblcleartext.isHidden() && !form->txtchange.isHidden());
        QVERIFY(form->lblnewletter.isHidden() && form->txtnewletter.isHidden());
        QCOMPARE(form->frmchange.backColor(), 0xFFFFFFu);
        QCOMPARE(focused(*form), testing::widget(form->txtchange));

        typeIntoFocus(*form, "h");
        QCOMPARE(form->changeletter, std::string("h"));
        QCOMPARE(form->txtchange.text(), std::string("h"));
        QVERIFY(dialogueAtSecondStep(*form));
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));

        const std::string before = form->txtcode.text();
        typeIntoFocus(*form, "q");
        QCOMPARE(form->codebook.lookUp("H"), std::string("Q"));
        QCOMPARE(lineOf(*form, 'H'), std::string("H Q\r\n"));
        std::string expected = before;
        expected[7 * 5 + 2] = 'Q';
        QCOMPARE(form->txtcode.text(), expected);
        QCOMPARE(focused(*form), testing::widget(form->cmdre));
        QCOMPARE(form->txtnewletter.text(), std::string("q"));  // the box took the key after all
        QVERIFY(dialogueAtSecondStep(*form));

        QTest::keyClicks(testing::widget(form->txtin), "hah");
        QCOMPARE(form->txtencrypt.text(), std::string("QAQ"));
    }

    // Without a mouse: Alt+C opens the dialogue from the message box, letters may come from an
    // input method, and Enter presses "Re-encrypt", which holds the focus after the change.
    void theKeyboardRoad()
    {
        const auto form = testing::openWindow();
        QTest::keyClicks(testing::widget(form->txtin), "hi");
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(form->txtin.text(), std::string("hi"));
        QCOMPARE(form->txtencrypt.text(), std::string("HI"));
        QCOMPARE(focused(*form), testing::widget(form->txtchange));

        testing::commit(focused(*form), QStringLiteral("h"));
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));
        testing::commit(focused(*form), QStringLiteral("\u00E9"));
        QCOMPARE(form->codebook.lookUp("H"), std::string("\xC9"));
        QCOMPARE(focused(*form), testing::widget(form->cmdre));
        QTest::keyClick(focused(*form), Qt::Key_Return);
        QCOMPARE(form->txtencrypt.text(), std::string(" \xC9I"));
    }

    void anyCharacterCanBecomeACodeLetter_data()
    {
        QTest::addColumn<QByteArray>("clear");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("same letter") << QByteArray("H") << QByteArray("H") << QByteArray("H H\r\n");
        QTest::newRow("upper-cased") << QByteArray("a") << QByteArray("z") << QByteArray("A Z\r\n");
        QTest::newRow("digit") << QByteArray("b") << QByteArray("7") << QByteArray("B 7\r\n");
        QTest::newRow("space") << QByteArray("c") << QByteArray(" ") << QByteArray("C  \r\n");
        QTest::newRow("backspace") << QByteArray("d") << QByteArray("\b") << QByteArray("D \b\r\n");
        QTest::newRow("accented") << QByteArray("e") << QByteArray("\xE9") << QByteArray("E \xC9\r\n");
    }

    void anyCharacterCanBecomeACodeLetter()
    {
        QFETCH(QByteArray, clear);
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, line);
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        typeIntoFocus(*form, clear.toStdString());
        typeIntoFocus(*form, code.toStdString());
        QCOMPARE(lineOf(*form, codepage::ansiUpper(clear.toStdString()).front()), line.toStdString());
        QCOMPARE(form->codebook.size(), std::size_t(26));
        QCOMPARE(focused(*form), testing::widget(form->cmdre));
    }

    void twoLettersMayShareACodeLetter()
    {
        const auto form = testing::openWindow();
        for (const char *change : {"ax", "bx"}) {
            clickChangeFrame(*form);
            testing::type(testing::widget(form->txtchange), std::string_view(change, 1));
            testing::type(testing::widget(form->txtnewletter), std::string_view(change + 1, 1));
            form->txtchange.setText("");
        }
        QCOMPARE(lineOf(*form, 'A'), std::string("A X\r\n"));
        QCOMPARE(lineOf(*form, 'B'), std::string("B X\r\n"));
        QCOMPARE(lineOf(*form, 'X'), std::string("X X\r\n"));
    }

    void secondClickKeepsTheLetterAndTakesTheFocusBack()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        clickChangeFrame(*form);
        QCOMPARE(focused(*form), testing::widget(form->txtchange));
        QCOMPARE(form->txtchange.text(), std::string("h"));
        QVERIFY(dialogueAtSecondStep(*form));
    }

    void aSecondCharacterBecomesTheLetter()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        typeIntoFocus(*form, "q");
        testing::click(testing::widget(form->txtchange));
        QCOMPARE(focused(*form), testing::widget(form->txtchange));
        typeIntoFocus(*form, "k");
        QCOMPARE(form->changeletter, std::string("k"));
        QCOMPARE(form->txtchange.text(), std::string("hk"));
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));
        typeIntoFocus(*form, "w");
        QCOMPARE(lineOf(*form, 'K'), std::string("K W\r\n"));
        QCOMPARE(lineOf(*form, 'H'), std::string("H Q\r\n"));

        // Typing into the new-letter box again replaces the same entry once more.
        testing::click(testing::widget(form->txtnewletter));
        typeIntoFocus(*form, "z");
        QCOMPARE(lineOf(*form, 'K'), std::string("K Z\r\n"));
        QCOMPARE(form->txtnewletter.text(), std::string("qwz"));
    }

    void backspaceInAnEmptyBoxSetsTheLetterWithoutAChange()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        QTest::keyClick(testing::widget(form->txtchange), Qt::Key_Backspace);
        QCOMPARE(form->changeletter, std::string("\b"));
        QVERIFY(form->txtnewletter.isHidden());
        QCOMPARE(focused(*form), testing::widget(form->txtchange));
    }

    // Text can reach the cleartext box without a key press; the letter is then not a key.
    void aKeyWithNoLetterToChangeChangesNothing()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        testing::paste(testing::widget(form->txtchange), QStringLiteral("h"));
        QCOMPARE(form->changeletter, std::string("\x16"));
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));
        const std::string book = form->txtcode.text();
        typeIntoFocus(*form, "q");
        QCOMPARE(form->txtcode.text(), book);
        QCOMPARE(form->codebook.size(), std::size_t(26));
        QCOMPARE(form->codebook.lookUp("H"), std::string("H"));
        QCOMPARE(focused(*form), testing::widget(form->txtnewletter));
        QCOMPARE(form->txtnewletter.text(), std::string("q"));

        for (const char *letter : {"7", " ", "\xE9", "\b"}) {
            testing::type(testing::widget(form->txtchange), letter);
            testing::type(testing::widget(form->txtnewletter), "x");
        }
        QCOMPARE(form->txtcode.text(), book);
    }

    void aKeyBeforeAnyLetterWasTypedChangesNothing()
    {
        const auto form = testing::openWindow();
        clickChangeFrame(*form);
        QGuiApplication::clipboard()->setText(QStringLiteral("h"));
        testing::widget<QLineEdit>(form->txtchange)->paste();  // as the context menu's Paste does: no key press
        QCOMPARE(form->changeletter, std::string());
        const std::string book = form->txtcode.text();
        testing::type(testing::widget(form->txtnewletter), "q");
        QCOMPARE(form->txtcode.text(), book);
        QCOMPARE(form->codebook.size(), std::size_t(26));
    }
};

QUENMARK_TEST_MAIN(TestChangeDialogue)
#include "tst_change_dialogue.moc"
