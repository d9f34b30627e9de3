// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The window kind's properties.
#include "form.h"

#include <utility>

#include "frontend.h"
#include "session.h"

namespace runtime {

Form::Form(Session& session) : m_session(session), m_peer(session.frontend().window(*this)) {}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
    m_caption = std::move(caption);
    m_peer->changed(Change::Caption);
}

void Form::setClientSize(Twips width, Twips height) {
    m_width = width;
    m_height = height;
    m_peer->changed(Change::Geometry);
}

void Form::stack(std::vector<Control*> topFirst) {
    m_stacking = std::move(topFirst);
    m_peer->changed(Change::Order);
}

void Form::setFocusOrder(std::vector<Control*> order) {
    m_focusOrder = std::move(order);
    m_peer->changed(Change::Order);
}

void Form::readInReadingOrder() {
    m_readingOrder = true;
    m_peer->changed(Change::Reader);
}

void Form::show() {
    m_shown = true;
    m_peer->changed(Change::Visible);
}

}  // namespace runtime
