// SPDX-License-Identifier: MIT
#include "session_runner.h"

#include "code_page.h"
#include "reference_model.h"
#include "user_actions.h"
#include "window_driver.h"

#include "codebook/codebook.h"

#include <QClipboard>
#include <QTextCursor>
#include <QWindow>

#include <cstdio>
#include <stdexcept>

namespace reliability {

namespace {

QWidget *widgetOf(window::frmVelloq &form, Control control)
{
    switch (control) {
    case Control::Frame1: return form.Frame1;
    case Control::lbltype: return form.lbltype;
    case Control::lblcode: return form.lblcode;
    case Control::lblencrypt: return form.lblencrypt;
    case Control::txtin: return form.txtin;
    case Control::txtcode: return form.txtcode;
    case Control::txtencrypt: return form.txtencrypt;
    case Control::cmderase: return form.cmderase;
    case Control::cmdre: return form.cmdre;
    case Control::cmdclear: return form.cmdclear;
    case Control::frmchange: return form.frmchange;
    case Control::lblcleartext: return form.lblcleartext;
    case Control::lblnewletter: return form.lblnewletter;
    case Control::txtchange: return form.txtchange;
    case Control::txtnewletter: return form.txtnewletter;
    case Control::cmdSendMsg: return form.cmdSendMsg;
    case Control::lblsent: return form.lblsent;
    case Control::cmdGoAgain: return form.cmdGoAgain;
    case Control::picVelloq: return form.picVelloq;
    }
    return nullptr;
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

class Session {
public:
    Session()
        : form_(testing::openWindow())
    {
        QGuiApplication::clipboard()->clear();
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
            pressKey(Key{Key::Kind::Control, U'V'});
            break;
        case Action::Kind::ContextPaste: {
            QGuiApplication::clipboard()->setText(QString::fromStdU16String(action.clipboard));
            const BoxFacts facts = factsOf(action.box);
            if (action.box == Control::txtin)
                form_->txtin->paste();
            else
                static_cast<QLineEdit *>(widgetOf(*form_, action.box))->paste();
            model_.contextPaste(action.box, facts, action.clipboard);
            break;
        }
        case Action::Kind::Click: click(action.point); break;
        case Action::Kind::Resize:
            form_->resize(action.width, action.height);
            model_.resize(action.width, action.height);
            break;
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        return differences();
    }

    const WindowState &expected() const { return model_.expected(); }

private:
    void pressKey(const Key &key)
    {
        QWidget *target = QApplication::focusWidget();
        const std::optional<Control> box = model_.expected().focus;
        const bool editable = box == Control::txtin || box == Control::txtchange || box == Control::txtnewletter;
        const BoxFacts facts = editable ? factsOf(*box) : BoxFacts{};
        const std::u16string clipboard = utf16(QGuiApplication::clipboard()->text());
        sendKey(target ? target : form_.get(), key);
        model_.press(key, facts, clipboard, [&] { return shownText(*box); });
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
        if (point.x < form_->width() && point.y < form_->height())
            QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(point.x, point.y));
        model_.click(point);
    }

    std::u16string shownText(Control box) const
    {
        if (box == Control::txtin)
            return utf16(form_->txtin->document()->toRawText());
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
            const QTextCursor cursor = form_->txtin->textCursor();
            facts.selectionStart = bytesBefore(cursor.selectionStart());
            facts.selectionEnd = bytesBefore(cursor.selectionEnd());
            facts.caret = bytesBefore(cursor.position());
            facts.undoAvailable = form_->txtin->document()->isUndoAvailable();
            facts.redoAvailable = form_->txtin->document()->isRedoAvailable();
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
        window::frmVelloq &form = *form_;

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
        compareText("txtcode", want.txtcode, form.txtcode->text());
        compareText("txtencrypt", want.txtencrypt, form.txtencrypt->text());
        compareText("txtin", want.txtin, form.txtin->text());
        compareText("txtchange", want.txtchange, form.txtchange->text());
        compareText("txtnewletter", want.txtnewletter, form.txtnewletter->text());
        compareText("changeletter", want.changeletter, form.changeletter);

        // What the two read-only boxes show must be what they hold.
        if (form.txtcode->document()->toRawText().toStdU16String() != multiLineShown(want.txtcode))
            found.push_back("txtcode shows something other than it holds");
        if (want.txtencrypt.size() < 4096 || ++longChecks_ % 64 == 0)
            if (form.txtencrypt->document()->toRawText().toStdU16String() != multiLineShown(want.txtencrypt))
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
        if (form.frmchange->backColor() != want.frameColour)
            found.push_back("frmchange has colour " + std::to_string(form.frmchange->backColor()));

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

    std::unique_ptr<window::frmVelloq> form_;
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
    text += "\n  reproduce with: tst_random_sessions --replay " + std::to_string(divergence.seed) + " --steps "
            + std::to_string(divergence.step) + " --trace";
    return text;
}

std::optional<Divergence> runSession(std::uint64_t seed, int steps, bool trace)
{
    Session session;
    ActionSource source(seed);
    for (int step = 1; step <= steps; ++step) {
        const Action action = source.next(session.expected().hidden);
        if (trace)
            std::printf("%6d  %-40s", step, describe(action).c_str());
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
    return std::nullopt;
}

} // namespace reliability
