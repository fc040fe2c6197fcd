// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

namespace backends::qt {
class MainWindow;
}

namespace bench {

// The floors' window: bare toolkit boxes where the program's message and code-book boxes stand,
// in a plain top-level window of the same size. Only these boxes are painted, as a window the
// toolkit alone would show.
class FloorWindow : public QWidget {
public:
    explicit FloorWindow(const backends::qt::MainWindow &form);

    QPlainTextEdit *const clearBox;
    QPlainTextEdit *const codeBox;
    QPlainTextEdit *const encryptedBox;
};

} // namespace bench
