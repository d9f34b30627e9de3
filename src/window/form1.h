// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Form1, the game's window, built from the layout table with every value the
// table lists. Handlers reach its controls by name, and array members by
// index: Label1(i), Label3(), Command1(), Timer1(). Every click and tick of
// a control is passed, with the control's name and index, to the function
// the window is built with; the event table decides what, if anything, runs.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "layout.h"
#include "runtime/assistive.h"
#include "runtime/controls.h"
#include "runtime/eventloop.h"
#include "runtime/form.h"
#include "runtime/timer.h"

namespace window {

using Notify = std::function<void(Name, runtime::Notification, std::int16_t index)>;

class Form1 {
public:
    // Builds the window and its controls. The picture is decoded only when a
    // part of it is first uncovered; if it cannot be, that change (in a
    // handler) raises the run-time error.
    explicit Form1(Notify notify);

    runtime::Form& window() { return m_form; }  // the window itself

    runtime::Label& Label1(std::int16_t index);    // square `index`: lit to be clicked
    runtime::Shape& Shape1(std::int16_t index);    // outline of cell `index`, in reading order
    runtime::Label& Label2() { return m_label2; }  // hidden dot: hides the buttons
    runtime::Label& Label3() { return m_label3; }  // score
    runtime::Label& Label4() { return m_label4; }  // hits caption
    runtime::Label& Label5() { return m_label5; }  // instructions
    runtime::Label& Label6() { return m_label6; }  // credit line
    runtime::Label& Label7() { return m_label7; }  // end message
    runtime::Label& Label8() { return m_label8; }  // hidden spot: uncovers the whole picture
    runtime::CommandButton& Command1() { return m_command1; }  // Start
    runtime::CommandButton& Command2() { return m_command2; }  // Stop
    runtime::CommandButton& Command3() { return m_command3; }  // Konec
    runtime::Image& Image1() { return m_image1; }              // the hidden picture
    runtime::Timer& Timer1() { return m_timer1; }              // lights a square
    runtime::Timer& Timer2() { return m_timer2; }              // darkens every square

private:
    template <class Control, std::size_t... I>
    static std::array<Control, sizeof...(I)> array(runtime::Form& form, std::index_sequence<I...>) {
        return {{(static_cast<void>(I), Control(form))...}};
    }
    // Builds one control from its record; the control, unless a timer.
    runtime::Control* build(const ControlRecord& r);

    Notify m_notify;
    runtime::Form m_form;  // before the controls: its window holds their widgets
    std::array<runtime::Label, kSquareCount> m_label1 =
        array<runtime::Label>(m_form, std::make_index_sequence<kSquareCount>());
    runtime::Image m_image1{m_form};
    runtime::Label m_label2{m_form};
    runtime::Label m_label3{m_form};
    runtime::Label m_label4{m_form};
    std::array<runtime::Shape, kSquareCount> m_shape1 =
        array<runtime::Shape>(m_form, std::make_index_sequence<kSquareCount>());
    runtime::Label m_label5{m_form};
    runtime::Label m_label6{m_form};
    runtime::Label m_label7{m_form};
    runtime::Label m_label8{m_form};
    runtime::CommandButton m_command1{m_form};
    runtime::CommandButton m_command2{m_form};
    runtime::CommandButton m_command3{m_form};
    runtime::Timer m_timer1;
    runtime::Timer m_timer2;
    std::optional<runtime::RunWhenReaderListens> m_assisted;  // once the controls are built
};

}  // namespace window
