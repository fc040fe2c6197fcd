// SPDX-License-Identifier: MIT
#pragma once

#include "backends/qt/control_widget.h"
#include "forms/frame.h"

#include <QGroupBox>

namespace backends::qt {

// A titled frame that takes a click anywhere on its face not covered by a shown control. It never
// takes the focus; its access key and an accessible Press action raise its Click too.
class Frame : public ControlWidget<QGroupBox> {
    Q_OBJECT

public:
    Frame(forms::Frame &frame, QWidget *parent);

    forms::Frame &frame() const { return frame_; }
    void showBackColor(std::uint32_t bgr) override;

protected:
    // Drawn by hand: the toolkit's styles tint a group box's face, and ours must show its colour.
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    forms::Frame &frame_;
    bool pressed_ = false;
};

} // namespace backends::qt
