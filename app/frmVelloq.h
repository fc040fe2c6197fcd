#pragma once

#include "codebook/codebook.h"

#include <QWidget>

#include <string>

namespace forms {
class CommandButton;
class Frame;
class Label;
class MultiLineTextBox;
class PictureBox;
class SingleLineTextBox;
} // namespace forms

namespace app {

// The one window. It owns every control and the state the procedures share (the code book and
// the letter chosen for change), and wires each control's event to its procedure. The procedures
// live in codebook/, cipher/ and screens/ as free functions that act on the window they are
// given; the controls come from forms/, which turns Qt's events into KeyPress, Change and Click.
class frmVelloq : public QWidget {
public:
    frmVelloq();

    codebook::CodeBook codebook;
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
    void wireEvents();
};

} // namespace app
