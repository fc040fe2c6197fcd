// SPDX-License-Identifier: MIT
#include "forms/singlelinetextbox.h"

#include "forms/visibility.h"
#include "forms/windows1252.h"

#include <limits>

namespace forms {

SingleLineTextBox::SingleLineTextBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
}

void SingleLineTextBox::setVisible(bool visible)
{
    if (!visible)
        giveUpFocusBeforeHiding(*this);
    QLineEdit::setVisible(visible);
}

void SingleLineTextBox::keyPressEvent(QKeyEvent *event)
{
    if (QKeyEvent *key = keyAfterKeyPress(event))
        QLineEdit::keyPressEvent(key);
}

void SingleLineTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    commitThroughKeyPress(*event);
    QLineEdit::inputMethodEvent(event);
}

void SingleLineTextBox::showWholeText()
{
    QLineEdit::setText(toUnicode(heldText()));
}

void SingleLineTextBox::showAppendedFrom(std::size_t)
{
    showWholeText();
}

std::string SingleLineTextBox::shownText() const
{
    return toAnsi(QLineEdit::text());
}

} // namespace forms
