// SPDX-License-Identifier: MIT
#pragma once

#include "window/frmVelloq.h"

#include <QWidget>

#include <memory>

namespace backends::qt {

// The window on Qt: the window as described, with a Qt widget showing each of its controls. The
// description comes first, so it outlives the widgets that report to it.
class MainWindow : public window::frmVelloq, public QWidget {
public:
    MainWindow();

private:
    void createWidgets();
    void setFonts();
    void setAccessibleNames();
    void setTabOrder();
    void setStackingOrder();
};

// The widget of the control's kind, attached to it and placed where the description puts it.
QWidget *createWidget(forms::Control &control, QWidget *parent);

// The window as the program starts it: shown by Qt's widgets, wired and loaded, not yet shown.
std::unique_ptr<MainWindow> createWindow();

} // namespace backends::qt
