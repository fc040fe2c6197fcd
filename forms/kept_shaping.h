#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTextCursor>
#include <QVarLengthArray>

#include <array>
#include <cstddef>
#include <optional>

class QPlainTextEdit;

namespace forms {

// The toolkit shapes a line's text anew each time it paints it and keeps nothing. A key press
// repaints the caret's line and the one above it, an append the last two lines; those lines keep
// their shaping, so typing at the end of a long message costs what it costs in an empty box. Every
// other line is shaped when painted, as usual, and a line that stops keeping lets go at once.
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

} // namespace forms
