// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Form1, the game's window, built from the layout table, record by record,
// each control by the runtime's class of its kind with every value the
// record lists. Handlers reach its controls by name, and array members by
// index: Label1(i), Label3(), Command1(), Timer1(). Every click and tick of
// a control is passed, with the control's name and index, to the function
// the window is built with; the event table decides what, if anything, runs.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "layout.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace runtime {
class Session;
}

namespace window {

// What a control or the window tells the program.
enum class Notification : std::uint8_t { Load, Click, Timer };

// What hears the window's notifications: the program.
class Notify {
public:
    virtual void notify(Name source, Notification notification, std::int16_t index) = 0;

protected:
    ~Notify() = default;
};

// The runtime's class for each kind of record.
// clang-format off
template <Kind kind> struct ClassOf;
template <> struct ClassOf<Kind::Label> { using Type = runtime::Label; };
template <> struct ClassOf<Kind::Button> { using Type = runtime::CommandButton; };
template <> struct ClassOf<Kind::Shape> { using Type = runtime::Shape; };
template <> struct ClassOf<Kind::Image> { using Type = runtime::Image; };
template <> struct ClassOf<Kind::Timer> { using Type = runtime::Timer; };
// clang-format on

class Form1 : private runtime::Listener {
public:
    // Builds the window and its controls in the session, their clicks and
    // ticks told to `notify`. The picture is decoded only when a part of it
    // is first uncovered; if it cannot be, that change (in a handler)
    // raises the run-time error.
    Form1(runtime::Session& session, Notify& notify);

    runtime::Form& window() { return m_form; }

    runtime::Label& Label1(std::int16_t index);  // square `index`: lit to be clicked
    runtime::Shape& Shape1(std::int16_t index);  // outline of cell `index`, in reading order
    // clang-format off
    runtime::Label& Label2() { return get<ControlId::Label2, Name::Label2>(); }  // hidden dot: hides the buttons
    runtime::Label& Label3() { return get<ControlId::Label3, Name::Label3>(); }  // score
    runtime::Label& Label4() { return get<ControlId::Label4, Name::Label4>(); }  // hits caption
    runtime::Label& Label5() { return get<ControlId::Label5, Name::Label5>(); }  // instructions
    runtime::Label& Label6() { return get<ControlId::Label6, Name::Label6>(); }  // credit line
    runtime::Label& Label7() { return get<ControlId::Label7, Name::Label7>(); }  // end message
    runtime::Label& Label8() { return get<ControlId::Label8, Name::Label8>(); }  // hidden spot: uncovers the whole picture
    runtime::CommandButton& Command1() { return get<ControlId::Command1, Name::Command1>(); }  // Start
    runtime::CommandButton& Command2() { return get<ControlId::Command2, Name::Command2>(); }  // Stop
    runtime::CommandButton& Command3() { return get<ControlId::Command3, Name::Command3>(); }  // Konec
    runtime::Image& Image1() { return get<ControlId::Image1, Name::Image1>(); }  // the hidden picture
    runtime::Timer& Timer1() { return get<ControlId::Timer1, Name::Timer1>(); }  // lights a square
    runtime::Timer& Timer2() { return get<ControlId::Timer2, Name::Timer2>(); }  // darkens every square
    // clang-format on

private:
    // The control built from record `id`, which must be the record of `name`.
    template <ControlId id, Name name>
    typename ClassOf<record(id).kind>::Type& get() {
        static_assert(record(id).name == name, "a ControlId out of step with the layout table");
        return static_cast<typename ClassOf<record(id).kind>::Type&>(*m_controls[std::size_t(id)]);
    }
    // Tells the program of a control's click or tick, with its name and index.
    void clicked(runtime::Control& control) override;
    void ticked(runtime::Timer& timer) override;
    void tell(const runtime::Component& component, Notification notification);

    Notify& m_notify;
    runtime::Form m_form;  // before the controls: they go first
    std::array<std::unique_ptr<runtime::Component>, kControlCount> m_controls;
};

}  // namespace window
