// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

#include <QPushButton>

#include <functional>

namespace forms {

class CommandButton : public Control<QPushButton> {
public:
    CommandButton(const QString &caption, QWidget *parent);

    // click() from a procedure runs Click at once, to completion, shown or hidden.
    std::function<void()> Click;

protected:
    // Drawn by hand: the whole face in the button's colour, the caption wrapping at word
    // boundaries when it must (the toolkit's styles tint the face and keep captions on one line).
    void paintEvent(QPaintEvent *event) override;
    // Enter presses a focused button, as Space does; no button is the window's default.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace forms
