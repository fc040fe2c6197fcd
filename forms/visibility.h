// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace forms {

// Called before a control is hidden. Qt passes the focus of a control being hidden on to the next
// shown control in the tab order, even one that the same event is about to hide, and leaves it on
// the hidden control when none is shown. The control gives the focus up instead; once the event
// has run, the first shown control of the window in tab order takes it.
void giveUpFocusBeforeHiding(QWidget &control);

} // namespace forms
