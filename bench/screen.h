// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSet>

#include <functional>

class QPlainTextEdit;
class QWidget;

namespace bench {

// Delivers everything the last action left pending (posted events, a box's catch-up, layouts) and
// paints every dirty region of the window, as the event loop does before it waits for new input.
void settle(QWidget &window);

// Makes the window the active one, with the focus on `focus` when given.
void activate(QWidget &window, QWidget *focus = nullptr);

// The wall time of an action and the settling after it.
double secondsToSettle(QWidget &window, const std::function<void()> &action);

// Whether the end of the box's text lies in its visible area: text added there must be painted.
bool showsEnd(const QPlainTextEdit &box);

// Which boxes had their text area painted since the last clear(): proof that lazy work was paid.
class PaintWatch : public QObject {
public:
    void watch(QPlainTextEdit &box);
    void clear() { painted_.clear(); }
    bool painted(const QPlainTextEdit &box) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSet<const QObject *> painted_;
};

} // namespace bench
