// SPDX-License-Identifier: MIT
#include "window/frmVelloq.h"

#include "forms/appearance.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"

#include <QFont>
#include <QKeySequence>
#include <QPixmap>
#include <QStyle>

#include <cstdint>
#include <iterator>
#include <utility>

using namespace Qt::StringLiterals;

namespace window {

namespace {

constexpr std::uint32_t kPeriwinkle = 0xFF8080;
constexpr std::uint32_t kLightGrey = 0xE0E0E0;
constexpr std::uint32_t kLightBlue = 0xFFC0C0;
constexpr std::uint32_t kLightYellow = 0xC0FFFF;
constexpr std::uint32_t kPurple = 0xC000C0;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kLightGreen = 0x80FF80;

constexpr const char *kComicSans = "Comic Sans MS";
constexpr const char *kVerdana = "Verdana";
using forms::FontStyle;

// Names the control as the window's procedures call it and places it, in twips.
template <class Control>
Control *placed(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    forms::place(*control, left, top, width, height);
    return control;
}

void heading(forms::Label &label)
{
    label.setAutoFillBackground(true);
    forms::setColor(label, QPalette::Window, kPeriwinkle);
    forms::setColor(label, QPalette::WindowText, kLightGrey);
}

void button(forms::CommandButton &button, std::uint32_t face)
{
    forms::setColor(button, QPalette::Button, face);
}

} // namespace

frmVelloq::frmVelloq()
{
    setObjectName(u"frmVelloq"_s);
    setWindowTitle(u"The Quenmark"_s);
    // The faces the window fixes are light, so what it leaves to the toolkit (text, the one-letter
    // boxes, bevels) takes the style's light palette, not a dark desktop's light text.
    setPalette(style()->standardPalette());
    forms::setColor(*this, QPalette::Window, kPeriwinkle);
    resize(forms::pixelsOf(7470), forms::pixelsOf(8085));

    createControls();
    setFonts();
    setAccessibleNames();
    setTabOrder();
    setStackingOrder();
}

void frmVelloq::createControls()
{
    using forms::CommandButton, forms::Frame, forms::Label, forms::MultiLineTextBox, forms::PictureBox,
        forms::SingleLineTextBox;

    Frame1 = placed(new Frame(u"Quenmark"_s, this), "Frame1", 120, 240, 7095, 855);
    Frame1->setBackColor(kPeriwinkle);
    forms::setColor(*Frame1, QPalette::WindowText, kLightGrey);
    forms::setColor(*Frame1, QPalette::Text, kLightGrey);

    lbltype = placed(new Label(u"Type Clear Message Here"_s, this), "lbltype", 360, 1440, 2415, 375);
    heading(*lbltype);

    lblcode = placed(new Label(u"Code Book"_s, this), "lblcode", 3360, 1440, 1095, 375);
    heading(*lblcode);

    lblencrypt = placed(new Label(u"Encrypted Message"_s, this), "lblencrypt", 5160, 1440, 1815, 375);
    heading(*lblencrypt);

    txtin = placed(new MultiLineTextBox(this), "txtin", 120, 2040, 2895, 2295);
    forms::setColor(*txtin, QPalette::Base, kLightBlue);

    txtcode = placed(new MultiLineTextBox(this), "txtcode", 3240, 2040, 1095, 5895);
    forms::setColor(*txtcode, QPalette::Base, kLightYellow);
    txtcode->setReadOnly(true);
    txtcode->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtcode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    txtencrypt = placed(new MultiLineTextBox(this), "txtencrypt", 4560, 2040, 2775, 2295);
    forms::setColor(*txtencrypt, QPalette::Base, kPurple);
    forms::setColor(*txtencrypt, QPalette::Text, kLightGrey);
    txtencrypt->setReadOnly(true);
    txtencrypt->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    cmderase = placed(new CommandButton(u"Erase Message"_s, this), "cmderase", 120, 4680, 1215, 615);
    button(*cmderase, kLightYellow);

    cmdre = placed(new CommandButton(u"Re-encrypt"_s, this), "cmdre", 1800, 4680, 1215, 615);
    button(*cmdre, kLightYellow);

    cmdclear = placed(new CommandButton(u"Clear Encrypted Message"_s, this), "cmdclear", 5160, 4680, 1695, 615);
    button(*cmdclear, kLightYellow);

    frmchange = placed(new Frame(u"Click to Change Code Book"_s, this), "frmchange", 120, 5520, 3015, 2415);
    frmchange->setBackColor(kDialogueClosedColor);
    frmchange->setShortcut(QKeySequence(Qt::ALT | Qt::Key_C));

    lblcleartext = placed(new Label(u"Enter Cleartext Letter to Change"_s, frmchange), "lblcleartext",
                          360, 480, 855, 855);

    lblnewletter = placed(new Label(u"New Code Letter"_s, frmchange), "lblnewletter", 1800, 480, 855, 735);

    txtchange = placed(new SingleLineTextBox(this), "txtchange", 480, 6960, 855, 735);

    txtnewletter = placed(new SingleLineTextBox(this), "txtnewletter", 1920, 6960, 855, 735);

    cmdSendMsg = placed(new CommandButton(u"Send Secret Message!"_s, this), "cmdSendMsg", 5160, 6360, 1695, 615);
    button(*cmdSendMsg, kLightYellow);

    lblsent = placed(new Label(u"MESSAGE HAS BEEN SENT!  "_s, this), "lblsent", 120, 840, 7215, 4575);
    lblsent->setAutoFillBackground(true);
    forms::setColor(*lblsent, QPalette::Window, kLightGreen);
    forms::setColor(*lblsent, QPalette::WindowText, kRed);
    lblsent->hide();

    cmdGoAgain = placed(new CommandButton(u"Send New Message"_s, this), "cmdGoAgain", 5400, 4440, 1815, 855);
    button(*cmdGoAgain, kRed);
    cmdGoAgain->hide();

    picVelloq = placed(new PictureBox(QPixmap(u":/velloq.gif"_s), this), "picVelloq", 5040, 5640, 2000, 2000);
    picVelloq->hide();
}

// Comic Neue, which stands in for Comic Sans MS where that face is missing, runs wider than it:
// the headings would wrap in the one-line boxes drawn for them, their second line cut off. Like a
// metric-compatible face, the stand-in is narrowed just enough that each heading fits its box,
// wherever the face is used; the real face fits as it is.
void frmVelloq::setFonts()
{
    const int stretch = forms::stretchFittingOneLine(forms::fontOf(kComicSans, 12), {lbltype, lblcode, lblencrypt});
    const auto comicSans = [stretch](qreal points, FontStyle style = FontStyle::Regular) {
        QFont font = forms::fontOf(kComicSans, points, style);
        font.setStretch(stretch);
        return font;
    };
    Frame1->setFont(comicSans(18, FontStyle::BoldItalic));
    for (forms::Label *heading : {lbltype, lblcode, lblencrypt})
        heading->setFont(comicSans(12));
    for (forms::CommandButton *button : {cmderase, cmdre, cmdclear, cmdSendMsg, cmdGoAgain})
        button->setFont(comicSans(9.75));
    txtin->setFont(forms::fontOf(kVerdana, 9.75));
    txtencrypt->setFont(forms::fontOf(kVerdana, 9.75, FontStyle::BoldItalic));
    frmchange->setFont(forms::fontOf(kVerdana, 9, FontStyle::BoldItalic));
    lblcleartext->setFont(forms::defaultFont());
    lblnewletter->setFont(forms::defaultFont());
    lblsent->setFont(forms::fontOf(kVerdana, 60));
}

// What a screen reader speaks for each control: a box is named by the label that stands over it,
// and that label is its buddy, which a screen reader shows as the box's label.
void frmVelloq::setAccessibleNames()
{
    const std::pair<forms::Label *, QWidget *> labelledBoxes[] = {{lbltype, txtin}, {lblcode, txtcode},
        {lblencrypt, txtencrypt}, {lblcleartext, txtchange}, {lblnewletter, txtnewletter}};
    for (const auto &[label, box] : labelledBoxes) {
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }
    for (forms::CommandButton *button : {cmderase, cmdre, cmdclear, cmdSendMsg, cmdGoAgain})
        button->setAccessibleName(button->text());
    for (forms::Frame *frame : {Frame1, frmchange})
        frame->setAccessibleName(frame->title());
    for (forms::Label *label : {lbltype, lblcode, lblencrypt, lblcleartext, lblnewletter, lblsent})
        label->setAccessibleName(label->text().trimmed());
    frmchange->setAccessibleDescription(u"Alt+C opens it from anywhere in the window"_s);
    // "Send New Message" takes the focus when the message is sent: it tells what happened.
    cmdGoAgain->setAccessibleDescription(lblsent->text().trimmed());
    picVelloq->setAccessibleName(u"A magnifying glass over a tile of scattered letters"_s);
}

void frmVelloq::setTabOrder()
{
    QWidget *const byTabIndex[] = {txtin, cmderase, cmdre, cmdclear, txtcode, txtchange,
                                   txtencrypt, txtnewletter, cmdSendMsg, cmdGoAgain};
    for (std::size_t i = 0; i + 1 < std::size(byTabIndex); ++i)
        QWidget::setTabOrder(byTabIndex[i], byTabIndex[i + 1]);
}

void frmVelloq::setStackingOrder()
{
    // Top first; labels lie beneath every box, button, frame and picture.
    QWidget *const topToBottom[] = {cmdGoAgain, cmdSendMsg, picVelloq, Frame1, txtnewletter,
                                    txtencrypt, txtchange, txtcode, txtin, cmdclear, cmdre,
                                    cmderase, frmchange, lblsent, lblcode, lblencrypt, lbltype};
    for (auto it = std::rbegin(topToBottom); it != std::rend(topToBottom); ++it)
        (*it)->raise();
}

} // namespace window
