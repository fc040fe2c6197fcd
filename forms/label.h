// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include <initializer_list>

namespace forms {

// A caption centred horizontally, its lines starting at the top, wrapping at word boundaries.
// A label is a control of its own: a click on it does not reach the frame beneath.
class Label : public QLabel {
public:
    Label(const QString &caption, QWidget *parent);
};

// The horizontal stretch, in percent, at which font sets each label's caption on one line in
// its box: 100 where they fit already, less for a face that runs wider than the boxes allow.
int stretchFittingOneLine(const QFont &font, std::initializer_list<const Label *> labels);

// A sunken box that shows its picture at natural size from the top-left corner, cut off if larger.
class PictureBox : public QLabel {
public:
    PictureBox(const QPixmap &picture, QWidget *parent);

protected:
    // Drawn by hand: QLabel smooths a picture it scales for a high-DPI screen, which blurs it.
    void paintEvent(QPaintEvent *event) override;
};

} // namespace forms
