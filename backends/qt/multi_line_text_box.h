// SPDX-License-Identifier: MIT
#pragma once

#include "backends/qt/kept_shaping.h"
#include "backends/qt/text_box.h"

#include <QPlainTextEdit>

namespace backends::qt {

// A multi-line text box. Before it handles any event of its own, painting included, it shows
// what a procedure set and the box has not shown yet.
class MultiLineTextBox : public TextBoxWidget<QPlainTextEdit> {
public:
    MultiLineTextBox(forms::TextBox &box, QWidget *parent);

    void showText(const std::string &text, std::size_t from) override;
    std::string shownText() const override;

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    KeptShaping keptShaping_{*this};
};

} // namespace backends::qt
