// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The control kinds' properties, and the way their clicks and ticks go.
#include "controls.h"

#include <utility>

#include "form.h"
#include "frontend.h"
#include "session.h"

namespace runtime {

namespace {
Frontend& frontendOf(Form& form) {
    return form.session().frontend();
}

// Sets a property and tells the peer, only when the value changes.
template <class T>
bool assign(T& property, T value) {
    if (property == value) {
        return false;
    }
    property = std::move(value);
    return true;
}
}  // namespace

Component::~Component() = default;

void Component::attach(std::unique_ptr<Peer> peer) {
    m_peer = std::move(peer);
}

void Component::changed(Change what) {
    if (m_peer) {
        m_peer->changed(what);
    }
}

// Control

void Control::setVisible(bool visible) {
    if (assign(m_visible, visible)) {
        changed(Change::Visible);
    }
}

void Control::move(Twips left, Twips top, Twips width, Twips height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    changed(Change::Geometry);
}

void Control::setWidth(Twips width) {
    m_width = width;
    changed(Change::Geometry);
}

void Control::setHeight(Twips height) {
    m_height = height;
    changed(Change::Geometry);
}

bool Control::takesClicks() const {
    return m_visible && !pixelRect().empty();
}

void Control::click() {
    Listener* listener = form().listener();
    if (listener && takesClicks()) {
        form().session().deliver([&] { listener->clicked(*this); });
    }
}

void Control::setReaderRole(ReaderRole role) {
    if (assign(m_role, role)) {
        changed(Change::Reader);
    }
}

void Control::setAccessibleName(std::string name) {
    if (assign(m_accessibleName, std::move(name))) {
        changed(Change::Reader);
    }
}

void Control::setAccessibleDescription(std::string description) {
    if (assign(m_description, std::move(description))) {
        changed(Change::Reader);
    }
}

void Control::hideFromReaders() {
    if (assign(m_hiddenFromReaders, true)) {
        changed(Change::Reader);
    }
}

// Label

Label::Label(Form& form) : Control(form, ReaderRole::Text) {
    attach(frontendOf(form).label(*this));
}

void Label::setCaption(std::string caption) {
    if (assign(m_caption, std::move(caption))) {
        changed(Change::Caption);
    }
}

void Label::setBackColor(Colour colour) {
    m_back = colour;
    changed(Change::Look);
}

void Label::setForeColor(Colour colour) {
    m_fore = colour;
    changed(Change::Look);
}

void Label::setFont(const FontSpec& font) {
    m_font = font;
    changed(Change::Font);
}

void Label::setCentred() {
    m_centred = true;
    changed(Change::Look);
}

void Label::setAccessiblePrefix(std::string prefix) {
    m_prefix = std::move(prefix);
    changed(Change::Reader);
}

std::string Label::readerName() const {
    if (!m_prefix.empty()) {
        return m_prefix + ": " + m_caption;
    }
    return accessibleName().empty() ? m_caption : accessibleName();
}

// CommandButton

CommandButton::CommandButton(Form& form) : Control(form, ReaderRole::Button) {
    attach(frontendOf(form).button(*this));
}

void CommandButton::setCaption(std::string caption) {
    if (assign(m_caption, std::move(caption))) {
        changed(Change::Caption);
    }
}

void CommandButton::setEnabled(bool enabled) {
    if (assign(m_enabled, enabled)) {
        changed(Change::Enabled);
    }
}

std::string CommandButton::readerName() const {
    return accessibleName().empty() ? m_caption : accessibleName();
}

// Shape

Shape::Shape(Form& form) : Control(form, ReaderRole::Text) {
    attach(frontendOf(form).shape(*this));
}

void Shape::setBorderWidth(int pixels) {
    m_borderWidth = pixels;
    changed(Change::Look);
}

// Image

Image::Image(Form& form) : Control(form, ReaderRole::Image) {
    attach(frontendOf(form).image(*this));
}

void Image::setPicture(std::span<const unsigned char> jpeg) {
    m_picture = jpeg;
    changed(Change::Picture);
}

void Image::setPointer(Pointer pointer) {
    m_pointer = pointer;
    changed(Change::Look);
}

// Timer

Timer::Timer(Form& form) : Component(form) {
    attach(frontendOf(form).timer(*this));
}

void Timer::setInterval(int milliseconds) {
    if (assign(m_interval, milliseconds)) {
        changed(Change::Interval);
    }
}

void Timer::setEnabled(bool enabled) {
    if (assign(m_enabled, enabled)) {  // an enabled timer keeps its period
        changed(Change::Enabled);
    }
}

void Timer::tick() {
    Listener* listener = form().listener();
    if (listener && m_enabled) {  // a switched-off timer has nothing to deliver
        form().session().deliver([&] { listener->ticked(*this); });
    }
}

}  // namespace runtime
