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

template <class Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
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
    setObjectName(QStringLiteral("frmVelloq"));
    setWindowTitle(QStringLiteral("The Quenmark"));
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
    Frame1 = named(new forms::Frame(QStringLiteral("Quenmark"), this), "Frame1");
    forms::place(*Frame1, 120, 240, 7095, 855);
    Frame1->setBackColor(kPeriwinkle);
    forms::setColor(*Frame1, QPalette::WindowText, kLightGrey);
    forms::setColor(*Frame1, QPalette::Text, kLightGrey);

    lbltype = named(new forms::Label(QStringLiteral("Type Clear Message Here"), this), "lbltype");
    forms::place(*lbltype, 360, 1440, 2415, 375);
    heading(*lbltype);

    lblcode = named(new forms::Label(QStringLiteral("Code Book"), this), "lblcode");
    forms::place(*lblcode, 3360, 1440, 1095, 375);
    heading(*lblcode);

    lblencrypt = named(new forms::Label(QStringLiteral("Encrypted Message"), this), "lblencrypt");
    forms::place(*lblencrypt, 5160, 1440, 1815, 375);
    heading(*lblencrypt);

    txtin = named(new forms::MultiLineTextBox(this), "txtin");
    forms::place(*txtin, 120, 2040, 2895, 2295);
    forms::setColor(*txtin, QPalette::Base, kLightBlue);
    txtin->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtin->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    txtcode = named(new forms::MultiLineTextBox(this), "txtcode");
    forms::place(*txtcode, 3240, 2040, 1095, 5895);
    forms::setColor(*txtcode, QPalette::Base, kLightYellow);
    txtcode->setReadOnly(true);
    txtcode->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtcode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtcode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    txtencrypt = named(new forms::MultiLineTextBox(this), "txtencrypt");
    forms::place(*txtencrypt, 4560, 2040, 2775, 2295);
    forms::setColor(*txtencrypt, QPalette::Base, kPurple);
    forms::setColor(*txtencrypt, QPalette::Text, kLightGrey);
    txtencrypt->setReadOnly(true);
    txtencrypt->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtencrypt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtencrypt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    cmderase = named(new forms::CommandButton(QStringLiteral("Erase Message"), this), "cmderase");
    forms::place(*cmderase, 120, 4680, 1215, 615);
    button(*cmderase, kLightYellow);

    cmdre = named(new forms::CommandButton(QStringLiteral("Re-encrypt"), this), "cmdre");
    forms::place(*cmdre, 1800, 4680, 1215, 615);
    button(*cmdre, kLightYellow);

    cmdclear = named(new forms::CommandButton(QStringLiteral("Clear Encrypted Message"), this), "cmdclear");
    forms::place(*cmdclear, 5160, 4680, 1695, 615);
    button(*cmdclear, kLightYellow);

    frmchange = named(new forms::Frame(QStringLiteral("Click to Change Code Book"), this), "frmchange");
    forms::place(*frmchange, 120, 5520, 3015, 2415);
    frmchange->setBackColor(kDialogueClosedColor);
    frmchange->setShortcut(QKeySequence(Qt::ALT | Qt::Key_C));

    lblcleartext = named(new forms::Label(QStringLiteral("Enter Cleartext Letter to Change"), frmchange), "lblcleartext");
    forms::place(*lblcleartext, 360, 480, 855, 855);

    lblnewletter = named(new forms::Label(QStringLiteral("New Code Letter"), frmchange), "lblnewletter");
    forms::place(*lblnewletter, 1800, 480, 855, 735);

    txtchange = named(new forms::SingleLineTextBox(this), "txtchange");
    forms::place(*txtchange, 480, 6960, 855, 735);

    txtnewletter = named(new forms::SingleLineTextBox(this), "txtnewletter");
    forms::place(*txtnewletter, 1920, 6960, 855, 735);

    cmdSendMsg = named(new forms::CommandButton(QStringLiteral("Send Secret Message!"), this), "cmdSendMsg");
    forms::place(*cmdSendMsg, 5160, 6360, 1695, 615);
    button(*cmdSendMsg, kLightYellow);

    lblsent = named(new forms::Label(QStringLiteral("MESSAGE HAS BEEN SENT!  "), this), "lblsent");
    forms::place(*lblsent, 120, 840, 7215, 4575);
    lblsent->setAutoFillBackground(true);
    forms::setColor(*lblsent, QPalette::Window, kLightGreen);
    forms::setColor(*lblsent, QPalette::WindowText, kRed);
    lblsent->hide();

    cmdGoAgain = named(new forms::CommandButton(QStringLiteral("Send New Message"), this), "cmdGoAgain");
    forms::place(*cmdGoAgain, 5400, 4440, 1815, 855);
    button(*cmdGoAgain, kRed);
    cmdGoAgain->hide();

    picVelloq = named(new forms::PictureBox(QPixmap(QStringLiteral(":/velloq.gif")), this), "picVelloq");
    forms::place(*picVelloq, 5040, 5640, 2000, 2000);
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
    lbltype->setBuddy(txtin);
    lblcode->setBuddy(txtcode);
    lblencrypt->setBuddy(txtencrypt);
    lblcleartext->setBuddy(txtchange);
    lblnewletter->setBuddy(txtnewletter);
    txtin->setAccessibleName(lbltype->text());
    txtcode->setAccessibleName(lblcode->text());
    txtencrypt->setAccessibleName(lblencrypt->text());
    txtchange->setAccessibleName(lblcleartext->text());
    txtnewletter->setAccessibleName(lblnewletter->text());
    for (forms::CommandButton *button : {cmderase, cmdre, cmdclear, cmdSendMsg, cmdGoAgain})
        button->setAccessibleName(button->text());
    for (forms::Frame *frame : {Frame1, frmchange})
        frame->setAccessibleName(frame->title());
    for (forms::Label *label : {lbltype, lblcode, lblencrypt, lblcleartext, lblnewletter, lblsent})
        label->setAccessibleName(label->text().trimmed());
    frmchange->setAccessibleDescription(QStringLiteral("Alt+C opens it from anywhere in the window"));
    // "Send New Message" takes the focus when the message is sent: it tells what happened.
    cmdGoAgain->setAccessibleDescription(lblsent->text().trimmed());
    picVelloq->setAccessibleName(QStringLiteral("A magnifying glass over a tile of scattered letters"));
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
