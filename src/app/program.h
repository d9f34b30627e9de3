// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The running program: its one GameState and its one window, whose clicks
// and ticks reach the handlers through the event table.
#pragma once

#include <cstdint>
#include <memory>

#include "eventtable.h"
#include "game/gamestate.h"
#include "game/handlers.h"
#include "runtime/application.h"
#include "runtime/loadedprogram.h"
#include "window/form1.h"

namespace app {

class Program : public runtime::LoadedProgram, private window::Notify {
public:
    // Creates the state empty and builds the window from its layout, with every
    // square and the end message visible and both timers on.
    explicit Program(runtime::Session& session);

    // Raises the window's load notification.
    void load();
    // Shows the window, the focus on Start.
    void show();

private:
    // Runs the handler the event table gives for a notification, if any.
    void notify(window::Name source, Notification notification, std::int16_t index) override;

    runtime::Session& m_session;
    game::GameState m_state;  // the program's module data
    window::Form1 m_form{m_session, *this};
    game::Game m_game{m_form, m_state, m_session};
};

// Start-up as the runtime runs it: build, load, show.
std::unique_ptr<runtime::LoadedProgram> startUp(runtime::Session& session);

extern const runtime::ProjectDescription kProject;

}  // namespace app
