// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Building Form1 from its layout table.
#include "form1.h"

#include <QString>

#include "accessibility.h"
#include "picture.h"
#include "runtime/errors.h"

namespace window {

namespace {

QString text(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

const runtime::FontSpec& fontOf(const ControlRecord& r) {
    return kFonts[static_cast<std::size_t>(r.font)];
}

std::unique_ptr<runtime::Object> makeLabel(runtime::Form& form, const ControlRecord& r) {
    auto label = std::make_unique<runtime::Label>(form);
    label->setCaption(text(r.caption));
    if (r.back != kDefaultColour) {
        label->setBackColor(r.back);
    }
    if (r.fore != kDefaultColour) {
        label->setForeColor(r.fore);
    }
    label->setFont(fontOf(r));
    if (r.setting == kCentre) {
        label->setAlignment(runtime::Alignment::Centre);
    }
    return label;
}

std::unique_ptr<runtime::Object> makeButton(runtime::Form& form, const ControlRecord& r) {
    auto button = std::make_unique<runtime::CommandButton>(form);
    button->setCaption(text(r.caption));
    return button;
}

std::unique_ptr<runtime::Object> makeShape(runtime::Form& form, const ControlRecord& r) {
    auto shape = std::make_unique<runtime::Shape>(form);
    shape->setBorderWidth(r.setting > 0 ? r.setting : 1);
    return shape;
}

std::unique_ptr<runtime::Object> makeImage(runtime::Form& form, const ControlRecord& r) {
    auto image = std::make_unique<runtime::Image>(form);
    image->setPicture(QString::fromLatin1(kPictureResource));
    if (r.setting == kForbiddenPointer) {
        image->setPointer(Qt::ForbiddenCursor);
    }
    return image;
}

std::unique_ptr<runtime::Object> makeTimer(const ControlRecord& r) {
    auto timer = std::make_unique<runtime::Timer>();
    timer->setInterval(r.interval);
    return timer;
}

std::unique_ptr<runtime::Object> make(runtime::Form& form, const ControlRecord& r) {
    switch (r.kind) {
        case Kind::Label:
            return makeLabel(form, r);
        case Kind::CommandButton:
            return makeButton(form, r);
        case Kind::Shape:
            return makeShape(form, r);
        case Kind::Image:
            return makeImage(form, r);
        case Kind::Timer:
            return makeTimer(r);
    }
    return nullptr;
}

}  // namespace

Form1::Form1() {
    m_form.setCaption(text(kForm1.caption));
    m_form.setClientSize(kForm1.clientWidth, kForm1.clientHeight);
    for (const ControlRecord& r : kLayout) {
        m_controls[indexOf(r.id)] = make(m_form, r);
        if (runtime::Control* c = control(r.id)) {
            c->move(r.left, r.top, r.width, r.height);
        }
    }
    // The first record lies on top, so stack from the last one up; buttons
    // then go above everything, whatever their place in the table.
    for (auto r = kLayout.rbegin(); r != kLayout.rend(); ++r) {
        if (runtime::Control* c = control(r->id)) {
            c->bringToFront();
        }
    }
    for (runtime::CommandButton* button : {&Command3(), &Command2(), &Command1()}) {
        button->bringToFront();
    }
    m_form.setFocusOrder({&Command1(), &Command2(), &Command3()});
    describeForAccessibility(*this);
}

runtime::Control* Form1::control(ControlId id) {
    return record(id).kind == Kind::Timer
               ? nullptr
               : static_cast<runtime::Control*>(m_controls[indexOf(id)].get());
}

namespace {
std::size_t checkedIndex(std::int16_t index) {
    if (index < 0 || index >= static_cast<std::int16_t>(kSquares.size())) {
        runtime::raiseError(runtime::kNoSuchElementError,
                            QStringLiteral("Control array element %1 doesn't exist").arg(index));
    }
    return static_cast<std::size_t>(index);
}
}  // namespace

runtime::Label& Form1::Label1(std::int16_t index) {
    return static_cast<runtime::Label&>(*m_controls[indexOf(kSquares[checkedIndex(index)])]);
}

runtime::Shape& Form1::Shape1(std::int16_t index) {
    return static_cast<runtime::Shape&>(*m_controls[indexOf(kOutlines[checkedIndex(index)])]);
}

}  // namespace window
