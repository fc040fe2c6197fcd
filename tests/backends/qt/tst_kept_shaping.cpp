// SPDX-License-Identifier: MIT
#include "bare_box.h"
#include "memory_in_use.h"
#include "window_driver.h"

#include <QPlainTextEdit>
#include <QScrollBar>
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
    // Every line is drawn as the toolkit draws it freshly shaped, whatever the typing, the moves of
    // the caret and the commands did before, and never with what a kept line held before.
    void linesLookAsFreshlyShapedOnes()
    {
        const auto form = testing::openWindow();
        const auto looksFresh = [&form](const char *step) {
            testing::widget(form->txtin)->clearFocus();  // no caret to blink in one and not the other
            QCoreApplication::processEvents();
            for (QPlainTextEdit *box : {static_cast<QPlainTextEdit *>(testing::widget(form->txtin)), static_cast<QPlainTextEdit *>(testing::widget(form->txtencrypt))})
                QVERIFY2(box->viewport()->grab().toImage() == bareRendering(*box), qPrintable(box->objectName() + " after " + step));
            form->txtin.setFocus();
        };
        testing::type(testing::widget(form->txtin), lines(30) + "the last line");
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Up);
        testing::type(testing::widget(form->txtin), "\b\b\bXYZ");
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Down);
        testing::type(testing::widget(form->txtin), " grows");
        looksFresh("typing");
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Down);
        QTest::keyClick(testing::widget(form->txtin), Qt::Key_Backspace);  // joins the first two lines
        looksFresh("joining lines");
        testing::click(testing::widget(form->cmdre));
        looksFresh("Re-encrypt");
        testing::click(testing::widget(form->cmderase));
        testing::click(testing::widget(form->cmdclear));
        looksFresh("Erase and Clear");
    }

    // Lines typed and left behind hold what they hold in bare boxes, not the shaping they kept
    // while they were being written.
    void linesLeftBehindHoldNoMoreThanInBareBoxes()
    {
        const std::string message = lines(400);
        const auto form = testing::openWindow();
        const std::ptrdiff_t programBefore = testing::bytesInUse();
        testing::type(testing::widget(form->txtin), message);
        QCoreApplication::processEvents();
        const std::ptrdiff_t program = testing::bytesInUse() - programBefore;

        QWidget window;
        QPlainTextEdit *typed = testing::bareTwinOf(*testing::widget<QPlainTextEdit>(form->txtin), &window);
        QPlainTextEdit *appended = testing::bareTwinOf(*testing::widget<QPlainTextEdit>(form->txtencrypt), &window);
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

QUENMARK_TEST_MAIN(TestKeptShaping)
#include "tst_kept_shaping.moc"
