// SPDX-License-Identifier: MIT
#include "window_driver.h"

#include <QAccessible>
#include <QTest>

using testing::controlsOf;
using testing::shownControls;

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return interface;
}

// The controls a screen reader finds by walking down from the window, leaving out hidden ones.
QStringList reachableControls(const backends::qt::MainWindow &form)
{
    const QList<QWidget *> controls = controlsOf(form);
    QStringList reached;
    QList<QAccessibleInterface *> pending = {accessibleOf(const_cast<backends::qt::MainWindow *>(&form))};
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        if (node->state().invisible)
            continue;
        if (controls.contains(node->object()))
            reached << node->object()->objectName();
        for (int i = 0; i < node->childCount(); ++i)
            pending << node->child(i);
    }
    reached.sort();
    return reached;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void eachControlIsSpokenByItsCaption_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        using R = QAccessible::Role;
        QTest::newRow("txtin") << "txtin" << "Type Clear Message Here" << R::EditableText;
        QTest::newRow("txtcode") << "txtcode" << "Code Book" << R::EditableText;
        QTest::newRow("txtencrypt") << "txtencrypt" << "Encrypted Message" << R::EditableText;
        QTest::newRow("txtchange") << "txtchange" << "Enter Cleartext Letter to Change" << R::EditableText;
        QTest::newRow("txtnewletter") << "txtnewletter" << "New Code Letter" << R::EditableText;
        QTest::newRow("cmderase") << "cmderase" << "Erase Message" << R::Button;
        QTest::newRow("cmdre") << "cmdre" << "Re-encrypt" << R::Button;
        QTest::newRow("cmdclear") << "cmdclear" << "Clear Encrypted Message" << R::Button;
        QTest::newRow("cmdSendMsg") << "cmdSendMsg" << "Send Secret Message!" << R::Button;
        QTest::newRow("cmdGoAgain") << "cmdGoAgain" << "Send New Message" << R::Button;
        QTest::newRow("Frame1") << "Frame1" << "Quenmark" << R::Grouping;
        QTest::newRow("frmchange") << "frmchange" << "Click to Change Code Book" << R::Grouping;
        QTest::newRow("lbltype") << "lbltype" << "Type Clear Message Here" << R::StaticText;
        QTest::newRow("lblcode") << "lblcode" << "Code Book" << R::StaticText;
        QTest::newRow("lblencrypt") << "lblencrypt" << "Encrypted Message" << R::StaticText;
        QTest::newRow("lblcleartext") << "lblcleartext" << "Enter Cleartext Letter to Change" << R::StaticText;
        QTest::newRow("lblnewletter") << "lblnewletter" << "New Code Letter" << R::StaticText;
        QTest::newRow("lblsent") << "lblsent" << "MESSAGE HAS BEEN SENT!" << R::StaticText;
        QTest::newRow("picVelloq") << "picVelloq" << "A magnifying glass over a tile of scattered letters"
                                   << R::Graphic;
    }

    void eachControlIsSpokenByItsCaption()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        const auto form = testing::openWindow();
        QWidget *widget = form->findChild<QWidget *>(control);
        QVERIFY(widget);
        QAccessibleInterface *spoken = accessibleOf(widget);
        QCOMPARE(spoken->text(QAccessible::Name), name);
        QCOMPARE(spoken->role(), role);
    }

    void noControlIsLeftUnnamed()
    {
        const auto form = testing::openWindow();
        for (QWidget *control : controlsOf(*form))
            QVERIFY2(!accessibleOf(control)->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(control->objectName()));
    }

    void aScreenReaderReachesExactlyTheShownControls()
    {
        const auto form = testing::openWindow();
        QCOMPARE(reachableControls(*form), shownControls(*form));

        testing::clickChangeFrame(*form);
        testing::type(testing::widget(form->txtchange), "h");
        QVERIFY(reachableControls(*form).contains("txtnewletter"));
        QCOMPARE(reachableControls(*form), shownControls(*form));

        testing::click(testing::widget(form->cmdSendMsg));
        QCOMPARE(reachableControls(*form), shownControls(*form));
        QVERIFY(reachableControls(*form).contains("picVelloq"));
    }

    void eachBoxIsLabelledByTheHeadingOverIt()
    {
        const auto form = testing::openWindow();
        const std::pair<QWidget *, QWidget *> labelled[] = {{testing::widget(form->lbltype), testing::widget(form->txtin)},
                                                             {testing::widget(form->lblcode), testing::widget(form->txtcode)},
                                                             {testing::widget(form->lblencrypt), testing::widget(form->txtencrypt)},
                                                             {testing::widget(form->lblcleartext), testing::widget(form->txtchange)},
                                                             {testing::widget(form->lblnewletter), testing::widget(form->txtnewletter)}};
        for (const auto &[label, box] : labelled) {
            const auto relations = accessibleOf(label)->relations(QAccessible::Labelled);
            QVERIFY2(relations.size() == 1 && relations.first().first->object() == box, qPrintable(label->objectName()));
        }
    }

    // The frame takes no focus: assistive technology presses it, and its description names the
    // shortcut that does the same from the keyboard.
    void theChangeFrameHasAPressAction()
    {
        const auto form = testing::openWindow();
        QAccessibleInterface *frame = accessibleOf(testing::widget(form->frmchange));
        QVERIFY(frame->text(QAccessible::Description).contains(QStringLiteral("Alt+C")));
        QAccessibleActionInterface *actions = frame->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!form->txtchange.isHidden());
        QCOMPARE(form->focusWidget(), testing::widget(form->txtchange));
    }

    void aScreenReaderReadsTheEncryptedMessage()
    {
        const auto form = testing::openWindow();
        testing::type(testing::widget(form->txtin), "hi!");
        QCOMPARE(accessibleOf(testing::widget(form->txtencrypt))->text(QAccessible::Value), QStringLiteral("HI!"));
    }
};

QUENMARK_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
