// SPDX-License-Identifier: MIT
#include "backends/qt/main_window.h"

#include "app/window_wiring.h"
#include "backends/qt/appearance.h"
#include "backends/qt/command_button.h"
#include "backends/qt/frame.h"
#include "backends/qt/label.h"
#include "backends/qt/multi_line_text_box.h"
#include "backends/qt/single_line_text_box.h"
#include "backends/qt/windows1252.h"

#include <QFontMetrics>
#include <QStyle>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace backends::qt {

namespace {

// The palette roles a control's colours take, by its kind.
QPalette::ColorRole backRole(forms::Kind kind)
{
    switch (kind) {
    case forms::Kind::TextBox: return QPalette::Base;
    case forms::Kind::CommandButton: return QPalette::Button;
    default: return QPalette::Window;
    }
}

QPalette::ColorRole foreRole(forms::Kind kind)
{
    switch (kind) {
    case forms::Kind::TextBox: return QPalette::Text;
    case forms::Kind::CommandButton: return QPalette::ButtonText;
    default: return QPalette::WindowText;
    }
}

// A new widget of the control's kind, attached to it.
template <class Widget, class Model>
Widget *attached(forms::Control &control, QWidget *parent)
{
    auto &model = static_cast<Model &>(control);
    auto *widget = new Widget(model, parent);
    model.attach(*widget);
    return widget;
}

QWidget *createAttachedWidget(forms::Control &control, QWidget *parent)
{
    switch (control.kind()) {
    case forms::Kind::Frame: return attached<Frame, forms::Frame>(control, parent);
    case forms::Kind::Label: return attached<Label, forms::Label>(control, parent);
    case forms::Kind::PictureBox: return attached<PictureBox, forms::PictureBox>(control, parent);
    case forms::Kind::CommandButton: return attached<CommandButton, forms::CommandButton>(control, parent);
    case forms::Kind::TextBox:
        if (control.properties().multiLine)
            return attached<MultiLineTextBox, forms::TextBox>(control, parent);
        return attached<SingleLineTextBox, forms::TextBox>(control, parent);
    }
    return nullptr;
}

} // namespace

QWidget *createWidget(forms::Control &control, QWidget *parent)
{
    QWidget *widget = createAttachedWidget(control, parent);
    place(*widget, control.properties().place);
    return widget;
}

MainWindow::MainWindow()
{
    const forms::FormProperties &window = formProperties();
    setObjectName(QString::fromLatin1(window.name));
    setWindowTitle(toUnicode(window.caption));
    // The faces the window fixes are light, so what it leaves to the toolkit (text, the one-letter
    // boxes, bevels) takes the style's light palette, not a dark desktop's light text.
    setPalette(style()->standardPalette());
    setColor(*this, QPalette::Window, window.backColor);
    resize(pixelsOf(window.width), pixelsOf(window.height));

    createWidgets();
    setFonts();
    setAccessibleNames();
    setTabOrder();
    setStackingOrder();
}

void MainWindow::createWidgets()
{
    for (forms::Control *control : controls()) {
        const forms::Properties &properties = control->properties();
        QWidget *parent = properties.container ? widgetOf(*properties.container) : this;
        QWidget *widget = createWidget(*control, parent);
        if (properties.backColor && control->kind() != forms::Kind::Frame) {
            setColor(*widget, backRole(control->kind()), *properties.backColor);
            widget->setAutoFillBackground(control->kind() == forms::Kind::Label);
        }
        if (properties.foreColor) {
            setColor(*widget, foreRole(control->kind()), *properties.foreColor);
            if (control->kind() == forms::Kind::Frame)
                setColor(*widget, QPalette::Text, *properties.foreColor);
        }
    }
}

// Comic Neue, which stands in for Comic Sans MS where that face is missing, runs wider than it:
// the headings would wrap in the one-line boxes drawn for them, their second line cut off. Like a
// metric-compatible face, a stand-in is narrowed just enough that each label drawn for one line
// fits its box, wherever the window uses the face; a face that fits stays as it is.
void MainWindow::setFonts()
{
    std::map<std::string, int> stretchByFace;
    for (const forms::Control *control : controls()) {
        const forms::Font &font = control->properties().font;
        const auto *label = dynamic_cast<const QLabel *>(widgetOf(*control));
        if (control->kind() != forms::Kind::Label || !font.face
            || label->height() >= 2 * QFontMetrics(fontOf(font)).height())
            continue;
        const int stretch = stretchFittingOneLine(fontOf(font), {label});
        const auto [face, added] = stretchByFace.try_emplace(font.face, stretch);
        face->second = std::min(face->second, stretch);
    }
    for (const forms::Control *control : controls()) {
        const forms::Font &font = control->properties().font;
        QFont shown = fontOf(font);
        if (font.face && stretchByFace.contains(font.face))
            shown.setStretch(stretchByFace.at(font.face));
        widgetOf(*control)->setFont(shown);
    }
}

void MainWindow::setAccessibleNames()
{
    for (const forms::Control *control : controls()) {
        const forms::Properties &properties = control->properties();
        QWidget *widget = widgetOf(*control);
        if (properties.accessibleName)
            widget->setAccessibleName(toUnicode(properties.accessibleName));
        if (properties.accessibleDescription)
            widget->setAccessibleDescription(toUnicode(properties.accessibleDescription));
        // A screen reader shows a box's buddy as its label.
        if (properties.labelledBy)
            findChild<QLabel *>(QString::fromLatin1(properties.labelledBy))->setBuddy(widget);
    }
}

void MainWindow::setTabOrder()
{
    const std::vector<forms::Control *> order = tabOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(widgetOf(*order[i]), widgetOf(*order[i + 1]));
}

void MainWindow::setStackingOrder()
{
    const std::vector<forms::Control *> &topFirst = stackingOrder();
    for (auto it = topFirst.rbegin(); it != topFirst.rend(); ++it)
        widgetOf(**it)->raise();
}

std::unique_ptr<MainWindow> createWindow()
{
    auto form = std::make_unique<MainWindow>();
    app::loadWindow(*form);
    return form;
}

} // namespace backends::qt
