// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Start-up and the dispatch of notifications to handlers.
#include "program.h"

#include "runtime/session.h"

namespace app {

const runtime::ProjectDescription kProject{"Klikoman", KLIKOMAN_DISPLAY_VERSION, "klikoman",
                                           &startUp};

Program::Program(runtime::Session& session) : m_session(session) {}

void Program::notify(window::Name source, Notification notification, std::int16_t index) {
    if (const EventRow* row = findEvent(source, notification)) {
        if (row->handler.indexed) {
            row->handler.indexed(m_game, index);
        } else {
            row->handler.plain(m_game);
        }
    }
}

void Program::load() {
    m_session.deliver([this] { notify(window::Name::Form1, Notification::Load, 0); });
}

void Program::show() {
    m_form.window().show();
}

std::unique_ptr<runtime::LoadedProgram> startUp(runtime::Session& session) {
    auto program = std::make_unique<Program>(session);
    program->load();
    if (!session.ended()) {  // End while loading: the window never shows
        program->show();
    }
    return program;
}

}  // namespace app
