// SPDX-License-Identifier: MIT
#include "backends/qt/text_box.h"

#include "backends/qt/key_ascii.h"
#include "backends/qt/windows1252.h"
#include "codepage/windows1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace backends::qt {

QKeyEvent *keyAfterKeyPress(forms::TextBox &box, QKeyEvent *event, std::unique_ptr<QKeyEvent> &replacement)
{
    if (isCommand(*event)) {
        event->ignore();
        return nullptr;
    }
    const std::optional<int> code = keyAsciiOf(*event);
    if (!code)
        return event;
    const int keyAscii = box.raiseKeyPress(*code);
    if (keyAscii == *code)
        return event;
    if (keyAscii == 0)
        return nullptr;
    replacement = std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                              toUnicode(codepage::characterOf(keyAscii)));
    return replacement.get();
}

void commitThroughKeyPress(forms::TextBox &box, QInputMethodEvent &event)
{
    if (event.commitString().isEmpty() || !box.KeyPress)
        return;
    QString inserted;
    for (const char32_t character : event.commitString().toUcs4()) {
        const QString asCommitted = QString::fromUcs4(&character, 1);
        const std::optional<int> code = keyAsciiOf(character);
        if (!code) {
            inserted += asCommitted;
            continue;
        }
        const int keyAscii = box.raiseKeyPress(*code);
        if (keyAscii == *code)
            inserted += asCommitted;
        else if (keyAscii != 0)
            inserted += toUnicode(codepage::characterOf(keyAscii));
    }
    event.setCommitString(inserted, event.replacementStart(), event.replacementLength());
}

} // namespace backends::qt
