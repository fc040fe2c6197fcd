// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"
#include "forms/frame.h"
#include "forms/text_box.h"

#include <emscripten/val.h>

#include <string>

namespace backends::web {

class MainWindow;

// The page's element showing one control: absolutely placed in the window's element, with the
// control's name as its id.
class ElementView {
public:
    ElementView(MainWindow &window, forms::Control &control, emscripten::val element);
    virtual ~ElementView();
    ElementView(const ElementView &) = delete;
    ElementView &operator=(const ElementView &) = delete;

    // A handle to the element; copies name the same element.
    emscripten::val element() const { return element_; }
    forms::Control &control() const { return control_; }
    MainWindow &window() const { return window_; }

    // The user's press, for the controls that take one.
    virtual void pressed() {}

private:
    MainWindow &window_;
    forms::Control &control_;
    emscripten::val element_;
};

// An element that is its control's view, of the view's kind.
template <class View = forms::ControlView>
class ViewElement : public ElementView, public View {
public:
    using ElementView::ElementView;

    // A hidden frame hides what it holds, so the window shows each control anew.
    void showVisible(bool) override;
    void takeFocus() override { element().template call<void>("focus"); }
    void giveUpFocus() override { element().template call<void>("blur"); }
    bool holdsFocus() const override;
};

class CommandButton final : public ViewElement<> {
public:
    using ViewElement::ViewElement;
    void pressed() override;
};

// A titled frame whose face takes the clicks no control above it takes. Its labels have no
// colour of their own and show its face through them.
class Frame final : public ViewElement<> {
public:
    Frame(MainWindow &window, forms::Frame &frame, emscripten::val element);
    void showBackColor(std::uint32_t bgr) override;
    void pressed() override;

private:
    forms::Frame &frame_;
};

// A <textarea> or an <input>. The box's bytes are Windows-1252 with CR LF; the element's text is
// UTF-16 with LF: the two cross here. The page's script sends each character typed or pasted
// through keyPress() before it inserts what KeyPress left.
class TextBox final : public ViewElement<forms::TextBoxView> {
public:
    TextBox(MainWindow &window, forms::TextBox &box, emscripten::val element);

    void showText(const std::string &text, std::size_t from) override;
    std::string shownText() const override;
    void beep() override;

    forms::TextBox &box() const { return box_; }

private:
    forms::TextBox &box_;
};

// The box's bytes as the element shows them, from `from` on.
std::wstring domTextOf(const std::string &bytes, std::size_t from = 0);
// The element's text as the box's bytes: characters outside the page become '?'.
std::string bytesOf(const std::wstring &domText);

} // namespace backends::web
