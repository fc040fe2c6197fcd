// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"

#include <QString>
#include <QWidget>

namespace backends::qt {

// A Qt widget showing one control of the window, named as the procedures call the control. It
// does for the control what the control asks (forms::ControlView) and nothing of its own.
template <class Widget, class View = forms::ControlView>
class ControlWidget : public Widget, public View {
public:
    ControlWidget(forms::Control &control, QWidget *parent)
        : Widget(parent)
        , control_(control)
    {
        this->setObjectName(QString::fromLatin1(control.name()));
    }
    ~ControlWidget() { control_.detach(); }

    forms::Control &control() const { return control_; }

    void showVisible(bool visible) override { Widget::setVisible(visible); }
    void takeFocus() override { this->setFocus(Qt::OtherFocusReason); }
    void giveUpFocus() override { this->clearFocus(); }
    bool holdsFocus() const override { return this->window()->focusWidget() == this; }

private:
    forms::Control &control_;
};

// The widget that shows a control, once a back-end has attached one.
inline QWidget *widgetOf(const forms::Control &control)
{
    return dynamic_cast<QWidget *>(control.view());
}

} // namespace backends::qt
