// SPDX-License-Identifier: MIT
#include "session_runner.h"

#include "code_page.h"
#include "reference_model.h"
#include "user_actions.h"
#include "window_driver.h"
#include "x_input.h"

#include "codebook_store/code_book.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTextCursor>
#include <QTimer>
#include <QWindow>

#include <X11/keysym.h>

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace reliability {

namespace {

QWidget *widgetOf(backends::qt::MainWindow &form, Control control)
{
    return form.findChild<QWidget *>(nameOf(control));
}

std::u16string utf16(const QString &text)
{
    return text.toStdU16String();
}

// Bytes shown abbreviated from `from`, with control and high bytes escaped.
std::string printable(const std::string &bytes, std::size_t from = 0)
{
    std::string out = from > 0 ? "..." : "";
    for (std::size_t i = from; i < bytes.size() && i < from + 60; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char escaped[8];
        if (byte < 32 || byte >= 127) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += static_cast<char>(byte);
        }
    }
    if (bytes.size() > from + 60)
        out += "...";
    return '"' + out + "\" (" + std::to_string(bytes.size()) + " bytes)";
}

// Where two texts part, with a little of what comes before.
std::string firstDifference(const std::string &expected, const std::string &actual)
{
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const std::size_t from = at > 10 ? at - 10 : 0;
    return "differ at byte " + std::to_string(at) + ": expected " + printable(expected, from) + ", found "
           + printable(actual, from);
}

bool isEditable(std::optional<Control> box)
{
    return box == Control::txtin || box == Control::txtchange || box == Control::txtnewletter;
}

// Calls back on each key press that reaches the focus, before the focus handles it; auto-repeated
// presses included, Shift left out.
// Calls back as each key press, or each text an input method commits, reaches the focused control,
// before the control handles it.
class PressWatcher : public QObject {
public:
    explicit PressWatcher(std::function<void(const QString &text, bool committed)> onPress)
        : onPress_(std::move(onPress))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

private:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != QApplication::focusWidget())
            return false;
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() != Qt::Key_Shift)
            onPress_(static_cast<QKeyEvent *>(event)->text(), false);
        else if (event->type() == QEvent::InputMethod)
            onPress_(static_cast<QInputMethodEvent *>(event)->commitString(), true);
        return false;
    }

    std::function<void(const QString &text, bool committed)> onPress_;
};

class Session {
public:
    Session()
        : x_(QGuiApplication::platformName() == QLatin1String("xcb") ? std::make_unique<XInput>() : nullptr)
        , form_(x_ ? openFocused(*x_) : testing::openWindow())
        , model_(x_ != nullptr)
    {
        // On X, no program owns the clipboard or PRIMARY then.
        QGuiApplication::clipboard()->clear();
        QGuiApplication::clipboard()->clear(QClipboard::Selection);
    }

    std::vector<std::string> perform(const Action &action)
    {
        switch (action.kind) {
        case Action::Kind::Key: pressKey(action.key); break;
        case Action::Kind::Paste:
            if (action.clearedClipboard)
                QGuiApplication::clipboard()->clear();
            else
                QGuiApplication::clipboard()->setText(QString::fromStdU16String(action.clipboard));
            pressKey(action.key);
            break;
        case Action::Kind::ContextMenu: contextMenu(action); break;
        case Action::Kind::Click: click(action.point); break;
        case Action::Kind::Resize:
            if (x_)
                x_->resize(*form_, action.width, action.height);
            else
                form_->resize(action.width, action.height);
            model_.resize(action.width, action.height);
            break;
        case Action::Kind::MiddleClick: {
            const std::u16string primary = utf16(QGuiApplication::clipboard()->text(QClipboard::Selection));
            if (inWindow(action.point))
                x_->click(global(action.point), 2);
            settle();
            model_.middleClick(action.point, primary, [&](Control box) { return textAreaOf(box); },
                               [&](Control box) { return shownText(box); });
            break;
        }
        case Action::Kind::DoubleClick: doubleClick(action.point); break;
        case Action::Kind::Drag: drag(action.fromSelection ? selectionToDrag(action.box) : action.point, action.to); break;
        case Action::Kind::HeldKey: {
            std::vector<ReferenceModel::Press> presses;
            {
                PressWatcher watcher([&](const QString &, bool) {
                    std::vector<std::string> ignored;
                    const std::optional<Control> box = focusedControl(ignored);
                    presses.push_back({box, isEditable(box) ? factsOf(*box) : BoxFacts{}});
                });
                x_->hold(action.key.character);
                settle();
            }
            model_.held(action.key, presses);
            break;
        }
        case Action::Kind::DeadKey: deadKey(action); break;
        }
        settle();
        std::vector<std::string> found = differences();
        for (std::string &problem : model_.takeProblems())
            found.push_back(std::move(problem));
        return found;
    }

    // Closed as a window manager closes it.
    std::vector<std::string> close()
    {
        if (!x_)
            return {};
        // Closed, the window may lose its X window too: nothing can be sent to it to settle.
        x_->close(*form_);
        if (!QTest::qWaitFor([&] { return form_->isHidden(); }, 5000))
            return {"the window stayed open when the window manager closed it"};
        return {};
    }

    const WindowState &expected() const { return model_.expected(); }

private:
    // No window manager runs on the tests' X server to give the new window the focus.
    static std::unique_ptr<backends::qt::MainWindow> openFocused(XInput &x)
    {
        auto form = backends::qt::createWindow();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the window was not shown");
        x.focus(*form);
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("the window did not become active");
        return form;
    }

    void settle()
    {
        if (x_) {
            x_->settle(*form_);
        } else {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents();
        }
    }

    bool inWindow(Point point) const { return point.x < form_->width() && point.y < form_->height(); }
    QPoint global(Point point) const { return form_->mapToGlobal(QPoint(point.x, point.y)); }

    void pressKey(const Key &key)
    {
        QWidget *target = QApplication::focusWidget();
        const std::optional<Control> box = model_.expected().focus;
        const BoxFacts facts = isEditable(box) ? factsOf(*box) : BoxFacts{};
        const std::u16string clipboard = utf16(QGuiApplication::clipboard()->text());
        if (x_)
            sendXKey(key);
        else
            sendKey(target ? target : form_.get(), key);
        settle();
        model_.press(key, facts, clipboard, [&] { return shownText(*box); });
    }

    void sendXKey(const Key &key)
    {
        using Kind = Key::Kind;
        switch (key.kind) {
        case Kind::Character: x_->type(key.character); return;
        case Kind::Control:
            x_->key(key.character >= U'A' && key.character <= U'Z' ? key.character - U'A' + U'a' : key.character, false, true);
            return;
        case Kind::ControlShiftZ: x_->key(XK_z, true, true); return;
        case Kind::ShiftInsert: x_->key(XK_Insert, true); return;
        case Kind::BackTab: x_->key(XK_Tab, true); return;
        case Kind::Backspace: x_->key(XK_BackSpace); return;
        case Kind::Enter: x_->key(XK_Return); return;
        case Kind::Escape: x_->key(XK_Escape); return;
        case Kind::Tab: x_->key(XK_Tab); return;
        case Kind::Delete: x_->key(XK_Delete); return;
        case Kind::Left: x_->key(XK_Left); return;
        case Kind::Right: x_->key(XK_Right); return;
        case Kind::Up: x_->key(XK_Up); return;
        case Kind::Down: x_->key(XK_Down); return;
        }
    }

    // The box's own menu: opened with the right button on X, its action triggered otherwise.
    void contextMenu(const Action &action)
    {
        QGuiApplication::clipboard()->setText(QString::fromStdU16String(action.clipboard));
        const BoxFacts facts = factsOf(action.box);
        QWidget *box = widgetOf(*form_, action.box);
        const QPoint centre = box->mapTo(form_.get(), box->rect().center());
        if (!inWindow(Point{centre.x(), centre.y()}))
            return;
        // Both kinds of box list the items in the order of MenuItem, between separators.
        const auto itemOf = [&](QMenu &menu) {
            QList<QAction *> items = menu.actions();
            items.removeIf([](QAction *item) { return item->isSeparator(); });
            if (items.size() != 7 || !items[static_cast<int>(action.item)]->text().remove(u'&').startsWith(QLatin1String(nameOf(action.item))))
                qFatal("the context menu has no %s", nameOf(action.item));
            return items[static_cast<int>(action.item)];
        };
        if (!x_) {
            box->setFocus(Qt::MouseFocusReason);
            std::unique_ptr<QMenu> menu(action.box == Control::txtin ? testing::widget<QPlainTextEdit>(form_->txtin)->createStandardContextMenu()
                                                                      : static_cast<QLineEdit *>(box)->createStandardContextMenu());
            itemOf(*menu)->trigger();
        } else {
            const auto menuShown = [] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                return menu && menu->windowHandle() && menu->windowHandle()->isExposed() ? menu : nullptr;
            };
            // Now and then the menu closes as soon as it opens, while the button is still down;
            // a person clicks again.
            for (int attempt = 0; attempt < 5; ++attempt) {
                x_->click(global(Point{centre.x(), centre.y()}), 3);
                if (QTest::qWaitFor([&] { return menuShown() != nullptr; }, 2000))
                    break;
            }
            if (!menuShown())
                qFatal("no context menu opened on %s", nameOf(action.box));
            QMenu &menu = *menuShown();
            QAction *item = itemOf(menu);
            if (item->isEnabled())
                x_->click(menu.mapToGlobal(menu.actionGeometry(item).center()));
            else
                x_->key(XK_Escape);
            settle();
            // The X focus went to the menu and reverted to the root window as it closed; a
            // window manager gives it back.
            x_->focus(*form_);
        }
        settle();
        model_.menu(action.box, action.item, facts, action.clipboard, [&] { return shownText(action.box); });
    }

    // On a box the input method composes; elsewhere the dead key does nothing and the character
    // is an ordinary key.
    void deadKey(const Action &action)
    {
        const std::optional<Control> box = model_.expected().focus;
        if (box == Control::txtchange || box == Control::txtnewletter) {
            // The dialogue's procedures move the focus on: what arrives goes to the model as it
            // arrived, a key where the focus then was, or a commit into the box.
            struct Typed {
                std::u16string text;
                bool committed;
                BoxFacts facts;
            };
            std::vector<Typed> typed;
            {
                PressWatcher watcher([&](const QString &text, bool committed) {
                    std::vector<std::string> ignored;
                    const std::optional<Control> now = focusedControl(ignored);
                    if (!text.isEmpty())
                        typed.push_back({utf16(text), committed, isEditable(now) ? factsOf(*now) : BoxFacts{}});
                });
                x_->deadKey(action.deadKeysym, action.key.character);
                settle();
            }
            for (const Typed &arrived : typed) {
                if (arrived.committed)
                    model_.committed(*box, arrived.text, arrived.facts);
                else
                    model_.press(Key{Key::Kind::Character, arrived.text[0]}, arrived.facts, {}, {});
            }
            return;
        }
        const BoxFacts facts = isEditable(box) ? factsOf(*box) : BoxFacts{};
        x_->deadKey(action.deadKeysym, action.key.character);
        settle();
        if (box == Control::txtin)
            model_.composed(facts, [&] { return shownText(*box); });
        else
            model_.press(action.key, facts, {}, {});
    }

    void drag(Point from, Point to)
    {
        const AllFacts facts = allFacts();
        if (inWindow(from))
            x_->drag(global(from), global(to));
        settle();
        model_.drag(from, to, facts, [&](Control box) { return shownText(box); });
    }

    void doubleClick(Point point)
    {
        if (inWindow(point))
            x_->click(global(point), 1, 2);
        model_.click(point);
        model_.click(point);
    }

    // A point on the box's selection; where it has none, a double click on its first word makes one.
    Point selectionToDrag(Control box)
    {
        const Point firstWord{windowRectOf(box).left + 6, windowRectOf(box).top + 10};
        if (!onSelection(box)) {
            doubleClick(firstWord);
            settle();
            QTest::qWait(QApplication::doubleClickInterval() + 50);  // the drag's press is no third click
        }
        return onSelection(box).value_or(firstWord);
    }

    // A point on a box's selection, just inside its end at the caret; nothing without a selection.
    std::optional<Point> onSelection(Control box) const
    {
        const BoxFacts facts = factsOf(box);
        if (facts.selectionStart == facts.selectionEnd)
            return std::nullopt;
        QWidget *widget = box == Control::txtin ? testing::widget<QPlainTextEdit>(form_->txtin)->viewport() : widgetOf(*form_, box);
        const QRect caret = box == Control::txtin ? testing::widget<QPlainTextEdit>(form_->txtin)->cursorRect()
                                                  : widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QPoint at = widget->mapTo(form_.get(), caret.center() + QPoint(facts.caret == facts.selectionEnd ? -3 : 3, 0));
        return Point{at.x(), at.y()};
    }

    AllFacts allFacts() const
    {
        AllFacts facts{};
        for (Control box : {Control::txtin, Control::txtchange, Control::txtnewletter})
            facts[indexOf(box)] = factsOf(box);
        return facts;
    }

    static void sendKey(QWidget *target, const Key &key)
    {
        using Kind = Key::Kind;
        switch (key.kind) {
        case Kind::Character: {
            const QString text = QString::fromUcs4(&key.character, 1);
            const auto code = static_cast<Qt::Key>(QChar::toUpper(key.character));
            QTest::sendKeyEvent(QTest::KeyAction::Click, target, code, text, Qt::NoModifier);
            return;
        }
        case Kind::Control:
            QTest::keyClick(target, static_cast<Qt::Key>(key.character), Qt::ControlModifier);  // Qt's codes for A-Z and [ \ ] ^ _ are their ASCII
            return;
        case Kind::BackTab: QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier); return;
        case Kind::Backspace: QTest::keyClick(target, Qt::Key_Backspace); return;
        case Kind::Enter: QTest::keyClick(target, Qt::Key_Return); return;
        case Kind::Escape: QTest::keyClick(target, Qt::Key_Escape); return;
        case Kind::Tab: QTest::keyClick(target, Qt::Key_Tab); return;
        case Kind::Delete: QTest::keyClick(target, Qt::Key_Delete); return;
        case Kind::Left: QTest::keyClick(target, Qt::Key_Left); return;
        case Kind::Right: QTest::keyClick(target, Qt::Key_Right); return;
        case Kind::Up: QTest::keyClick(target, Qt::Key_Up); return;
        case Kind::Down: QTest::keyClick(target, Qt::Key_Down); return;
        }
    }

    // Through the window, as a user's click: whatever lies on top at that point receives it.
    void click(Point point)
    {
        if (inWindow(point) && x_)
            x_->click(global(point));
        else if (inWindow(point))
            QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(point.x, point.y));
        model_.click(point);
    }

    // Where a box takes the pointer for its text: not its frame, nor a scroll bar it shows.
    Rect textAreaOf(Control box) const
    {
        QWidget *area = box == Control::txtin ? testing::widget<QPlainTextEdit>(form_->txtin)->viewport() : widgetOf(*form_, box);
        const QPoint topLeft = area->mapTo(form_.get(), QPoint(0, 0));
        return Rect{topLeft.x(), topLeft.y(), area->width(), area->height()};
    }

    std::u16string shownText(Control box) const
    {
        if (box == Control::txtin)
            return utf16(testing::widget<QPlainTextEdit>(form_->txtin)->document()->toRawText());
        return utf16(static_cast<QLineEdit *>(widgetOf(*form_, box))->QLineEdit::text());
    }

    BoxFacts factsOf(Control box) const
    {
        const std::u16string shown = shownText(box);
        const auto bytesBefore = [&](int position) {
            const std::u16string_view before = std::u16string_view(shown).substr(0, static_cast<std::size_t>(position));
            return box == Control::txtin ? multiLineBytes(before).size() : singleLineBytes(before).size();
        };
        BoxFacts facts;
        if (box == Control::txtin) {
            const QTextCursor cursor = testing::widget<QPlainTextEdit>(form_->txtin)->textCursor();
            facts.selectionStart = bytesBefore(cursor.selectionStart());
            facts.selectionEnd = bytesBefore(cursor.selectionEnd());
            facts.caret = bytesBefore(cursor.position());
            facts.undoAvailable = testing::widget<QPlainTextEdit>(form_->txtin)->document()->isUndoAvailable();
            facts.redoAvailable = testing::widget<QPlainTextEdit>(form_->txtin)->document()->isRedoAvailable();
            return facts;
        }
        const auto *line = static_cast<const QLineEdit *>(widgetOf(*form_, box));
        const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        const int end = line->hasSelectedText() ? line->selectionEnd() : line->cursorPosition();
        facts.selectionStart = bytesBefore(start);
        facts.selectionEnd = bytesBefore(end);
        facts.caret = bytesBefore(line->cursorPosition());
        facts.undoAvailable = line->isUndoAvailable();
        facts.redoAvailable = line->isRedoAvailable();
        return facts;
    }

    std::optional<Control> focusedControl(std::vector<std::string> &found) const
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return std::nullopt;
        for (Control control : kAllControls)
            if (widgetOf(*form_, control) == focus)
                return control;
        found.push_back("the focus is on " + focus->objectName().toStdString() + ", which is none of the 19 controls");
        return std::nullopt;
    }

    std::vector<std::string> differences()
    {
        std::vector<std::string> found;
        const WindowState &want = model_.expected();
        backends::qt::MainWindow &form = *form_;

        if (form.codebook.size() != 26)
            found.push_back("the code book holds " + std::to_string(form.codebook.size()) + " entries");
        for (int letter = 0; letter < 26; ++letter) {
            const std::string key(1, static_cast<char>('A' + letter));
            std::string value;
            try {
                value = form.codebook.lookUp(key);
            } catch (const std::exception &) {
                value = "(missing)";
            }
            if (value != want.codeLetters[letter])
                found.push_back("code letter of " + key + ": expected " + printable(want.codeLetters[letter]) + ", found "
                                + printable(value));
        }

        const auto compareText = [&](const char *name, const std::string &expected, const std::string &actual) {
            if (expected != actual)
                found.push_back(std::string(name) + " " + firstDifference(expected, actual));
        };
        compareText("txtcode", want.txtcode, form.txtcode.text());
        compareText("txtencrypt", want.txtencrypt, form.txtencrypt.text());
        compareText("txtin", want.txtin, form.txtin.text());
        compareText("txtchange", want.txtchange, form.txtchange.text());
        compareText("txtnewletter", want.txtnewletter, form.txtnewletter.text());
        compareText("changeletter", want.changeletter, form.changeletter);

        // What the two read-only boxes show must be what they hold.
        if (testing::widget<QPlainTextEdit>(form.txtcode)->document()->toRawText().toStdU16String() != multiLineShown(want.txtcode))
            found.push_back("txtcode shows something other than it holds");
        if (want.txtencrypt.size() < 4096 || ++longChecks_ % 64 == 0)
            if (testing::widget<QPlainTextEdit>(form.txtencrypt)->document()->toRawText().toStdU16String() != multiLineShown(want.txtencrypt))
                found.push_back("txtencrypt shows something other than it holds");

        for (Control control : kAllControls) {
            const QWidget *widget = widgetOf(form, control);
            if (widget->isHidden() != want.hidden[indexOf(control)])
                found.push_back(std::string(nameOf(control)) + (widget->isHidden() ? " is hidden" : " is shown"));
            const Rect r = windowRectOf(control);
            if (widget->mapTo(&form, QPoint(0, 0)) != QPoint(r.left, r.top) || widget->size() != QSize(r.width, r.height))
                found.push_back(std::string(nameOf(control)) + " moved or changed size");
        }
        if (form.size() != QSize(want.width, want.height))
            found.push_back("the window is " + std::to_string(form.width()) + " x " + std::to_string(form.height()));
        if (form.frmchange.backColor() != want.frameColour)
            found.push_back("frmchange has colour " + std::to_string(form.frmchange.backColor()));

        const std::optional<Control> focus = focusedControl(found);
        if (model_.focusPredicted()) {
            if (focus != want.focus)
                found.push_back(std::string("the focus is on ") + (focus ? nameOf(*focus) : "nothing") + ", expected on "
                                + (want.focus ? nameOf(*want.focus) : "nothing"));
        } else {
            // Left to the toolkit, but never on a control the user cannot see or that takes no focus.
            if (focus && (!shown(*focus, want.hidden) || !takesFocus(*focus)))
                found.push_back(std::string("the focus went to ") + nameOf(*focus) + ", which is hidden or takes no focus");
            model_.adoptFocus(focus);
        }
        return found;
    }

    std::unique_ptr<XInput> x_;
    std::unique_ptr<backends::qt::MainWindow> form_;
    ReferenceModel model_;
    int longChecks_ = 0;
};

} // namespace

std::string report(const Divergence &divergence)
{
    std::string text = "seed " + std::to_string(divergence.seed) + ", step " + std::to_string(divergence.step) + " ("
                       + divergence.action + "):";
    for (const std::string &difference : divergence.differences)
        text += "\n    " + difference;
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    text += std::string("\n  reproduce with: tst_random_sessions") + (onX ? " --x11" : "") + " --replay " + std::to_string(divergence.seed) + " --steps "
            + std::to_string(divergence.step) + " --trace";
    return text;
}

std::optional<Divergence> runSession(std::uint64_t seed, int steps, bool trace)
{
    Session session;
    ActionSource source(seed, QGuiApplication::platformName() == QLatin1String("xcb"));
    for (int step = 1; step <= steps; ++step) {
        const Action action = source.next(session.expected().hidden);
        if (trace) {
            std::printf("%6d  %-40s", step, describe(action).c_str());
            std::fflush(stdout);  // the step that hangs is the one to see
        }
        std::vector<std::string> found = session.perform(action);
        if (trace) {
            const WindowState &state = session.expected();
            std::printf("focus %-12s txtin %zu, txtencrypt %zu, txtchange %zu, txtnewletter %zu\n",
                        state.focus ? nameOf(*state.focus) : "-", state.txtin.size(), state.txtencrypt.size(),
                        state.txtchange.size(), state.txtnewletter.size());
        }
        if (!found.empty())
            return Divergence{seed, step, describe(action), std::move(found)};
    }
    if (std::vector<std::string> found = session.close(); !found.empty())
        return Divergence{seed, steps + 1, "close the window", std::move(found)};
    return std::nullopt;
}

} // namespace reliability
