// SPDX-License-Identifier: MIT
#pragma once

#include "codebook_store/code_book.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/text_box.h"

#include <cstdint>
#include <string>

namespace window {

// The colours of "Click to Change Code Book" while the change dialogue is closed and open.
constexpr std::uint32_t kDialogueClosedColor = 0xFFC0FF;  // light pink
constexpr std::uint32_t kDialogueOpenColor = 0xFFFFFF;    // white

// The one window as it is described: every control with its properties, and the state the
// procedures share (the code book, from codebook_store/, and the letter chosen for change). The
// controls come from forms/, which raises KeyPress, Change and Click and holds what they show;
// a back-end in backends/ shows the window with its toolkit's widgets and turns their events into
// the controls' events. The procedures in codebook/, cipher/ and screens/ are free functions
// acting on the window they are given; app/ wires each event to its procedure and loads the
// window. Every include points down the folders (tools/check_include_direction.py holds their
// order), and only backends/ includes a toolkit.
class frmVelloq : public forms::Form {
public:
    frmVelloq();

    code_book::CodeBook codebook;
    std::string changeletter;

    forms::Frame Frame1;
    forms::Label lbltype;
    forms::Label lblcode;
    forms::Label lblencrypt;
    forms::TextBox txtin;
    forms::TextBox txtcode;
    forms::TextBox txtencrypt;
    forms::CommandButton cmderase;
    forms::CommandButton cmdre;
    forms::CommandButton cmdclear;
    forms::Frame frmchange;
    forms::Label lblcleartext;
    forms::Label lblnewletter;
    forms::TextBox txtchange;
    forms::TextBox txtnewletter;
    forms::CommandButton cmdSendMsg;
    forms::Label lblsent;
    forms::CommandButton cmdGoAgain;
    forms::PictureBox picVelloq;
};

} // namespace window
