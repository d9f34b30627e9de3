// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Form1, the game's window, built from the layout table with every value the
// table lists. Controls are reached by their names, and array members by
// index, as the handlers know them: Label1(i), Label3(), Command1(), Timer1().
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "layout.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/timer.h"

namespace window {

template <Kind K>
struct KindType;
template <>
struct KindType<Kind::Label> {
    using type = runtime::Label;
};
template <>
struct KindType<Kind::CommandButton> {
    using type = runtime::CommandButton;
};
template <>
struct KindType<Kind::Shape> {
    using type = runtime::Shape;
};
template <>
struct KindType<Kind::Image> {
    using type = runtime::Image;
};
template <>
struct KindType<Kind::Timer> {
    using type = runtime::Timer;
};

class Form1 {
public:
    // Builds the window and its controls; raises a run-time error if the
    // built-in picture cannot be decoded.
    Form1();

    runtime::Form& form() { return m_form; }

    template <ControlId Id>
    auto& get() {
        using T = typename KindType<record(Id).kind>::type;
        return static_cast<T&>(*m_controls[indexOf(Id)]);
    }
    runtime::Object& object(ControlId id) { return *m_controls[indexOf(id)]; }
    // The control of a record that is drawn; null for timers.
    runtime::Control* control(ControlId id);

    runtime::Label& Label1(std::int16_t index);  // a square; index 0..8
    runtime::Shape& Shape1(std::int16_t index);  // a square's outline
    runtime::Label& Label2() { return get<ControlId::Label2>(); }
    runtime::Label& Label3() { return get<ControlId::Label3>(); }
    runtime::Label& Label4() { return get<ControlId::Label4>(); }
    runtime::Label& Label5() { return get<ControlId::Label5>(); }
    runtime::Label& Label6() { return get<ControlId::Label6>(); }
    runtime::Label& Label7() { return get<ControlId::Label7>(); }
    runtime::Label& Label8() { return get<ControlId::Label8>(); }
    runtime::CommandButton& Command1() { return get<ControlId::Command1>(); }
    runtime::CommandButton& Command2() { return get<ControlId::Command2>(); }
    runtime::CommandButton& Command3() { return get<ControlId::Command3>(); }
    runtime::Image& Image1() { return get<ControlId::Image1>(); }
    runtime::Timer& Timer1() { return get<ControlId::Timer1>(); }
    runtime::Timer& Timer2() { return get<ControlId::Timer2>(); }

private:
    runtime::Form m_form;  // declared first: its window outlives the handles
    std::array<std::unique_ptr<runtime::Object>, kControlCount> m_controls;
};

}  // namespace window
