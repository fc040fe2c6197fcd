#include "bare_box.h"
#include "memory_in_use.h"
#include "window_driver.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>
#include <QTextCursor>

#include <string>

namespace {

std::string lines(int count)
{
    std::string text;
    for (int line = 0; line < count; ++line)
        text += "line " + std::to_string(line) + " of the message\r";
    return text;
}

// The numbers of the lines that keep their shaping.
QList<int> keptLines(const QPlainTextEdit &box)
{
    QList<int> kept;
    for (QTextBlock line = box.document()->begin(); line.isValid(); line = line.next())
        if (line.layout()->cacheEnabled())
            kept << line.blockNumber();
    return kept;
}

// What a bare box in the same place shows with the same text, caret and scroll.
QImage bareRendering(const QPlainTextEdit &box)
{
    QWidget window;
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(box.window()->size());
    QPlainTextEdit *bare = testing::bareTwinOf(box, &window);
    bare->setPlainText(box.toPlainText());
    QTextCursor caret(bare->document());
    caret.setPosition(box.textCursor().position());
    bare->setTextCursor(caret);
    window.show();
    bare->verticalScrollBar()->setValue(box.verticalScrollBar()->value());
    return bare->viewport()->grab().toImage();
}

} // namespace

class TestKeptShaping : public QObject {
    Q_OBJECT

private slots:
    // Only the caret's line, the last line and the line above each keep anything, whatever the
    // typing, the moves of the caret and the commands did before.
    void onlyTheLinesBeingWrittenKeepTheirShaping()
    {
        const auto form = testing::openWindow();
        testing::type(form->txtin, lines(60));
        testing::type(form->txtin, "last");
        QCOMPARE(keptLines(*form->txtin), (QList<int>{59, 60}));
        QCOMPARE(keptLines(*form->txtencrypt), (QList<int>{0, 59, 60}));  // its caret stays at the start

        QTest::keyClick(form->txtin, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(keptLines(*form->txtin), (QList<int>{0, 59, 60}));
        QTest::keyClick(form->txtin, Qt::Key_Down);
        QTest::keyClick(form->txtin, Qt::Key_Backspace);  // joins the first two lines
        QCOMPARE(keptLines(*form->txtin), (QList<int>{0, 58, 59}));

        testing::click(form->cmdre);
        QCOMPARE(keptLines(*form->txtencrypt), (QList<int>{0, 58, 59}));
        testing::click(form->cmderase);
        QCOMPARE(keptLines(*form->txtin), (QList<int>{0}));
        testing::click(form->cmdclear);
        QCOMPARE(keptLines(*form->txtencrypt), (QList<int>{0}));
    }

    // A line that keeps its shaping is drawn as the toolkit draws it freshly shaped, also after
    // it was edited, and never with what it held before.
    void keptLinesLookAsFreshlyShapedOnes()
    {
        const auto form = testing::openWindow();
        testing::type(form->txtin, lines(30) + "the last line");
        QTest::keyClick(form->txtin, Qt::Key_Up);
        testing::type(form->txtin, "\b\b\bXYZ");
        QTest::keyClick(form->txtin, Qt::Key_Down);
        testing::type(form->txtin, " grows");
        form->txtin->clearFocus();  // no caret to blink in one and not the other
        for (QPlainTextEdit *box : {static_cast<QPlainTextEdit *>(form->txtin), static_cast<QPlainTextEdit *>(form->txtencrypt)})
            QCOMPARE(box->viewport()->grab().toImage(), bareRendering(*box));
    }

    // Lines typed and left behind hold what they hold in bare boxes, not the shaping they kept
    // while they were being written.
    void linesLeftBehindHoldNoMoreThanInBareBoxes()
    {
        const std::string message = lines(400);
        const auto form = testing::openWindow();
        const std::ptrdiff_t programBefore = testing::bytesInUse();
        testing::type(form->txtin, message);
        QCoreApplication::processEvents();
        const std::ptrdiff_t program = testing::bytesInUse() - programBefore;

        QWidget window;
        QPlainTextEdit *typed = testing::bareTwinOf(*form->txtin, &window);
        QPlainTextEdit *appended = testing::bareTwinOf(*form->txtencrypt, &window);
        window.resize(form->size());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const std::ptrdiff_t bareBefore = testing::bytesInUse();
        QTextCursor end(appended->document());
        for (const char byte : message) {  // as the window does: a key, then its code at the end
            testing::type(typed, std::string(1, byte));
            end.insertText(byte == '\r' ? QString(QChar::ParagraphSeparator) : QString(QChar::fromLatin1(byte)).toUpper());
        }
        QCoreApplication::processEvents();
        const std::ptrdiff_t bare = testing::bytesInUse() - bareBefore;

        qInfo("typing %zu characters took %td bytes in the window, %td in bare boxes", message.size(), program, bare);
        QVERIFY(program < bare * 3 / 2 + 64 * 1024);
    }
};

QTEST_MAIN(TestKeptShaping)
#include "tst_kept_shaping.moc"
