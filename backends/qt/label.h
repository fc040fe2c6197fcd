// SPDX-License-Identifier: MIT
#pragma once

#include "backends/qt/control_widget.h"
#include "forms/label.h"

#include <QLabel>

#include <vector>

namespace backends::qt {

// A caption centred horizontally, its lines starting at the top, wrapping at word boundaries.
// A label is a control of its own: a click on it does not reach the frame beneath.
class Label : public ControlWidget<QLabel> {
public:
    Label(forms::Label &label, QWidget *parent);
};

// The horizontal stretch, in percent, at which font sets each label's caption on one line in
// its box: 100 where they fit already, less for a face that runs wider than the boxes allow.
int stretchFittingOneLine(const QFont &font, const std::vector<const QLabel *> &labels);

// A sunken box that shows its picture at natural size from the top-left corner, cut off if larger.
class PictureBox : public ControlWidget<QLabel> {
public:
    PictureBox(forms::PictureBox &box, QWidget *parent);

protected:
    // Drawn by hand: QLabel smooths a picture it scales for a high-DPI screen, which blurs it.
    void paintEvent(QPaintEvent *event) override;
};

} // namespace backends::qt
