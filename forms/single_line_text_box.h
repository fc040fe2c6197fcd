// SPDX-License-Identifier: MIT
#pragma once

#include "forms/text_box.h"

#include <QLineEdit>

namespace forms {

// A one-line text box with no limit on the length of its text.
class SingleLineTextBox : public TextBoxControl<QLineEdit> {
public:
    explicit SingleLineTextBox(QWidget *parent);

    using TextBox::setText;
    using TextBox::text;

protected:
    void showWholeText() override;
    std::string shownText() const override;
};

} // namespace forms
