// SPDX-License-Identifier: MIT
#include "backends/web/main_window.h"

#include "app/window_wiring.h"
#include "backends/web/appearance.h"
#include "codepage/windows1252.h"
#include "forms/events.h"

#include <emscripten/bind.h>

#include <algorithm>

using emscripten::val;

namespace backends::web {

namespace {

val document()
{
    return val::global("document");
}

val create(const char *tag)
{
    return document().call<val>("createElement", std::string(tag));
}

void setAttribute(val &element, const char *name, const std::string &value)
{
    element.call<void>("setAttribute", std::string(name), value);
}

val page()
{
    return val::module_property("quenmark");
}

val elementOf(const forms::Control &control)
{
    const forms::Properties &properties = control.properties();
    switch (control.kind()) {
    case forms::Kind::Frame: {
        val frame = create("div");
        setAttribute(frame, "role", "group");
        val caption = create("span");
        caption.set("className", std::string("caption"));
        caption.set("textContent", std::string(properties.caption));
        val edge = create("div");
        edge.set("className", std::string("edge"));
        frame.call<void>("appendChild", edge);
        frame.call<void>("appendChild", caption);
        return frame;
    }
    case forms::Kind::Label: {
        val label = create("div");
        label.set("className", std::string("label"));
        val caption = create("span");
        caption.set("textContent", std::string(properties.caption));
        label.call<void>("appendChild", caption);
        return label;
    }
    case forms::Kind::PictureBox: {
        val picture = create("img");
        picture.set("src", page().call<val>("pictureSource", std::string(properties.picture)));
        picture.set("alt", std::string(properties.accessibleName ? properties.accessibleName : ""));
        picture.set("className", std::string("picture"));
        return picture;
    }
    case forms::Kind::CommandButton: {
        val button = create("button");
        button.set("type", std::string("button"));
        button.set("textContent", std::string(properties.caption));
        return button;
    }
    case forms::Kind::TextBox: break;
    }
    val box = create(properties.multiLine ? "textarea" : "input");
    if (!properties.multiLine)
        box.set("type", std::string("text"));
    box.set("spellcheck", false);
    setAttribute(box, "autocomplete", "off");
    setAttribute(box, "autocapitalize", "off");
    box.set("readOnly", properties.readOnly);
    box.set("className", std::string(properties.verticalScrollBar ? "box scrolled" : "box"));
    return box;
}

// Where the description sets a colour the element shows it; a label without one lets its
// frame's or the window's colour through.
void style(val &element, const forms::Control &control, int stacking)
{
    const forms::Properties &properties = control.properties();
    forms::Placement place = properties.place;
    if (properties.container) {
        place.left += properties.container->properties().place.left;
        place.top += properties.container->properties().place.top;
    }
    val css = element["style"];
    css.set("left", pixelsOf(place.left));
    css.set("top", pixelsOf(place.top));
    css.set("width", pixelsOf(place.width));
    css.set("height", pixelsOf(place.height));
    css.set("zIndex", stacking);
    css.set("font", cssFont(properties.font));
    css.set("color", cssColour(properties.foreColor.value_or(defaultForeColour(control.kind()))));
    if (properties.backColor || control.kind() != forms::Kind::Label)
        css.set("backgroundColor", cssColour(properties.backColor.value_or(defaultBackColour(control.kind()))));
}

} // namespace

MainWindow::MainWindow()
    : root_(create("div"))
{
    const forms::FormProperties &window = formProperties();
    document().set("title", std::string(window.caption));
    root_.set("id", std::string(window.name));
    setAttribute(root_, "role", "application");
    setAttribute(root_, "aria-label", window.caption);
    val css = root_["style"];
    css.set("width", pixelsOf(window.width));
    css.set("height", pixelsOf(window.height));
    css.set("backgroundColor", cssColour(window.backColor));
    createElements();
    document()["body"].call<void>("appendChild", root_);
}

MainWindow::~MainWindow()
{
    root_.call<void>("remove");
}

void MainWindow::createElements()
{
    // Top first in the stacking order; what a frame holds lies just above it.
    const auto &order = stackingOrder();
    const auto stackingOf = [&](const forms::Control &control) {
        const forms::Control *placed = control.properties().container ? control.properties().container : &control;
        const auto found = std::find(order.begin(), order.end(), placed);
        const int below = static_cast<int>(order.end() - found);
        return 2 * below + (placed != &control ? 1 : 0);
    };
    for (std::size_t index = 0; index < controls().size(); ++index) {
        forms::Control &control = *controls()[index];
        const forms::Properties &properties = control.properties();
        val element = elementOf(control);
        element.set("id", std::string(properties.name));
        if (properties.accessibleName)
            setAttribute(element, "aria-label", properties.accessibleName);
        if (properties.accessibleDescription)
            setAttribute(element, "aria-description", properties.accessibleDescription);
        // The window moves the focus itself; the tab indices give the page the same order.
        if (control.takesFocus())
            element.set("tabIndex", properties.tabIndex + 1);
        style(element, control, stackingOf(control));
        root_.call<void>("appendChild", element);
        const int at = static_cast<int>(index);
        switch (control.kind()) {
        case forms::Kind::Frame:
            views_.push_back(std::make_unique<Frame>(*this, static_cast<forms::Frame &>(control), element));
            page().call<void>("listenFrame", element, at);
            break;
        case forms::Kind::Label:
        case forms::Kind::PictureBox:
            views_.push_back(std::make_unique<ViewElement<>>(*this, control, element));
            page().call<void>("listenStill", element, control.kind() == forms::Kind::Label);
            break;
        case forms::Kind::CommandButton:
            views_.push_back(std::make_unique<CommandButton>(*this, control, element));
            page().call<void>("listenButton", element, at);
            break;
        case forms::Kind::TextBox:
            views_.push_back(std::make_unique<TextBox>(*this, static_cast<forms::TextBox &>(control), element));
            page().call<void>("listenBox", element, at, properties.multiLine, properties.readOnly);
            break;
        }
    }
    // Attached once every control has its element: a frame's state decides its labels'.
    for (std::size_t index = 0; index < controls().size(); ++index)
        forms::attachView(*controls()[index], dynamic_cast<forms::ControlView &>(*views_[index]));
    showShownControls();
    page().call<void>("listenWindow", root_);
}

ElementView *MainWindow::viewAt(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < views_.size() ? views_[static_cast<std::size_t>(index)].get()
                                                                          : nullptr;
}

void MainWindow::showShownControls()
{
    for (const auto &view : views_)
        view->element().set("hidden", !view->control().isShownInForm());
}

bool MainWindow::takesKey(const std::string &key, bool shift, bool alt, bool control)
{
    if (key == "Tab" && !control) {
        moveFocus(shift);
        return true;
    }
    if (!alt || control || key.size() != 1)
        return false;
    forms::Frame *frame = frameWithAccessKey(key[0]);
    if (frame)
        frame->click();
    return frame != nullptr;
}

namespace {

MainWindow *theWindow = nullptr;

TextBox *boxAt(int index)
{
    return theWindow ? dynamic_cast<TextBox *>(theWindow->viewAt(index)) : nullptr;
}

// What the page's script calls, by the control's place in the description.
int keyPress(int index, int keyAscii)
{
    TextBox *box = boxAt(index);
    return box ? box->box().raiseKeyPress(keyAscii) : keyAscii;
}

void edited(int index)
{
    if (TextBox *box = boxAt(index))
        box->box().userEdited();
}

void showPending(int index)
{
    if (TextBox *box = boxAt(index))
        box->box().showPending();
}

void press(int index)
{
    if (ElementView *view = theWindow ? theWindow->viewAt(index) : nullptr)
        view->pressed();
}

bool windowKey(const std::string &key, bool shift, bool alt, bool control)
{
    return theWindow && theWindow->takesKey(key, shift, alt, control);
}

int unicodeOf(int code)
{
    return codepage::unicodeOf(static_cast<unsigned char>(code));
}

} // namespace

MainWindow &openWindow()
{
    static MainWindow window;
    theWindow = &window;
    app::loadWindow(window);
    return window;
}

EMSCRIPTEN_BINDINGS(quenmark)
{
    emscripten::function("webKeyPress", &keyPress);
    emscripten::function("webEdited", &edited);
    emscripten::function("webShowPending", &showPending);
    emscripten::function("webPress", &press);
    emscripten::function("webWindowKey", &windowKey);
    emscripten::function("webUnicodeOf", &unicodeOf);
}

} // namespace backends::web
