// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Building Form1 from its layout table, record by record in the table's
// order, which is also the order the controls are stacked in.
#include "form1.h"

#include <algorithm>
#include <vector>

#include "accessibility.h"
#include "picture.h"

namespace window {

namespace {

// The index of a square's or an outline's record, by its index in the array.
template <Name name>
constexpr std::array<ControlId, kSquareCount> membersOf() {
    std::array<ControlId, kSquareCount> ids{};
    for (int i = 0; i < kSquareCount; ++i) {
        ids[std::size_t(i)] = idOf(name, i);
    }
    return ids;
}
constexpr auto kSquares = membersOf<Name::Label1>();
constexpr auto kOutlines = membersOf<Name::Shape1>();

void place(runtime::Control& control, const ControlRecord& r) {
    control.move(r.left, r.top, r.width, r.height);
}

std::unique_ptr<runtime::Label> makeLabel(runtime::Form& form, const ControlRecord& r) {
    auto label = std::make_unique<runtime::Label>(form);
    place(*label, r);
    label->setCaption(r.caption ? r.caption : "");
    if (r.back != kDefaultColour) {
        label->setBackColor(r.back);
    }
    if (r.fore != kDefaultColour) {
        label->setForeColor(r.fore);
    }
    label->setFont(kFonts[static_cast<std::size_t>(r.font)]);
    if (r.alignment == Alignment::Centre) {
        label->setCentred();
    }
    return label;
}

std::unique_ptr<runtime::CommandButton> makeButton(runtime::Form& form, const ControlRecord& r) {
    auto button = std::make_unique<runtime::CommandButton>(form);
    place(*button, r);
    button->setCaption(r.caption);
    return button;
}

std::unique_ptr<runtime::Shape> makeShape(runtime::Form& form, const ControlRecord& r) {
    auto shape = std::make_unique<runtime::Shape>(form);
    place(*shape, r);
    shape->setBorderWidth(r.lineWidth);
    return shape;
}

std::unique_ptr<runtime::Image> makeImage(runtime::Form& form, const ControlRecord& r) {
    auto image = std::make_unique<runtime::Image>(form);
    place(*image, r);
    image->setPicture(pictureJpeg());
    image->setPointer(r.pointer);
    return image;
}

std::unique_ptr<runtime::Timer> makeTimer(runtime::Form& form, const ControlRecord& r) {
    auto timer = std::make_unique<runtime::Timer>(form);
    timer->setInterval(r.interval);
    return timer;
}

// One control, built from its record by the runtime's class of its kind.
std::unique_ptr<runtime::Component> build(runtime::Form& form, const ControlRecord& r) {
    switch (r.kind) {
        case Kind::Label:
            return makeLabel(form, r);
        case Kind::Button:
            return makeButton(form, r);
        case Kind::Shape:
            return makeShape(form, r);
        case Kind::Image:
            return makeImage(form, r);
        case Kind::Timer:
            return makeTimer(form, r);
    }
    return nullptr;
}

}  // namespace

Form1::Form1(runtime::Session& session, Notify& notify) : m_notify(notify), m_form(session) {
    m_form.setCaption(kForm1.caption);
    m_form.setClientSize(kForm1.clientWidth, kForm1.clientHeight);
    std::vector<runtime::Control*> topFirst;  // stacked as the table lists them
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        m_controls[i] = build(m_form, kLayout[i]);
        if (kLayout[i].kind != Kind::Timer) {  // timers are never drawn
            topFirst.push_back(static_cast<runtime::Control*>(m_controls[i].get()));
        }
    }
    m_form.stack(std::move(topFirst));
    m_form.setFocusOrder({&Command1(), &Command2(), &Command3()});
    m_form.setListener(*this);
    arrangeForReaders(*this);
}

void Form1::clicked(runtime::Control& control) {
    tell(control, Notification::Click);
}

void Form1::ticked(runtime::Timer& timer) {
    tell(timer, Notification::Timer);
}

void Form1::tell(const runtime::Component& component, Notification notification) {
    const auto at = std::find_if(m_controls.begin(), m_controls.end(),
                                 [&](const auto& c) { return c.get() == &component; });
    const ControlRecord& r = kLayout[std::size_t(at - m_controls.begin())];
    m_notify.notify(r.name, notification,
                    std::int16_t(notification == Notification::Click ? r.index : 0));
}

runtime::Label& Form1::Label1(std::int16_t index) {
    return static_cast<runtime::Label&>(*m_controls[std::size_t(kSquares.at(std::size_t(index)))]);
}

runtime::Shape& Form1::Shape1(std::int16_t index) {
    return static_cast<runtime::Shape&>(*m_controls[std::size_t(kOutlines.at(std::size_t(index)))]);
}

}  // namespace window
