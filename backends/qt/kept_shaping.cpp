// SPDX-License-Identifier: MIT
#include "backends/qt/kept_shaping.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QVersionNumber>

#include <algorithm>
#include <array>

namespace backends::qt {

namespace {

// A paragraph this long is laid out again on every key anyway; keeping its shaping saves little
// and would hold memory in proportion to the message.
constexpr int kLongestKeptLine = 1024;

// The Qt releases whose text layout the suite has proven this on. On any other the boxes draw as
// plain QPlainTextEdits do: what this relies on is Qt's behaviour, not its promise.
struct QtRelease {
    int major;
    int minor;
};
constexpr std::array kProvenOn{QtRelease{6, 4}, QtRelease{6, 8}, QtRelease{6, 11}};

bool provenOnRunningQt()
{
    static const bool proven = [] {
        const QVersionNumber running = QVersionNumber::fromString(QString::fromLatin1(qVersion()));
        return std::any_of(kProvenOn.begin(), kProvenOn.end(), [&running](QtRelease release) {
            return running.majorVersion() == release.major && running.minorVersion() == release.minor;
        });
    }();
    return proven;
}

template <class Lines>
bool contains(const Lines &lines, const QTextBlock &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

template <class Lines>
bool within(const Lines &some, const Lines &others)
{
    return std::all_of(some.begin(), some.end(), [&others](const QTextBlock &line) { return contains(others, line); });
}

} // namespace

KeptShaping::KeptShaping(QPlainTextEdit &box)
    : box_(box)
{
    if (!QUENMARK_KEPT_SHAPING || !provenOnRunningQt())
        return;
    for (QTextCursor &mark : marks_)
        mark = QTextCursor(box.document());  // each its own, not copies of one
    // A change is reported before the document is laid out again, so the line being written keeps
    // the shaping of that layout for the paint that follows.
    connections_ = {QObject::connect(box.document(), &QTextDocument::contentsChange, &box,
                                     [this](int from, int, int added) { follow(Change{from, from + added}); }),
                    QObject::connect(&box, &QPlainTextEdit::cursorPositionChanged, &box, [this] { follow(std::nullopt); })};
}

// The box outlives this member: its document and caret still report changes while it is destroyed.
KeptShaping::~KeptShaping()
{
    for (const QMetaObject::Connection &connection : connections_)
        QObject::disconnect(connection);
}

KeptShaping::Lines KeptShaping::linesToKeep() const
{
    Lines lines;
    for (QTextBlock line : {box_.textCursor().block(), box_.document()->lastBlock()}) {
        for (int i = 0; i < 2 && line.isValid(); ++i, line = line.previous())
            if (line.length() <= kLongestKeptLine && !contains(lines, line))
                lines.push_back(line);
    }
    return lines;
}

KeptShaping::Lines KeptShaping::keptLines() const
{
    Lines lines;
    for (std::size_t i = 0; i < marksInUse_; ++i) {
        // Qt 6.11 reports a clear of the document when its lines are already gone.
        if (marks_[i].block().isValid())
            lines.push_back(marks_[i].block());
    }
    return lines;
}

void KeptShaping::follow(std::optional<Change> change)
{
    const Lines lines = linesToKeep();
    const Lines kept = keptLines();
    // A new text may reuse the handle of a line that kept its shaping, so the layouts are asked too.
    const bool allKeeping = std::all_of(lines.begin(), lines.end(), [](const QTextBlock &line) { return line.layout()->cacheEnabled(); });
    if (allKeeping && within(lines, kept) && within(kept, lines))
        return;
    for (const QTextBlock &line : kept) {
        if (contains(lines, line))
            continue;
        line.layout()->setCacheEnabled(false);
        // Lets its shaping and lines go now; the document lays it out again when it is next shown
        // or measured, as it does every line after a change spanning several. A line inside the
        // change is laid out again as soon as the change is reported anyway.
        const bool changed = change && line.position() <= change->to && change->from < line.position() + line.length();
        if (!changed)
            line.layout()->setText(QString());  // a line's text stays its document's
    }
    marksInUse_ = 0;
    for (const QTextBlock &line : lines) {
        line.layout()->setCacheEnabled(true);
        marks_[marksInUse_++].setPosition(line.position());
    }
}

} // namespace backends::qt
