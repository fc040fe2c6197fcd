// SPDX-License-Identifier: MIT
#include "cipher/encoder.h"
#include "codebook_store/code_book.h"
#include "codepage/windows1252.h"
#include "window_driver.h"

#include <QTest>

using testing::type;

class TestEncoder : public QObject {
    Q_OBJECT

private slots:
    // A to Z in either case encipher to their code letters (H is Q in this book), every other
    // character to its capital in the page, or to itself where the page has none.
    void everyCodeEnciphersToOneCharacter()
    {
        code_book::CodeBook book;
        for (int code = 'A'; code <= 'Z'; ++code)
            book.add(codepage::characterOf(code), codepage::characterOf(code == 'H' ? 'Q' : code));
        for (int code = 0; code < 256; ++code)
            QCOMPARE(cipher::encipher(book, code).size(), std::size_t(1));

        const std::pair<QByteArray, QByteArray> typedAndEnciphered[] = {
            {"aAhHqQzZ", "AAQQQQZZ"},
            {"\xE0\xE9\xFE\xC0\xC9\xDE\x9A\x9C\x9E\xFF", "\xC0\xC9\xDE\xC0\xC9\xDE\x8A\x8C\x8E\x9F"},  // à é þ À É Þ š œ ž ÿ
            {"\xDF\xB5\x83\xAA\xBA\xF7\xD7", "\xDF\xB5\x83\xAA\xBA\xF7\xD7"},  // ß µ ƒ ª º have no capital in the page, ÷ × are no letters
            {"0479 ?@[`{~", "0479 ?@[`{~"},
            {QByteArray("\0\b\r\x1B\x7F", 5), QByteArray("\0\b\r\x1B\x7F", 5)},  // control codes
            {"\x81\x8D\x8F\x90\x9D", "\x81\x8D\x8F\x90\x9D"},  // the codes the page leaves undefined
        };
        for (const auto &[typed, enciphered] : typedAndEnciphered) {
            QByteArray out;
            for (char character : typed)
                out += cipher::encipher(book, codepage::codeOf(character));
            QCOMPARE(out, enciphered);
        }
    }

    // Re-encrypt enciphers a whole message at once; it must append what typing it key by key would,
    // also when a code letter is not a single byte.
    void aMessageEnciphersAsItsKeysWould()
    {
        std::string message;
        for (int code = 255; code >= 0; --code)
            message += codepage::characterOf(code) + "q\r\n";
        for (const char *codeForQ : {"Z", "", "XY"}) {
            code_book::CodeBook book;
            for (int code = 'A'; code <= 'Z'; ++code) {
                const std::string letter = codepage::characterOf(code);
                book.add(letter, code == 'Q' ? std::string(codeForQ) : letter);
            }
            std::string typed;
            for (char character : message)
                typed += cipher::encipher(book, codepage::codeOf(character));
            QCOMPARE(cipher::encipher(book, message), typed);
        }
    }

    void typingEnciphersEachKeyPress()
    {
        const auto form = testing::openWindow();
        type(testing::widget(form->txtin), "Hi there 7?");
        QCOMPARE(form->txtencrypt.text(), std::string("HI THERE 7?"));
        QCOMPARE(form->txtin.text(), std::string("Hi there 7?"));
        type(testing::widget(form->txtin), "\xE9\xFF\xDF");  // é ÿ ß
        QCOMPARE(form->txtencrypt.text(), std::string("HI THERE 7?\xC9\x9F\xDF"));
    }

    void controlKeysAppendThemselvesAndNothingIsDeleted()
    {
        const auto form = testing::openWindow();
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        type(testing::widget(form->txtin), "ab");
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Backspace);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Return);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Escape);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Delete);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Left);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Tab);
        QCOMPARE(form->txtencrypt.text(), std::string("AB\b\r\x1b\x16"));
        QCOMPARE(form->txtin.text(), std::string("a\r\npasted"));
    }

    void charactersOutsideThePageEncipherAsQuestionMarks()
    {
        const auto form = testing::openWindow();
        for (const char *text : {"Ж", "漢", "\xF0\x9F\x98\x80"})
            QTest::sendKeyEvent(QTest::KeyAction::Click, testing::widget(form->txtin), Qt::Key_unknown, QString::fromUtf8(text), Qt::NoModifier);
        QCOMPARE(form->txtencrypt.text(), std::string("???"));
    }

    void typingAtLengthShowsEveryCharacter()
    {
        const auto form = testing::openWindow();
        const std::string line(70, 'x');
        for (int i = 0; i < 20; ++i)
            type(testing::widget(form->txtin), line + "\r");
        QCoreApplication::processEvents();
        QCOMPARE(testing::widget<QPlainTextEdit>(form->txtencrypt)->blockCount(), 21);
        QCOMPARE(testing::widget<QPlainTextEdit>(form->txtencrypt)->toPlainText().size(), 20 * 71);
    }
};

QUENMARK_TEST_MAIN(TestEncoder)
#include "tst_encoder.moc"
