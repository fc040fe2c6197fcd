// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

namespace testing {

// A bare toolkit box where one of the window's stands: same place, size, font, colours, scroll
// bars and editing, and nothing of the program's own layer.
inline QPlainTextEdit *bareTwinOf(const QPlainTextEdit &box, QWidget *parent)
{
    auto *twin = new QPlainTextEdit(parent);
    twin->setGeometry(box.geometry());
    twin->setFont(box.font());
    twin->setPalette(box.palette());
    twin->setVerticalScrollBarPolicy(box.verticalScrollBarPolicy());
    twin->setHorizontalScrollBarPolicy(box.horizontalScrollBarPolicy());
    twin->setReadOnly(box.isReadOnly());
    twin->setTextInteractionFlags(box.textInteractionFlags());
    return twin;
}

} // namespace testing
