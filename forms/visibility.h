#pragma once

class QWidget;

namespace forms {

// Qt moves the focus off a control being hidden only when a shown control can take it; otherwise
// the hidden control keeps it and goes on taking key presses nobody sees. It gives the focus up.
void releaseFocusIfHidden(QWidget &control);

} // namespace forms
