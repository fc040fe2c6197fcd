// SPDX-License-Identifier: MIT
#pragma once

#include "forms/textbox.h"

#include <QLineEdit>

namespace forms {

// A one-line text box with no limit on the length of its text.
class SingleLineTextBox : public QLineEdit, public TextBox {
public:
    explicit SingleLineTextBox(QWidget *parent);

    using TextBox::setText;
    using TextBox::text;

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

    void showWholeText() override;
    void showAppendedFrom(std::size_t offset) override;
    std::string shownText() const override;
};

} // namespace forms
