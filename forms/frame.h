// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

class QKeySequence;

#include <cstdint>
#include <functional>

namespace forms {

// A titled frame that takes a click anywhere on its face not covered by a shown control. It never
// takes the focus; a shortcut and an accessible Press action raise its Click too.
class Frame : public QGroupBox {
    Q_OBJECT

public:
    Frame(const QString &caption, QWidget *parent);

    std::function<void()> Click;

    void click();
    // Raises Click from anywhere in the window while the frame is shown.
    void setShortcut(const QKeySequence &keys);

    void setBackColor(std::uint32_t bgr);
    std::uint32_t backColor() const;

protected:
    // Drawn by hand: the toolkit's styles tint a group box's face, and ours must show its colour.
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace forms
