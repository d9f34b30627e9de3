// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Delivery of notifications, the run-time error report and the end of the
// program.
#include "session.h"

#include <utility>

#include "frontend.h"

namespace runtime {

Session::Session(Frontend& frontend, std::string title)
    : m_frontend(frontend), m_title(std::move(title)) {}

void Session::fail(const RuntimeError& error) {
    if (m_ended) {
        return;
    }
    // Marked first: timers may keep ticking, and the window may be closed,
    // while the report is open; the program ends as it failed.
    m_ended = true;
    m_status = kErrorExitStatus;
    m_frontend.report(m_title,
                      "Chyba za běhu " + std::to_string(error.number()) + ":\n\n" + error.text());
    m_frontend.end(kErrorExitStatus);
}

void Session::end(int status) {
    if (m_ended) {
        return;  // the first end decides the status
    }
    m_ended = true;
    m_status = status;
    m_frontend.end(status);
}

}  // namespace runtime
