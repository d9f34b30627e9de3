// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The event table: which handler a notification from which control runs. A
// notification with no row here (double-clicks, mouse movement, keys, closing
// the window, clicks on decoration) reaches no handler and gets the
// platform's default treatment.
#pragma once

#include <array>
#include <cstdint>

#include "game/handlers.h"
#include "window/form1.h"
#include "window/layout.h"

namespace app {

using window::Name;
using window::Notification;

// A handler as the game declares it: only an array's handler takes the index
// of the member that sent the notification.
struct Handler {
    constexpr Handler(void (*handler)(game::Game&)) : plain(handler) {}
    constexpr Handler(void (*handler)(game::Game&, std::int16_t)) : indexed(handler) {}
    void (*plain)(game::Game&) = nullptr;
    void (*indexed)(game::Game&, std::int16_t) = nullptr;
};

struct EventRow {
    Name source;  // a control, an array or the window
    Notification notification;
    Handler handler;
};

// clang-format off
inline constexpr std::array<EventRow, 10> kEvents{{
    {Name::Form1,    Notification::Load,  game::Form_Load},
    {Name::Command1, Notification::Click, game::Command1_Click},
    {Name::Command2, Notification::Click, game::Command2_Click},
    {Name::Command3, Notification::Click, game::Command3_Click},
    {Name::Image1,   Notification::Click, game::Image1_Click},
    {Name::Label1,   Notification::Click, game::Label1_Click},
    {Name::Label2,   Notification::Click, game::Label2_Click},
    {Name::Label8,   Notification::Click, game::Label8_Click},
    {Name::Timer1,   Notification::Timer, game::Timer1_Timer},
    {Name::Timer2,   Notification::Timer, game::Timer2_Timer},
}};
// clang-format on

// The row for a notification from a source, or null when it has none.
constexpr const EventRow* findEvent(Name source, Notification notification) {
    for (const EventRow& row : kEvents) {
        if (row.source == source && row.notification == notification) {
            return &row;
        }
    }
    return nullptr;
}

constexpr bool everyRowHasItsSourceAndIsTheOnlyOne() {
    for (const EventRow& row : kEvents) {
        if (row.source != Name::Form1 && !window::hasControl(row.source)) {
            return false;
        }
        if (findEvent(row.source, row.notification) != &row) {
            return false;
        }
    }
    return true;
}
static_assert(everyRowHasItsSourceAndIsTheOnlyOne(),
              "an event row names a control the window does not have, or repeats a row");

}  // namespace app
