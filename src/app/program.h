// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The running program: its one GameState and its one window, with every
// control's notifications wired through the event table to the handlers.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "eventtable.h"
#include "game/gamestate.h"
#include "game/handlers.h"
#include "runtime/application.h"
#include "runtime/object.h"
#include "window/form1.h"

namespace app {

class Program : public runtime::Object {
public:
    // Creates the state empty and builds the window from its layout, with every
    // square and the end message visible and both timers on.
    Program();

    // Raises the window's load notification.
    void load();
    // Shows the window, the focus on Start.
    void show();

    // Delivers a notification as the event loop would; the index is the array
    // member's for Label1, ignored elsewhere.
    void notify(std::string_view source, Notification notification, std::int16_t index = 0);

    game::GameState& state() { return m_state; }
    window::Form1& form() { return m_form; }

private:
    void wire(const window::ControlRecord& record);

    game::GameState m_state;  // the program's module data
    window::Form1 m_form;
    game::Game m_game{m_form, m_state};
};

// Start-up as the runtime runs it: build, load, show.
std::unique_ptr<runtime::Object> startUp();

extern const runtime::ProjectDescription kProject;

}  // namespace app
