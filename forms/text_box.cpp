// SPDX-License-Identifier: MIT
#include "forms/text_box.h"

#include "forms/events.h"

#include <algorithm>
#include <utility>

namespace forms {

TextBox::TextBox(Form &form, const Properties &properties)
    : Control(form, Kind::TextBox, properties)
{
}

TextBox::~TextBox()
{
    forgetWhenEventsEnd(*this);
}

const std::string &TextBox::text() const
{
    if (viewHoldsText_ && textView()) {
        text_ = textView()->shownText();
        viewHoldsText_ = false;
    }
    return text_;
}

void TextBox::setText(std::string_view text)
{
    if (this->text() == text)
        return;
    text_ = text;
    textChangedFrom(0);
}

void TextBox::append(std::string_view more)
{
    if (more.empty())
        return;
    const std::size_t offset = text().size();
    text_ += more;
    textChangedFrom(offset);
}

void TextBox::beep()
{
    if (textView())
        textView()->beep();
}

int TextBox::raiseKeyPress(int keyAscii)
{
    if (KeyPress)
        runEvent([&] { KeyPress(keyAscii); });
    return keyAscii;
}

void TextBox::userEdited()
{
    if (showing_)
        return;
    viewHoldsText_ = true;
    runEvent(Change);
}

void TextBox::textChangedFrom(std::size_t offset)
{
    const bool scheduled = pendingFrom_ != kNothingPending;
    pendingFrom_ = std::min(pendingFrom_, offset);
    if (!properties().multiLine)
        showPending();
    else if (!scheduled)
        showWhenEventsEnd(*this);
    runEvent(Change);
}

void TextBox::showPending()
{
    if (pendingFrom_ == kNothingPending || showing_ || !textView())
        return;
    const std::size_t from = std::exchange(pendingFrom_, kNothingPending);
    showing_ = true;
    textView()->showText(text_, from);
    showing_ = false;
}

void TextBox::attach(TextBoxView &view)
{
    Control::attach(view);
    viewHoldsText_ = false;
    pendingFrom_ = 0;
    showPending();
}

} // namespace forms
