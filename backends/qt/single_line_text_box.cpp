// SPDX-License-Identifier: MIT
#include "backends/qt/single_line_text_box.h"

#include "backends/qt/windows1252.h"

#include <limits>

namespace backends::qt {

SingleLineTextBox::SingleLineTextBox(forms::TextBox &box, QWidget *parent)
    : TextBoxWidget(box, parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [&box] { box.userEdited(); });
}

void SingleLineTextBox::showText(const std::string &text, std::size_t)
{
    setText(toUnicode(text));
}

std::string SingleLineTextBox::shownText() const
{
    return toAnsi(text());
}

} // namespace backends::qt
