// SPDX-License-Identifier: MIT
#include "backends/qt/main_window.h"
#include "codepage/windows1252.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/text_box.h"
#include "window_driver.h"

#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

using codepage::characterOf;

namespace {

// A bare window with one box of each kind and a button, each recording its events. Positions are
// in twips: 15 to a pixel.
struct Host : forms::Form {
    forms::TextBox multi{*this, {.name = "multi", .place = {0, 0, 3000, 1500}, .tabIndex = 0, .multiLine = true}};
    forms::TextBox single{*this, {.name = "single", .place = {0, 1650, 3000, 450}, .tabIndex = 1}};
    forms::TextBox other{*this, {.name = "other", .place = {0, 2250, 3000, 1500}, .tabIndex = 2, .multiLine = true}};
    forms::CommandButton go{*this, {.name = "go", .caption = "Go", .place = {0, 3900, 1500, 450}, .tabIndex = 3}};
    QWidget window;
    QPlainTextEdit *const multiView = view<QPlainTextEdit>(multi);
    QLineEdit *const singleView = view<QLineEdit>(single);
    QPlainTextEdit *const otherView = view<QPlainTextEdit>(other);
    QWidget *const goView = view(go);
    std::vector<int> keys;
    std::vector<std::string> textSeenByKeyPress;
    int changes = 0;

    Host()
        : forms::Form({.name = "host"})
    {
        for (forms::TextBox *box : {&multi, &single}) {
            box->KeyPress = [this, box](int &keyAscii) {
                keys.push_back(keyAscii);
                textSeenByKeyPress.push_back(box->text());
            };
            box->Change = [this] { ++changes; };
        }
        window.resize(220, 300);
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
    }

    template <class Widget = QWidget>
    Widget *view(forms::Control &control)
    {
        return static_cast<Widget *>(backends::qt::createWidget(control, &window));
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
        for (forms::TextBox *box : {&host.multi, &host.single}) {
            box->setText(odd);
            QCoreApplication::processEvents();
            QCOMPARE(box->text(), odd);
        }
        const std::string longText(40000, 'x');  // a one-line box has no length limit
        host.single.setText(longText);
        QCOMPARE(host.single.text(), longText);
        QCOMPARE(host.singleView->text().size(), 40000);
    }

    void changeIsRaisedInsideTheSettingAndOnlyForANewText()
    {
        Host host;
        for (forms::TextBox *box : {&host.multi, &host.single}) {
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
        QTest::keyClicks(host.multiView, "hi");
        QTest::keyClick(host.singleView, Qt::Key_Z);
        QCOMPARE(host.changes, 3);
        QTest::keyClick(host.singleView, Qt::Key_Backspace);
        QCOMPARE(host.changes, 4);
        QTest::keyClick(host.singleView, Qt::Key_Backspace);  // nothing left to delete
        QCOMPARE(host.changes, 4);
    }

    void keyPressComesBeforeTheBoxInsertsAnything()
    {
        Host host;
        QTest::keyClicks(host.multiView, "ab");
        QTest::keyClick(host.multiView, Qt::Key_Return);
        QTest::keyClick(host.multiView, Qt::Key_Backspace);
        QTest::keyClick(host.multiView, Qt::Key_Escape);
        QTest::keyClick(host.multiView, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(host.multiView, Qt::Key_C, Qt::AltModifier);  // a command, never text
        QTest::keyClick(host.multiView, Qt::Key_Delete);
        QTest::keyClick(host.multiView, Qt::Key_Left);
        QCOMPARE(host.keys, (std::vector<int>{'a', 'b', 13, 8, 27, 22}));
        QCOMPARE(host.textSeenByKeyPress, (std::vector<std::string>{"", "a", "ab", "ab\r\n", "ab", "ab"}));
        QCOMPARE(host.multi.text(), std::string("ab"));
    }

    void everyCodeTypedReachesKeyPressAsItself()
    {
        Host host;
        std::vector<int> expectedKeys;
        std::string expectedText;
        for (int code = 32; code < 256; ++code) {
            if (code == 127)
                continue;
            testing::type(host.singleView, characterOf(code));
            expectedKeys.push_back(code);
            // The five codes the page leaves undefined arrive as C1 controls, which the box does not insert.
            if (codepage::unicodeOf(code) >= 0x80 && codepage::unicodeOf(code) < 0xA0)
                continue;
            expectedText += characterOf(code);
        }
        QCOMPARE(host.keys, expectedKeys);
        QCOMPARE(host.single.text(), expectedText);
    }

    // Dead keys, Compose and input methods deliver characters as commits, not as key presses.
    void eachCommittedCharacterRaisesKeyPressBeforeTheBoxInsertsIt()
    {
        Host host;
        QInputMethodEvent composing(QStringLiteral("\u00B4"), {});
        QCoreApplication::sendEvent(host.multiView, &composing);
        QVERIFY(host.keys.empty());
        testing::commit(host.multiView, QString::fromUtf8("\u00E9\u0416"));
        testing::commit(host.singleView, QStringLiteral("ab"));
        QCOMPARE(host.keys, (std::vector<int>{0xE9, '?', 'a', 'b'}));
        QCOMPARE(host.textSeenByKeyPress, (std::vector<std::string>{"", "", "", ""}));
        QCOMPARE(host.multi.text(), std::string("\xE9?"));
        QCOMPARE(host.single.text(), std::string("ab"));

        host.single.KeyPress = [](int &keyAscii) { keyAscii = keyAscii == 'x' ? 0 : 'Y'; };
        testing::commit(host.singleView, QStringLiteral("xz"));
        QCOMPARE(host.single.text(), std::string("abY"));
    }

    void charactersOutsideThePageReachProceduresAsQuestionMarks()
    {
        Host host;
        QTest::sendKeyEvent(QTest::KeyAction::Click, host.multiView, Qt::Key_unknown, QString::fromUtf8("Ж"), Qt::NoModifier);
        QCOMPARE(host.keys, std::vector<int>{'?'});
        QCOMPARE(host.multiView->toPlainText(), QString::fromUtf8("Ж"));  // the box still shows it
        QCOMPARE(host.multi.text(), std::string("?"));
    }

    // On X11 a clipboard with no owner offers no format at all.
    void aPasteOfNothingInsertsNothing()
    {
        Host host;
        QTest::keyClicks(host.multiView, "ab");
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        QTest::keyClick(host.multiView, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(host.multiView, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(host.singleView, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(host.multi.text(), std::string("ab"));
        QCOMPARE(host.single.text(), std::string());
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
        testing::type(host.multiView, "a\xA0" "b");
        QTest::keyClick(host.multiView, Qt::Key_Return, lineBreak);
        testing::type(host.multiView, "c");
        QTest::keyClick(host.multiView, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(host.multiView, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\u00A0b\nc"));
        QCOMPARE(host.multi.text(), std::string());
        QTest::keyClick(host.multiView, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(host.multi.text(), std::string("a\xA0" "b\r\nc"));
    }

    void typedLineBreaksReadBackAsCrLf()
    {
        Host host;
        QTest::keyClicks(host.multiView, "one");
        QTest::keyClick(host.multiView, Qt::Key_Return);
        QTest::keyClicks(host.multiView, "two");
        QCOMPARE(host.multi.text(), std::string("one\r\ntwo"));
        testing::paste(host.multiView, QStringLiteral("\nx\r\ny"));
        QCOMPARE(host.multi.text(), std::string("one\r\ntwo\r\nx\r\ny"));
    }

    void appendedLineBreaksShowOnce()
    {
        Host host;
        for (char byte : std::string("a\r\nb\rc\nd"))
            host.other.append(characterOf(byte));
        QCoreApplication::processEvents();
        QCOMPARE(host.otherView->blockCount(), 4);
        QCOMPARE(host.otherView->toPlainText(), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(host.other.text(), std::string("a\r\nb\rc\nd"));
    }

    // Appends are shown together when the event ends, before anything else can touch the box.
    void procedureChangesAreShownWhenTheEventEnds()
    {
        Host host;
        host.other.setText("old");
        QCoreApplication::processEvents();
        host.go.Click = [&] {
            host.other.setText("");
            for (char byte : std::string("new\r\ntext"))
                host.other.append(characterOf(byte));
            QCOMPARE(host.otherView->toPlainText(), QStringLiteral("old"));
        };
        testing::click(host.goView);
        QCOMPARE(host.otherView->toPlainText(), QStringLiteral("new\ntext"));
        host.otherView->insertPlainText(QStringLiteral("!"));  // as a paste from the context menu does
        QCOMPARE(host.other.text(), std::string("!new\r\ntext"));
    }

    // A box that the event changed and then deleted is left alone when the event ends.
    void aBoxDeletedByTheEventIsNotCaughtUp()
    {
        Host host;
        auto doomed = std::make_unique<forms::TextBox>(host, forms::Properties{.name = "doomed", .multiLine = true});
        host.view(*doomed);
        host.go.Click = [&] {
            doomed->setText("gone");
            delete testing::widget(*doomed);
            doomed.reset();
            host.other.setText("kept");
        };
        testing::click(host.goView);
        QCOMPARE(host.otherView->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(host.controls().size(), 4u);
    }

    void tabOnlyMovesTheFocus()
    {
        Host host;
        host.multiView->setFocus();
        QTest::keyClick(host.multiView, Qt::Key_Tab);
        QCOMPARE(host.window.focusWidget(), host.singleView);
        QTest::keyClick(host.singleView, Qt::Key_Tab);
        QCOMPARE(host.window.focusWidget(), host.otherView);
        QTest::keyClick(host.otherView, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(host.window.focusWidget(), host.singleView);
        QVERIFY(host.keys.empty());
        QCOMPARE(host.multi.text(), std::string());
        QCOMPARE(host.single.text(), std::string());
    }

    void buttonsRunClickWhenPressedEvenHidden()
    {
        Host host;
        int clicks = 0;
        host.go.Click = [&] { ++clicks; };
        host.go.hide();
        QVERIFY(host.goView->isHidden());
        host.go.click();
        QCOMPARE(clicks, 1);
    }

    void framesTakeClicksOnTheirUncoveredFace()
    {
        struct FrameHost : forms::Form {
            forms::Frame frame{*this, {.name = "frame", .caption = "Frame", .place = {0, 0, 3000, 2400}}};
            forms::Label label{*this, {.name = "label", .caption = "Label", .place = {300, 450, 900, 900}, .container = &frame}};
            FrameHost()
                : forms::Form({.name = "frames"})
            {
            }
        } host;
        QWidget window;
        QWidget *frame = backends::qt::createWidget(host.frame, &window);
        QWidget *label = backends::qt::createWidget(host.label, frame);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int clicks = 0;
        host.frame.Click = [&] { ++clicks; };
        testing::click(frame, QPoint(150, 120));
        QCOMPARE(clicks, 1);
        testing::click(label);
        QCOMPARE(clicks, 1);
        host.label.hide();
        testing::click(frame, QPoint(50, 60));
        QCOMPARE(clicks, 2);
        host.frame.setBackColor(0xFFC0FF);
        QCOMPARE(host.frame.backColor(), 0xFFC0FFu);
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(255, 192, 255));
    }
};

QUENMARK_TEST_MAIN(TestTextBoxes)
#include "tst_text_boxes.moc"
