// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Delivery of notifications, the run-time error report and the end of the
// program.
#include "session.h"

#include <cstdio>
#include <utility>

#include "errors.h"
#include "frontend.h"

namespace runtime {

Session::Session(Frontend& frontend, std::string title)
    : m_frontend(frontend), m_title(std::move(title)) {}

void Session::deliver(const std::function<void()>& handler) {
    if (m_ended) {
        return;
    }
    try {
        handler();
    } catch (const EndRequest&) {
        end(0);
    } catch (const RuntimeError& error) {
        fail(error);
    }
}

void Session::fail(const RuntimeError& error) {
    // Marked first: timers may keep ticking while the report is open.
    m_ended = true;
    std::fprintf(stderr, "klikoman: run-time error %d: %s\n", error.number(), error.text().c_str());
    std::fflush(stderr);
    m_frontend.report(m_title,
                      "Chyba za běhu " + std::to_string(error.number()) + ":\n\n" + error.text());
    end(kErrorExitStatus);
}

void Session::end(int status) {
    m_ended = true;
    m_status = status;
    m_frontend.end(status);
}

}  // namespace runtime
