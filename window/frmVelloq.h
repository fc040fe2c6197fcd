// SPDX-License-Identifier: MIT
#pragma once

#include "codebook_store/code_book.h"

#include <QWidget>

#include <cstdint>
#include <string>

namespace forms {
class CommandButton;
class Frame;
class Label;
class MultiLineTextBox;
class PictureBox;
class SingleLineTextBox;
} // namespace forms

namespace window {

// The colours of "Click to Change Code Book" while the change dialogue is closed and open.
constexpr std::uint32_t kDialogueClosedColor = 0xFFC0FF;  // light pink
constexpr std::uint32_t kDialogueOpenColor = 0xFFFFFF;    // white

// The one window as it is described: every control with its properties, and the state the
// procedures share (the code book, from codebook_store/, and the letter chosen for change). The
// controls come from forms/, which turns Qt's events into KeyPress, Change and Click. The
// procedures in codebook/, cipher/ and screens/ are free functions acting on the window they are
// given; app/ wires each event to its procedure and starts the program. Every include points down
// the folders (tools/check_include_direction.py holds their order).
class frmVelloq : public QWidget {
public:
    frmVelloq();

    code_book::CodeBook codebook;
    std::string changeletter;

    forms::Frame *Frame1;
    forms::Label *lbltype;
    forms::Label *lblcode;
    forms::Label *lblencrypt;
    forms::MultiLineTextBox *txtin;
    forms::MultiLineTextBox *txtcode;
    forms::MultiLineTextBox *txtencrypt;
    forms::CommandButton *cmderase;
    forms::CommandButton *cmdre;
    forms::CommandButton *cmdclear;
    forms::Frame *frmchange;
    forms::Label *lblcleartext;
    forms::Label *lblnewletter;
    forms::SingleLineTextBox *txtchange;
    forms::SingleLineTextBox *txtnewletter;
    forms::CommandButton *cmdSendMsg;
    forms::Label *lblsent;
    forms::CommandButton *cmdGoAgain;
    forms::PictureBox *picVelloq;

private:
    void createControls();
    void setFonts();
    void setAccessibleNames();
    void setTabOrder();
    void setStackingOrder();
};

} // namespace window
