#pragma once

#include <QPushButton>

#include <functional>

namespace forms {

class CommandButton : public QPushButton {
public:
    CommandButton(const QString &caption, QWidget *parent);

    std::function<void()> Click;

    // Pressing from a procedure runs Click at once, to completion, shown or hidden.
    void press();

protected:
    // Qt draws a button's caption on one line; ours wraps at word boundaries when it must.
    void paintEvent(QPaintEvent *event) override;
};

} // namespace forms
