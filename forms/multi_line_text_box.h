// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kept_shaping.h"
#include "forms/text_box.h"

#include <QPlainTextEdit>

namespace forms {

// A multi-line text box. What procedures set is shown once their event has run, not once per
// change: the widget catches up before it handles any event of its own, painting included.
class MultiLineTextBox : public TextBoxControl<QPlainTextEdit> {
public:
    explicit MultiLineTextBox(QWidget *parent);

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

    void showWholeText() override;
    void showAppendedFrom(std::size_t offset) override;
    std::string shownText() const override;

private:
    void catchUp(std::size_t offset);
    void showPending();

    static constexpr std::size_t kNothingPending = std::string::npos;
    std::size_t pendingFrom_ = kNothingPending;
    bool catchUpScheduled_ = false;
    bool showing_ = false;
    KeptShaping keptShaping_{*this};
};

} // namespace forms
