// SPDX-License-Identifier: MIT
#include "backends/web/element_view.h"

#include "backends/web/appearance.h"
#include "backends/web/main_window.h"
#include "codepage/windows1252.h"

using emscripten::val;

namespace backends::web {

ElementView::ElementView(MainWindow &window, forms::Control &control, val element)
    : window_(window)
    , control_(control)
    , element_(std::move(element))
{
}

ElementView::~ElementView()
{
    control_.detach();
}

template <class View>
void ViewElement<View>::showVisible(bool)
{
    window().showShownControls();
}

template <class View>
bool ViewElement<View>::holdsFocus() const
{
    return val::global("document")["activeElement"].strictlyEquals(element());
}

template class ViewElement<forms::ControlView>;
template class ViewElement<forms::TextBoxView>;

void CommandButton::pressed()
{
    static_cast<forms::CommandButton &>(control()).click();
}

Frame::Frame(MainWindow &window, forms::Frame &frame, val element)
    : ViewElement(window, frame, std::move(element))
    , frame_(frame)
{
}

void Frame::showBackColor(std::uint32_t bgr)
{
    element()["style"].set("backgroundColor", cssColour(bgr));
}

void Frame::pressed()
{
    frame_.click();
}

TextBox::TextBox(MainWindow &window, forms::TextBox &box, val element)
    : ViewElement(window, box, std::move(element))
    , box_(box)
{
}

std::wstring domTextOf(const std::string &bytes, std::size_t from)
{
    std::wstring text;
    text.reserve(bytes.size() - from);
    // A CR LF split between two appends was shown as one line break already.
    if (from > 0 && from < bytes.size() && bytes[from] == '\n' && bytes[from - 1] == '\r')
        ++from;
    for (std::size_t at = from; at < bytes.size(); ++at) {
        const auto code = static_cast<unsigned char>(bytes[at]);
        if (code == '\r') {
            text += L'\n';
            if (at + 1 < bytes.size() && bytes[at + 1] == '\n')
                ++at;
        } else {
            text += static_cast<wchar_t>(codepage::unicodeOf(code));
        }
    }
    return text;
}

std::string bytesOf(const std::wstring &domText)
{
    std::string bytes;
    bytes.reserve(domText.size());
    for (wchar_t character : domText) {
        if (character == L'\n')
            bytes += "\r\n";
        else
            bytes += static_cast<char>(codepage::ansiCodeOf(static_cast<char32_t>(character)));
    }
    return bytes;
}

// An append goes to the element's end only: setting the whole value anew would cost as much as
// the text is long, at every key.
void TextBox::showText(const std::string &text, std::size_t from)
{
    if (from == 0)
        element().set("value", domTextOf(text));
    else
        val::module_property("quenmark").call<void>("append", element(), domTextOf(text, from), holdsFocus());
}

std::string TextBox::shownText() const
{
    return bytesOf(element()["value"].as<std::wstring>());
}

void TextBox::beep()
{
    val::module_property("quenmark").call<void>("beep");
}

} // namespace backends::web
