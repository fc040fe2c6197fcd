// SPDX-License-Identifier: MIT
#pragma once

#include "backends/web/element_view.h"
#include "window/frmVelloq.h"

#include <memory>
#include <string>
#include <vector>

namespace backends::web {

// The window in the page: a <div> the window's size holding an element for each control, each
// placed, coloured and stacked as described. The page's script (page.js) reports what the user
// does by the control's place in the description.
class MainWindow : public window::frmVelloq {
public:
    MainWindow();
    ~MainWindow();

    ElementView *viewAt(int index) const;
    // Shows each control that is shown in the window and hides the others.
    void showShownControls();
    // The keys the window takes before the control they are meant for: Tab and Shift+Tab, Alt
    // with a frame's access key. True when the key was taken.
    bool takesKey(const std::string &key, bool shift, bool alt, bool control);

private:
    void createElements();

    emscripten::val root_;
    std::vector<std::unique_ptr<ElementView>> views_;  // in the order of controls()
};

// The window as the program starts it: created, wired and loaded, and shown in the page.
MainWindow &openWindow();

} // namespace backends::web
