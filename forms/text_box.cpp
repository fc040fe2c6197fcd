// SPDX-License-Identifier: MIT
#include "forms/text_box.h"

#include "codepage/windows1252.h"
#include "forms/events.h"
#include "forms/key_ascii.h"
#include "forms/windows1252.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace forms {

TextBox::TextBox() = default;
TextBox::~TextBox() = default;

const std::string &TextBox::text()
{
    if (widgetHoldsText_) {
        text_ = shownText();
        widgetHoldsText_ = false;
    }
    return text_;
}

void TextBox::setText(std::string_view text)
{
    if (this->text() == text)
        return;
    text_ = text;
    showWholeText();
    raiseChange();
}

void TextBox::append(std::string_view more)
{
    if (more.empty())
        return;
    const std::size_t offset = text().size();
    text_ += more;
    showAppendedFrom(offset);
    raiseChange();
}

void TextBox::beep()
{
    QApplication::beep();
}

QKeyEvent *TextBox::keyAfterKeyPress(QKeyEvent *event)
{
    if (isCommand(*event)) {
        event->ignore();
        return nullptr;
    }
    const std::optional<int> code = keyAsciiOf(*event);
    if (!code || !KeyPress)
        return event;
    int keyAscii = *code;
    runEvent([&] { KeyPress(keyAscii); });
    if (keyAscii == *code)
        return event;
    if (keyAscii == 0)
        return nullptr;
    replacedKey_ = std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                               toUnicode(codepage::characterOf(keyAscii)));
    return replacedKey_.get();
}

void TextBox::commitThroughKeyPress(QInputMethodEvent &event)
{
    if (event.commitString().isEmpty() || !KeyPress)
        return;
    QString inserted;
    for (const char32_t character : event.commitString().toUcs4()) {
        const QString asCommitted = QString::fromUcs4(&character, 1);
        const std::optional<int> code = keyAsciiOf(character);
        if (!code) {
            inserted += asCommitted;
            continue;
        }
        int keyAscii = *code;
        runEvent([&] { KeyPress(keyAscii); });
        if (keyAscii == *code)
            inserted += asCommitted;
        else if (keyAscii != 0)
            inserted += toUnicode(codepage::characterOf(keyAscii));
    }
    event.setCommitString(inserted, event.replacementStart(), event.replacementLength());
}

void TextBox::userEdited()
{
    widgetHoldsText_ = true;
    raiseChange();
}

void TextBox::raiseChange()
{
    runEvent(Change);
}

} // namespace forms
