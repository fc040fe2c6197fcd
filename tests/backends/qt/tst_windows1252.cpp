// SPDX-License-Identifier: MIT
#include "backends/qt/key_ascii.h"
#include "codepage/windows1252.h"
#include "backends/qt/windows1252.h"

#include <QKeyEvent>
#include <QTest>

#include <optional>

using namespace codepage;
using namespace backends::qt;

class TestWindows1252 : public QObject {
    Q_OBJECT

private slots:
    void everyCodeRoundTrips()
    {
        std::string all;
        for (int code = 0; code < 256; ++code)
            all += characterOf(code);
        const QString unicode = toUnicode(all);
        QCOMPARE(unicode.size(), 256);
        QCOMPARE(toAnsi(unicode), all);
        QCOMPARE(unicode.at(0x80), QChar(0x20AC));  // €
        QCOMPARE(unicode.at(0x9F), QChar(0x0178));  // Ÿ
        QCOMPARE(unicode.at(0xE9), QChar(0x00E9));  // é
        for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(unicode.at(undefined), QChar(undefined));
    }

    void charactersOutsideThePageBecomeQuestionMarks()
    {
        QCOMPARE(toAnsi(u"Жx"), std::string("?x"));
        QCOMPARE(toAnsi(u"漢"), std::string("?"));
        QCOMPARE(toAnsi(QString::fromUtf8("\xF0\x9F\x98\x80")), std::string("?"));  // one emoji, one '?'
        QCOMPARE(ansiCodeOf(0x2026), 0x85);  // …
    }

    // Checked against Qt's own Unicode case rules, brought back into the page where possible.
    void upperCasingFollowsThePage()
    {
        for (int code = 0; code < 256; ++code) {
            const char32_t upper = QChar::toUpper(char32_t(unicodeOf(static_cast<unsigned char>(code))));
            const int inPage = ansiCodeOf(upper);
            const int expected = (inPage == '?' && upper != U'?') ? code : inPage;
            QCOMPARE(int(ansiUpper(static_cast<unsigned char>(code))), expected);
        }
        QCOMPARE(ansiUpper("h\xE9 \xFF \xB5\xDF 7?"), std::string("H\xC9 \x9F \xB5\xDF 7?"));
    }

    void lineBreaksShowOnceAndReadBackAsCrLf()
    {
        const QChar br(QChar::ParagraphSeparator);
        QCOMPARE(toDocumentText("a\r\nb\rc\nd"), QStringLiteral("a") + br + u'b' + br + u'c' + br + u'd');
        QCOMPARE(toDocumentText("\n", '\r'), QString());  // the CR before it already broke the line
        QCOMPARE(fromDocumentText(QStringLiteral("a") + br + u'b' + QChar(QChar::LineSeparator)), std::string("a\r\nb\r\n"));
        QCOMPARE(toDocumentText(characterOf(8)), QString(QChar(8)));
    }

    void keyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");  // -1: the key produces no character

        const int control = Qt::ControlModifier;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << 97;
        QTest::newRow("capital") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 65;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << " " << 32;
        QTest::newRow("accented") << int(Qt::Key_unknown) << 0 << QString::fromUtf8("é") << 233;
        QTest::newRow("euro via AltGr") << int(Qt::Key_E) << int(Qt::ControlModifier | Qt::AltModifier) << QString::fromUtf8("€") << 128;
        QTest::newRow("cyrillic") << int(Qt::Key_unknown) << 0 << QString::fromUtf8("Ж") << 63;
        QTest::newRow("emoji") << int(Qt::Key_unknown) << 0 << QString::fromUtf8("\xF0\x9F\x98\x80") << 63;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << 0 << "\r" << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 27;
        QTest::newRow("control+V, test text") << int(Qt::Key_V) << control << "v" << 22;
        QTest::newRow("control+V, X text") << int(Qt::Key_V) << control << "\x16" << 22;
        QTest::newRow("control+A") << int(Qt::Key_A) << control << "" << 1;
        QTest::newRow("control+^") << int(Qt::Key_AsciiCircum) << int(Qt::ControlModifier | Qt::ShiftModifier) << "\x1e" << 30;
        QTest::newRow("control+_") << int(Qt::Key_Underscore) << int(Qt::ControlModifier | Qt::ShiftModifier) << "\x1f" << 31;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "\t" << -1;
        QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << -1;
        QTest::newRow("delete, X text") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
        QTest::newRow("delete, test text") << int(Qt::Key_Delete) << 0 << "" << -1;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "" << -1;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "" << -1;
    }

    void keyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(keyAsciiOf(event).value_or(-1), expected);
    }
};

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
