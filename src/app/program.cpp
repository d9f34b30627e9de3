// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Start-up and the wiring of notifications to handlers.
#include "program.h"

#include "runtime/eventloop.h"

namespace app {

const runtime::ProjectDescription kProject{"Klikoman", KLIKOMAN_DISPLAY_VERSION, "klikoman",
                                           &startUp};

Program::Program() {
    for (const window::ControlRecord& record : window::kLayout) {
        wire(record);
    }
}

void Program::wire(const window::ControlRecord& record) {
    const bool isTimer = record.kind == window::Kind::Timer;
    const EventRow* row =
        findEvent(record.name, isTimer ? Notification::Timer : Notification::Click);
    if (row == nullptr) {
        return;
    }
    const std::int16_t index = record.index;
    auto run = [this, row, index] { row->handler(m_game, index); };
    if (isTimer) {
        static_cast<runtime::Timer&>(m_form.object(record.id)).setTickHandler(run);
    } else {
        m_form.control(record.id)->setClickHandler(run);
    }
}

void Program::load() {
    notify(window::kForm1.name, Notification::Load);
}

void Program::show() {
    m_form.form().show();
}

void Program::notify(std::string_view source, Notification notification, std::int16_t index) {
    if (const EventRow* row = findEvent(source, notification)) {
        runtime::deliver([this, row, index] { row->handler(m_game, index); });
    }
}

std::unique_ptr<runtime::Object> startUp() {
    auto program = std::make_unique<Program>();
    program->load();
    if (!runtime::hasEnded()) {  // End while loading: the window never shows
        program->show();
    }
    return program;
}

}  // namespace app
