// SPDX-License-Identifier: MIT
#pragma once

#include "backends/qt/text_box.h"

#include <QLineEdit>

namespace backends::qt {

// A one-line text box with no limit on the length of its text.
class SingleLineTextBox : public TextBoxWidget<QLineEdit> {
public:
    SingleLineTextBox(forms::TextBox &box, QWidget *parent);

    void showText(const std::string &text, std::size_t from) override;
    std::string shownText() const override;
};

} // namespace backends::qt
