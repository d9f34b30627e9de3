// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The event table: which handler a notification from which control runs. A
// notification with no row here (double-clicks, mouse movement, keys, closing
// the window) reaches no handler and gets the platform's default treatment.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/handlers.h"
#include "window/layout.h"

namespace app {

enum class Notification : std::uint8_t { Load, Click, Timer };

// Every handler takes the array index of its source; only Label1_Click uses it.
using Handler = void (*)(game::Game&, std::int16_t index);

struct EventRow {
    std::string_view source;  // a control's name, an array's name, or the form's
    Notification notification;
    Handler handler;
    std::string_view handlerName;
};

template <void (*F)(game::Game&)>
void withoutIndex(game::Game& g, std::int16_t) {
    F(g);
}

// clang-format off
inline constexpr std::array<EventRow, 10> kEvents{{
    {"Form1",    Notification::Load,  withoutIndex<game::Form_Load>,     "Form_Load"},
    {"Command1", Notification::Click, withoutIndex<game::Command1_Click>, "Command1_Click"},
    {"Command2", Notification::Click, withoutIndex<game::Command2_Click>, "Command2_Click"},
    {"Command3", Notification::Click, withoutIndex<game::Command3_Click>, "Command3_Click"},
    {"Image1",   Notification::Click, withoutIndex<game::Image1_Click>,  "Image1_Click"},
    {"Label1",   Notification::Click, game::Label1_Click,                "Label1_Click"},
    {"Label2",   Notification::Click, withoutIndex<game::Label2_Click>,  "Label2_Click"},
    {"Label8",   Notification::Click, withoutIndex<game::Label8_Click>,  "Label8_Click"},
    {"Timer1",   Notification::Timer, withoutIndex<game::Timer1_Timer>,  "Timer1_Timer"},
    {"Timer2",   Notification::Timer, withoutIndex<game::Timer2_Timer>,  "Timer2_Timer"},
}};
// clang-format on

constexpr bool everySourceExists() {
    for (const EventRow& row : kEvents) {
        if (row.source != window::kForm1.name && !window::hasControl(row.source)) {
            return false;
        }
    }
    return true;
}
static_assert(everySourceExists(), "an event row names a control the window does not have");

// The row for a notification from a source, or null when it has none.
constexpr const EventRow* findEvent(std::string_view source, Notification notification) {
    for (const EventRow& row : kEvents) {
        if (row.source == source && row.notification == notification) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace app
