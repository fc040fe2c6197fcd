#include "floor_window.h"

#include "app/frmVelloq.h"
#include "forms/multilinetextbox.h"

namespace bench {

namespace {

// Same place, size, font, colours and scroll bars; nothing of the program's own layer.
QPlainTextEdit *bareTwinOf(const QPlainTextEdit &box, QWidget *parent)
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

} // namespace

FloorWindow::FloorWindow(const app::frmVelloq &form)
    : clearBox(bareTwinOf(*form.txtin, this))
    , codeBox(bareTwinOf(*form.txtcode, this))
    , encryptedBox(bareTwinOf(*form.txtencrypt, this))
{
    resize(form.size());
}

} // namespace bench
