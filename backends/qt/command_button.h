// SPDX-License-Identifier: MIT
#pragma once

#include "backends/qt/control_widget.h"
#include "forms/command_button.h"

#include <QPushButton>

namespace backends::qt {

class CommandButton : public ControlWidget<QPushButton> {
public:
    CommandButton(forms::CommandButton &button, QWidget *parent);

protected:
    // Drawn by hand: the whole face in the button's colour, the caption wrapping at word
    // boundaries when it must (the toolkit's styles tint the face and keep captions on one line).
    void paintEvent(QPaintEvent *event) override;
    // Enter presses a focused button, as Space does; no button is the window's default.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace backends::qt
