// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTextCursor>
#include <QVarLengthArray>

#include <array>
#include <cstddef>
#include <optional>

class QPlainTextEdit;

namespace backends::qt {

// The toolkit shapes a line's text anew each time it paints it and keeps nothing. A key press
// repaints the caret's line and the one above it, an append the last two lines; those lines keep
// their shaping, so typing at the end of a long message costs what it costs in an empty box. Every
// other line is shaped when painted, as usual, and a line that stops keeping lets go at once.
//
// It relies on what Qt does but does not document: QPlainTextDocumentLayout keeps each line's
// QTextLayout between paints, so setCacheEnabled(true) on it holds the shaping until the line is
// laid out again; QTextDocument::contentsChange is emitted before that new layout, so the layout
// kept is the one painted next; and clearing a layout's text lets its shaping go, the document
// setting the text again when it next lays the line out. So it runs only on the Qt releases the
// suite has proven it on (kProvenOn), checked against the Qt the program runs with; on any other
// the boxes are plain QPlainTextEdits. tst_kept_shaping guards what the user sees (each kept line
// paints pixel for pixel as a bare box's) and the memory the lines hold. Building with
// -DQUENMARK_KEPT_SHAPING=OFF leaves the boxes plain on every Qt; CI runs the suite both ways.
class KeptShaping {
public:
    explicit KeptShaping(QPlainTextEdit &box);
    ~KeptShaping();
    KeptShaping(const KeptShaping &) = delete;
    KeptShaping &operator=(const KeptShaping &) = delete;

private:
    static constexpr std::size_t kMostLines = 4;
    using Lines = QVarLengthArray<QTextBlock, kMostLines>;

    struct Change {
        int from;
        int to;
    };
    void follow(std::optional<Change> change);
    Lines linesToKeep() const;
    Lines keptLines() const;

    QPlainTextEdit &box_;
    // Each in use marks the start of a line keeping its shaping; the document moves them with its
    // edits. They are made once: the document cannot have a cursor made or destroyed while it
    // reports a change.
    std::array<QTextCursor, kMostLines> marks_;
    std::size_t marksInUse_ = 0;
    std::array<QMetaObject::Connection, 2> connections_;
};

} // namespace backends::qt
