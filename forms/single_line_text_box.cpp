// SPDX-License-Identifier: MIT
#include "forms/single_line_text_box.h"

#include "forms/windows1252.h"

#include <limits>

namespace forms {

SingleLineTextBox::SingleLineTextBox(QWidget *parent)
    : TextBoxControl(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
}

void SingleLineTextBox::showWholeText()
{
    QLineEdit::setText(toUnicode(heldText()));
}

std::string SingleLineTextBox::shownText() const
{
    return toAnsi(QLineEdit::text());
}

} // namespace forms
