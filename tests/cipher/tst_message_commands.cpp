// SPDX-License-Identifier: MIT
#include "cipher/message_commands.h"
#include "codepage/windows1252.h"
#include "window_driver.h"

#include <QTest>

using testing::click;
using testing::clickChangeFrame;
using testing::type;
using testing::typeIntoFocus;

namespace {

void mapLetter(backends::qt::MainWindow &form, const char *clear, const char *code)
{
    clickChangeFrame(form);
    typeIntoFocus(form, clear);
    typeIntoFocus(form, code);
}

bool dialogueClosed(const backends::qt::MainWindow &form)
{
    return form.txtchange.isHidden() && form.txtnewletter.isHidden() && form.lblcleartext.isHidden()
           && form.lblnewletter.isHidden() && form.frmchange.backColor() == 0xFFC0FF
           && form.txtchange.text().empty() && form.txtnewletter.text().empty();
}

} // namespace

class TestMessageCommands : public QObject {
    Q_OBJECT

private slots:
    void clearLeavesOneSpaceAndClosesTheDialogue()
    {
        const auto form = testing::openWindow();
        type(testing::widget(form->txtin), "khoor");
        mapLetter(*form, "h", "q");
        click(testing::widget(form->cmdclear));
        QCOMPARE(form->txtencrypt.text(), std::string(" "));
        QCOMPARE(form->txtin.text(), std::string("khoor"));
        QVERIFY(dialogueClosed(*form));
        QCOMPARE(form->codebook.lookUp("H"), std::string("Q"));
        QCOMPARE(form->changeletter, std::string("h"));
        type(testing::widget(form->txtin), "h");
        QCOMPARE(form->txtencrypt.text(), std::string(" Q"));
    }

    // Emptying the cleartext box raises its Change in the middle of the reset; the later steps undo it.
    void theResetsChangeEventIsUndone()
    {
        const auto form = testing::openWindow();
        int changes = 0;
        const auto procedure = form->txtchange.Change;
        form->txtchange.Change = [&] {
            ++changes;
            procedure();
            QVERIFY(!form->txtnewletter.isHidden());
        };
        clickChangeFrame(*form);
        typeIntoFocus(*form, "h");
        QCOMPARE(changes, 1);
        click(testing::widget(form->cmdclear));
        QCOMPARE(changes, 2);
        QVERIFY(dialogueClosed(*form));
        click(testing::widget(form->cmdclear));  // already empty: no change this time
        QCOMPARE(changes, 2);
    }

    void eraseTouchesOnlyTheClearMessage()
    {
        const auto form = testing::openWindow();
        type(testing::widget(form->txtin), "abc");
        clickChangeFrame(*form);
        click(testing::widget(form->cmderase));
        QCOMPARE(form->txtin.text(), std::string());
        QCOMPARE(form->txtencrypt.text(), std::string("ABC"));
        QVERIFY(!form->txtchange.isHidden());
        QCOMPARE(form->frmchange.backColor(), 0xFFFFFFu);
        type(testing::widget(form->txtin), "d");
        QCOMPARE(form->txtencrypt.text(), std::string("ABCD"));
    }

    void reEncryptReplaysTheClearMessage_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty") << QByteArray() << QByteArray(" ");
        QTest::newRow("changed letter") << QByteArray("hah") << QByteArray(" QAQ");
        QTest::newRow("line breaks") << QByteArray("ha\rhi") << QByteArray(" QA\r\nQI");
        QTest::newRow("erased characters") << QByteArray("hx\bi") << QByteArray(" QI");
        QTest::newRow("others pass") << QByteArray("h 7?\xE9") << QByteArray(" Q 7?\xC9");
    }

    void reEncryptReplaysTheClearMessage()
    {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, expected);
        const auto form = testing::openWindow();
        type(testing::widget(form->txtin), typed.toStdString());
        mapLetter(*form, "h", "q");
        QCOMPARE(testing::focused(*form), testing::widget(form->cmdre));
        QTest::keyClick(testing::widget(form->cmdre), Qt::Key_Space);
        QCOMPARE(form->txtencrypt.text(), expected.toStdString());
        QVERIFY(dialogueClosed(*form));
        QCOMPARE(form->codebook.lookUp("h"), std::string("Q"));
    }

    void reEncryptTakesPastedText()
    {
        const auto form = testing::openWindow();
        type(testing::widget(form->txtin), "a");
        testing::paste(testing::widget(form->txtin), QStringLiteral("bc\nd\r\ne"));
        QCOMPARE(form->txtencrypt.text(), std::string("A\x16"));
        click(testing::widget(form->cmdre));
        QCOMPARE(form->txtencrypt.text(), std::string(" ABC\r\nD\r\nE"));
        QCoreApplication::processEvents();
        QCOMPARE(testing::widget<QPlainTextEdit>(form->txtencrypt)->blockCount(), 3);
    }

    // Far past the 32,766 characters that 16-bit counters would allow.
    void reEncryptTakesAMessageOfAnyLength()
    {
        const auto form = testing::openWindow();
        for (const int length : {32766, 32767, 100000}) {
            std::string message;
            for (int i = 0; i < length; ++i)
                message += (i % 73 == 72) ? '\n' : static_cast<char>('a' + i % 26);
            QGuiApplication::clipboard()->setText(QString::fromLatin1(message));
            click(testing::widget(form->cmderase));
            testing::widget<QPlainTextEdit>(form->txtin)->paste();
            const std::string clear = form->txtin.text();
            click(testing::widget(form->cmdre));
            const std::string &encrypted = form->txtencrypt.text();
            QCOMPARE(encrypted.size(), clear.size() + 1);
            QCOMPARE(encrypted, " " + codepage::ansiUpper(clear));
        }
    }
};

QUENMARK_TEST_MAIN(TestMessageCommands)
#include "tst_message_commands.moc"
