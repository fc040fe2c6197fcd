// SPDX-License-Identifier: MIT
#include "codebook_store/code_book.h"
#include "codepage/windows1252.h"

#include <QTest>

#include <stdexcept>

using code_book::CodeBook;

namespace {

CodeBook identity()
{
    CodeBook book;
    for (int code = 'A'; code <= 'Z'; ++code)
        book.add(codepage::characterOf(code), codepage::characterOf(code));
    return book;
}

} // namespace

class TestCodeBook : public QObject {
    Q_OBJECT

private slots:
    void keysIgnoreCase()
    {
        CodeBook book = identity();
        QCOMPARE(book.lookUp("h"), std::string("H"));
        book.replace("h", "Q");
        QCOMPARE(book.size(), std::size_t(26));
        QCOMPARE(book.lookUp("H"), std::string("Q"));
        QVERIFY(book.contains("h"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, book.add("H", "X"));
    }

    void keysOutsideTheTableAreRejected()
    {
        CodeBook book = identity();
        for (const char *key : {"", "1", " ", "\b", "\xE9", "AB"}) {
            QVERIFY(!book.contains(key));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, book.lookUp(key));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, book.replace(key, "Q"));
        }
        QCOMPARE(book.size(), std::size_t(26));
    }

    void identityDisplay()
    {
        const std::string text = code_book::codeBookText(identity());
        QCOMPARE(text.size(), std::size_t(130));
        QVERIFY(text.starts_with("A A\r\nB B\r\n"));
        QVERIFY(text.ends_with("Y Y\r\nZ Z\r\n"));
    }

    void displayShowsEachLineInUpperCase_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("lower-case key") << "h" << "Q" << "H Q\r\n";
        QTest::newRow("space") << "H" << " " << "H  \r\n";
        QTest::newRow("backspace") << "h" << "\b" << "H \b\r\n";
    }

    void displayShowsEachLineInUpperCase()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, line);
        CodeBook book = identity();
        book.replace(key.toStdString(), value.toStdString());
        const std::string text = code_book::codeBookText(book);
        QCOMPARE(text.substr(7 * 5, 5), line.toStdString());
        std::string others = text;
        others.erase(7 * 5, 5);
        std::string identityOthers = code_book::codeBookText(identity());
        identityOthers.erase(7 * 5, 5);
        QCOMPARE(others, identityOthers);
    }

    void lettersMayShareACodeLetter()
    {
        CodeBook book = identity();
        book.replace("A", "Z");
        const std::string text = code_book::codeBookText(book);
        QVERIFY(text.starts_with("A Z\r\n"));
        QVERIFY(text.ends_with("Z Z\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestCodeBook)
#include "tst_code_book.moc"
