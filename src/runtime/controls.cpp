// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The control kinds over their widgets.
#include "controls.h"

#include <QApplication>
#include <utility>

#include "errors.h"
#include "eventloop.h"
#include "form.h"
#include "labelwidget.h"

namespace runtime {

Control::Control(QWidget* widget) : m_widget(widget) {}

bool Control::visible() const {
    return !m_widget->isHidden();
}

void Control::setVisible(bool visible) {
    m_widget->setVisible(visible);
    // Qt leaves the focus on a hidden widget when no other can take it, and
    // the keyboard would then press a button nobody can see.
    if (!visible && m_widget->hasFocus()) {
        m_widget->clearFocus();
    }
}

void Control::setAccessibleName(const QString& name) {
    if (m_widget->accessibleName() != name) {
        m_widget->setAccessibleName(name);
    }
}

void Control::setAccessibleDescription(const QString& description) {
    m_widget->setAccessibleDescription(description);
}

void Control::move(Twips left, Twips top, Twips width, Twips height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Control::setWidth(Twips width) {
    m_width = width;
    applyGeometry();
}

void Control::setHeight(Twips height) {
    m_height = height;
    applyGeometry();
}

void Control::applyGeometry() {
    m_widget->setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), twipsToPixels(m_width),
                          twipsToPixels(m_height));
    geometryChanged();
}

void Control::setClickHandler(std::function<void()> handler) {
    if (m_clicks != nullptr) {
        m_clicks->onClick = [handler = std::move(handler)] { deliver(handler); };
    }
}

// Label

namespace {
LabelWidget* labelOf(const Control& c) {
    return static_cast<LabelWidget*>(c.widget());
}
ButtonWidget* buttonOf(const Control& c) {
    return static_cast<ButtonWidget*>(c.widget());
}

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, Colour colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
}
}  // namespace

Label::Label(Form& form) : Control(new LabelWidget(form.widget())) {
    takeClicks(labelOf(*this));
}

bool Label::visible() const {
    return labelOf(*this)->shown();
}

void Label::setVisible(bool visible) {
    labelOf(*this)->setShown(visible);
}

QString Label::caption() const {
    return labelOf(*this)->text();
}

void Label::setCaption(const QString& caption) {
    labelOf(*this)->setText(caption);
    labelOf(*this)->updateWrap();
    updateAccessibleName();
}

void Label::setAccessiblePrefix(const QString& prefix) {
    m_accessiblePrefix = prefix;
    updateAccessibleName();
}

void Label::updateAccessibleName() {
    if (!m_accessiblePrefix.isEmpty()) {
        setAccessibleName(m_accessiblePrefix + QStringLiteral(": ") + caption());
    }
}

void Label::setBackColor(Colour colour) {
    setPaletteColour(widget(), QPalette::Window, colour);
}

void Label::setForeColor(Colour colour) {
    setPaletteColour(widget(), QPalette::WindowText, colour);
}

void Label::setFont(const FontSpec& font) {
    widget()->setFont(toQFont(font));
    labelOf(*this)->updateWrap();
}

void Label::setCentred() {
    labelOf(*this)->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
}

// CommandButton

CommandButton::CommandButton(Form& form) : Control(new ButtonWidget(form.widget())) {
    takeClicks(buttonOf(*this));
}

void CommandButton::setCaption(const QString& caption) {
    buttonOf(*this)->setText(caption);
}

bool CommandButton::enabled() const {
    return widget()->isEnabled();
}

void CommandButton::setEnabled(bool enabled) {
    widget()->setEnabled(enabled);
}

// Shape

Shape::Shape(Form& form) : Control(new ShapeWidget(form.widget())) {}

void Shape::setBorderWidth(int pixels) {
    static_cast<ShapeWidget*>(widget())->borderWidth = pixels;
    widget()->update();
}

// Image

Image::Image(Form& form) : Control(new ImageWidget(form.widget())) {
    takeClicks(static_cast<ImageWidget*>(widget()));
}

void Image::setPicture(const QString& resource) {
    static_cast<ImageWidget*>(widget())->setResource(resource);
    m_reported = false;
    geometryChanged();
}

void Image::geometryChanged() {
    auto* w = static_cast<ImageWidget*>(widget());
    if (!w->isVisible() || w->rect().isEmpty() || m_reported) {
        return;
    }
    if (!w->ensureDecoded() && w->undecodable()) {
        m_reported = true;  // once
        raisePictureError();
    }
}

void Image::setPointer(Qt::CursorShape shape) {
    widget()->setCursor(shape);
}

}  // namespace runtime
