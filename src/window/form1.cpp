// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Building Form1 from its layout table.
#include "form1.h"

#include <QString>
#include <vector>

#include "accessibility.h"
#include "picture.h"

namespace window {

namespace {

QString text(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

void setUp(runtime::Control& control, const ControlRecord& r) {
    control.move(r.left, r.top, r.width, r.height);
}

void setUp(runtime::Label& label, const ControlRecord& r) {
    setUp(static_cast<runtime::Control&>(label), r);
    label.setCaption(text(r.caption));
    if (r.back != kDefaultColour) {
        label.setBackColor(r.back);
    }
    if (r.fore != kDefaultColour) {
        label.setForeColor(r.fore);
    }
    label.setFont(kFonts[static_cast<std::size_t>(r.font)]);
    if (r.alignment == Alignment::Centre) {
        label.setCentred();
    }
}

void setUp(runtime::CommandButton& button, const ControlRecord& r) {
    setUp(static_cast<runtime::Control&>(button), r);
    button.setCaption(text(r.caption));
}

void setUp(runtime::Shape& shape, const ControlRecord& r) {
    setUp(static_cast<runtime::Control&>(shape), r);
    shape.setBorderWidth(r.lineWidth);
}

void setUp(runtime::Image& image, const ControlRecord& r) {
    setUp(static_cast<runtime::Control&>(image), r);
    image.setPicture(QString::fromLatin1(kPictureResource));
    if (r.pointer == Pointer::Forbidden) {
        image.setPointer(Qt::ForbiddenCursor);
    }
}

void setUp(runtime::Timer& timer, const ControlRecord& r) {
    timer.setInterval(r.interval);
}

}  // namespace

Form1::Form1(Notify notify) : m_notify(std::move(notify)) {
    // Before any caption is set: Qt settles a control's accessible kind the
    // first time the control reports a change.
    arrangeForReaders(*this);
    m_form.setCaption(text(kForm1.caption));
    m_form.setClientSize(kForm1.clientWidth, kForm1.clientHeight);
    std::vector<runtime::Control*> topFirst;  // stacked as the table lists them
    for (const ControlRecord& r : kLayout) {
        if (runtime::Control* control = build(r)) {
            topFirst.push_back(control);
        }
    }
    m_form.stack(topFirst);
    m_form.setFocusOrder({&m_command1, &m_command2, &m_command3});
    m_assisted.emplace([this] { describeForAccessibility(*this); });
}

runtime::Control* Form1::build(const ControlRecord& r) {
    const auto name = r.name;
    const auto index = static_cast<std::int16_t>(r.index);
    const auto clicks = [&](auto& control) {
        setUp(control, r);
        control.setClickHandler(
            [this, name, index] { m_notify(name, runtime::Notification::Click, index); });
        return &control;
    };
    const auto ticks = [&](runtime::Timer& timer) -> runtime::Control* {
        setUp(timer, r);
        timer.setTickHandler([this, name] { m_notify(name, runtime::Notification::Timer, 0); });
        return nullptr;
    };
    switch (r.name) {
        case Name::Label1:
            return clicks(m_label1[static_cast<std::size_t>(r.index)]);
        case Name::Shape1:
            setUp(m_shape1[static_cast<std::size_t>(r.index)], r);
            return &m_shape1[static_cast<std::size_t>(r.index)];
        case Name::Label2:
            return clicks(m_label2);
        case Name::Label3:
            return clicks(m_label3);
        case Name::Label4:
            return clicks(m_label4);
        case Name::Label5:
            return clicks(m_label5);
        case Name::Label6:
            return clicks(m_label6);
        case Name::Label7:
            return clicks(m_label7);
        case Name::Label8:
            return clicks(m_label8);
        case Name::Command1:
            return clicks(m_command1);
        case Name::Command2:
            return clicks(m_command2);
        case Name::Command3:
            return clicks(m_command3);
        case Name::Image1:
            return clicks(m_image1);
        case Name::Timer1:
            return ticks(m_timer1);
        case Name::Timer2:
            return ticks(m_timer2);
        case Name::Form1:
            break;  // the window is no record of its own
    }
    return nullptr;
}

runtime::Label& Form1::Label1(std::int16_t index) {
    return m_label1.at(static_cast<std::size_t>(index));
}

runtime::Shape& Form1::Shape1(std::int16_t index) {
    return m_shape1.at(static_cast<std::size_t>(index));
}

}  // namespace window
