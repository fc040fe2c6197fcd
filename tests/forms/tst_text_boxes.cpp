// SPDX-License-Identifier: MIT
#include "codepage/windows1252.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"
#include "window_driver.h"

#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTest>

#include <string>
#include <vector>

using codepage::characterOf;

namespace {

// A bare window with one box of each kind, each recording its events.
struct Host {
    QWidget window;
    forms::MultiLineTextBox *multi = new forms::MultiLineTextBox(&window);
    forms::SingleLineTextBox *single = new forms::SingleLineTextBox(&window);
    forms::MultiLineTextBox *other = new forms::MultiLineTextBox(&window);
    std::vector<int> keys;
    std::vector<std::string> textSeenByKeyPress;
    int changes = 0;

    Host()
    {
        multi->setGeometry(0, 0, 200, 100);
        single->setGeometry(0, 110, 200, 30);
        other->setGeometry(0, 150, 200, 100);
        for (forms::TextBox *box : {static_cast<forms::TextBox *>(multi), static_cast<forms::TextBox *>(single)}) {
            box->KeyPress = [this, box](int &keyAscii) {
                keys.push_back(keyAscii);
                textSeenByKeyPress.push_back(box->text());
            };
            box->Change = [this] { ++changes; };
        }
        window.resize(220, 260);
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
    }
};

std::string allCodes()
{
    std::string text;
    for (int code = 0; code < 256; ++code)
        text += characterOf(code);
    return text;
}

} // namespace

class TestTextBoxes : public QObject {
    Q_OBJECT

private slots:
    void textReadsBackByteForByte()
    {
        Host host;
        const std::string odd = allCodes() + "\r\rx\n\r\n";
        for (forms::TextBox *box : {static_cast<forms::TextBox *>(host.multi), static_cast<forms::TextBox *>(host.single)}) {
            box->setText(odd);
            QCoreApplication::processEvents();
            QCOMPARE(box->text(), odd);
        }
        const std::string longText(40000, 'x');  // a one-line box has no length limit
        host.single->setText(longText);
        QCOMPARE(host.single->text(), longText);
        QCOMPARE(host.single->QLineEdit::text().size(), 40000);
    }

    void changeIsRaisedInsideTheSettingAndOnlyForANewText()
    {
        Host host;
        for (forms::TextBox *box : {static_cast<forms::TextBox *>(host.multi), static_cast<forms::TextBox *>(host.single)}) {
            host.changes = 0;
            box->setText("abc");
            QCOMPARE(host.changes, 1);
            box->setText("abc");
            QCOMPARE(host.changes, 1);
            box->append("");
            QCOMPARE(host.changes, 1);
            box->append("d");
            QCOMPARE(host.changes, 2);
            QCOMPARE(box->text(), std::string("abcd"));
            box->setText("");
            QCOMPARE(host.changes, 3);
            box->setText("");
            QCOMPARE(host.changes, 3);
        }
        host.changes = 0;
        QTest::keyClicks(host.multi, "hi");
        QTest::keyClick(host.single, Qt::Key_Z);
        QCOMPARE(host.changes, 3);
        QTest::keyClick(host.single, Qt::Key_Backspace);
        QCOMPARE(host.changes, 4);
        QTest::keyClick(host.single, Qt::Key_Backspace);  // nothing left to delete
        QCOMPARE(host.changes, 4);
    }

    void keyPressComesBeforeTheBoxInsertsAnything()
    {
        Host host;
        QTest::keyClicks(host.multi, "ab");
        QTest::keyClick(host.multi, Qt::Key_Return);
        QTest::keyClick(host.multi, Qt::Key_Backspace);
        QTest::keyClick(host.multi, Qt::Key_Escape);
        QTest::keyClick(host.multi, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(host.multi, Qt::Key_C, Qt::AltModifier);  // a command, never text
        QTest::keyClick(host.multi, Qt::Key_Delete);
        QTest::keyClick(host.multi, Qt::Key_Left);
        QCOMPARE(host.keys, (std::vector<int>{'a', 'b', 13, 8, 27, 22}));
        QCOMPARE(host.textSeenByKeyPress, (std::vector<std::string>{"", "a", "ab", "ab\r\n", "ab", "ab"}));
        QCOMPARE(host.multi->text(), std::string("ab"));
    }

    void everyCodeTypedReachesKeyPressAsItself()
    {
        Host host;
        std::vector<int> expectedKeys;
        std::string expectedText;
        for (int code = 32; code < 256; ++code) {
            if (code == 127)
                continue;
            testing::type(host.single, characterOf(code));
            expectedKeys.push_back(code);
            // The five codes the page leaves undefined arrive as C1 controls, which the box does not insert.
            if (codepage::unicodeOf(code) >= 0x80 && codepage::unicodeOf(code) < 0xA0)
                continue;
            expectedText += characterOf(code);
        }
        QCOMPARE(host.keys, expectedKeys);
        QCOMPARE(host.single->text(), expectedText);
    }

    // Dead keys, Compose and input methods deliver characters as commits, not as key presses.
    void eachCommittedCharacterRaisesKeyPressBeforeTheBoxInsertsIt()
    {
        Host host;
        QInputMethodEvent composing(QStringLiteral("\u00B4"), {});
        QCoreApplication::sendEvent(host.multi, &composing);
        QVERIFY(host.keys.empty());
        testing::commit(host.multi, QString::fromUtf8("\u00E9\u0416"));
        testing::commit(host.single, QStringLiteral("ab"));
        QCOMPARE(host.keys, (std::vector<int>{0xE9, '?', 'a', 'b'}));
        QCOMPARE(host.textSeenByKeyPress, (std::vector<std::string>{"", "", "", ""}));
        QCOMPARE(host.multi->text(), std::string("\xE9?"));
        QCOMPARE(host.single->text(), std::string("ab"));

        host.single->KeyPress = [](int &keyAscii) { keyAscii = keyAscii == 'x' ? 0 : 'Y'; };
        testing::commit(host.single, QStringLiteral("xz"));
        QCOMPARE(host.single->text(), std::string("abY"));
    }

    void charactersOutsideThePageReachProceduresAsQuestionMarks()
    {
        Host host;
        QTest::sendKeyEvent(QTest::KeyAction::Click, host.multi, Qt::Key_unknown, QString::fromUtf8("Ж"), Qt::NoModifier);
        QCOMPARE(host.keys, std::vector<int>{'?'});
        QCOMPARE(host.multi->toPlainText(), QString::fromUtf8("Ж"));  // the box still shows it
        QCOMPARE(host.multi->text(), std::string("?"));
    }

    // On X11 a clipboard with no owner offers no format at all.
    void aPasteOfNothingInsertsNothing()
    {
        Host host;
        QTest::keyClicks(host.multi, "ab");
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(host.multi, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(host.multi, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(host.single, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(host.multi->text(), std::string("ab"));
        QCOMPARE(host.single->text(), std::string());
    }

    // Enter breaks a paragraph, Shift+Enter a line: either is copied as one LF.
    void aCutAndPasteGivesTheTextBackAsTyped_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("lineBreak");
        QTest::newRow("Enter") << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("Shift+Enter") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }

    void aCutAndPasteGivesTheTextBackAsTyped()
    {
        QFETCH(Qt::KeyboardModifiers, lineBreak);
        Host host;
        testing::type(host.multi, "a\xA0" "b");
        QTest::keyClick(host.multi, Qt::Key_Return, lineBreak);
        testing::type(host.multi, "c");
        QTest::keyClick(host.multi, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(host.multi, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\u00A0b\nc"));
        QCOMPARE(host.multi->text(), std::string());
        QTest::keyClick(host.multi, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(host.multi->text(), std::string("a\xA0" "b\r\nc"));
    }

    void typedLineBreaksReadBackAsCrLf()
    {
        Host host;
        QTest::keyClicks(host.multi, "one");
        QTest::keyClick(host.multi, Qt::Key_Return);
        QTest::keyClicks(host.multi, "two");
        QCOMPARE(host.multi->text(), std::string("one\r\ntwo"));
        testing::paste(host.multi, QStringLiteral("\nx\r\ny"));
        QCOMPARE(host.multi->text(), std::string("one\r\ntwo\r\nx\r\ny"));
    }

    void appendedLineBreaksShowOnce()
    {
        Host host;
        for (char byte : std::string("a\r\nb\rc\nd"))
            host.other->append(characterOf(byte));
        QCoreApplication::processEvents();
        QCOMPARE(host.other->blockCount(), 4);
        QCOMPARE(host.other->toPlainText(), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(host.other->text(), std::string("a\r\nb\rc\nd"));
    }

    // Appends are shown together when the event ends, before anything else can touch the box.
    void procedureChangesAreShownWhenTheEventEnds()
    {
        Host host;
        host.other->setText("old");
        QCoreApplication::processEvents();
        auto *button = new forms::CommandButton(QStringLiteral("Go"), &host.window);
        button->Click = [&] {
            host.other->setText("");
            for (char byte : std::string("new\r\ntext"))
                host.other->append(characterOf(byte));
            QCOMPARE(host.other->toPlainText(), QStringLiteral("old"));
        };
        button->click();
        QCOMPARE(host.other->toPlainText(), QStringLiteral("new\ntext"));
        host.other->insertPlainText(QStringLiteral("!"));  // as a paste from the context menu does
        QCOMPARE(host.other->text(), std::string("!new\r\ntext"));
    }

    // A box that the event changed and then deleted is left alone when the event ends.
    void aBoxDeletedByTheEventIsNotCaughtUp()
    {
        Host host;
        auto *doomed = new forms::MultiLineTextBox(&host.window);
        auto *button = new forms::CommandButton(QStringLiteral("Go"), &host.window);
        button->Click = [&] {
            doomed->setText("gone");
            delete doomed;
            host.other->setText("kept");
        };
        button->click();
        QCOMPARE(host.other->toPlainText(), QStringLiteral("kept"));
    }

    void tabOnlyMovesTheFocus()
    {
        Host host;
        host.multi->setFocus();
        QTest::keyClick(host.multi, Qt::Key_Tab);
        QCOMPARE(host.window.focusWidget(), host.single);
        QTest::keyClick(host.single, Qt::Key_Tab);
        QCOMPARE(host.window.focusWidget(), host.other);
        QTest::keyClick(host.other, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(host.window.focusWidget(), host.single);
        QVERIFY(host.keys.empty());
        QCOMPARE(host.multi->text(), std::string());
        QCOMPARE(host.single->text(), std::string());
    }

    void buttonsRunClickWhenPressedEvenHidden()
    {
        QWidget window;
        auto *button = new forms::CommandButton(QStringLiteral("Go"), &window);
        int clicks = 0;
        button->Click = [&] { ++clicks; };
        button->hide();
        button->click();
        QCOMPARE(clicks, 1);
    }

    void framesTakeClicksOnTheirUncoveredFace()
    {
        QWidget window;
        auto *frame = new forms::Frame(QStringLiteral("Frame"), &window);
        frame->setGeometry(0, 0, 200, 160);
        auto *label = new forms::Label(QStringLiteral("Label"), frame);
        label->setGeometry(20, 30, 60, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int clicks = 0;
        frame->Click = [&] { ++clicks; };
        testing::click(frame, QPoint(150, 120));
        QCOMPARE(clicks, 1);
        testing::click(label);
        QCOMPARE(clicks, 1);
        label->hide();
        testing::click(frame, QPoint(50, 60));
        QCOMPARE(clicks, 2);
        frame->setBackColor(0xFFC0FF);
        QCOMPARE(frame->backColor(), 0xFFC0FFu);
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(255, 192, 255));
    }
};

QUENMARK_TEST_MAIN(TestTextBoxes)
#include "tst_text_boxes.moc"
