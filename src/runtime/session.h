// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A run of a program on the runtime: its front end, its random numbers and
// whether and how it has ended. Every click and tick reaches its handler
// through deliver(), which runs it to completion and turns End and run-time
// errors into the end of the program. The front end makes one session for
// the run and hands it to the program.
#pragma once

#include <string>

#include "errors.h"
#include "random.h"

namespace runtime {

class Frontend;

inline constexpr int kErrorExitStatus = 1;

class Session {
public:
    // `title` is the program's name, the title of its error report.
    Session(Frontend& frontend, std::string title);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Frontend& frontend() const { return m_frontend; }

    // The runtime's random-number function: the next draw of the program's
    // one generator, never seeded.
    float rnd() { return m_random.next(); }

    // Runs one notification's handler; nothing once the program has ended.
    template <class Handler>
    void deliver(Handler&& handler) {
        if (m_ended) {
            return;
        }
#if __cpp_exceptions
        try {
            handler();
        } catch (const EndRequest&) {
            end(0);
        } catch (const RuntimeError& error) {
            fail(error);
        }
#else
        // Built without exceptions (a page), End and a run-time error end the
        // session where they are raised and abandon the handler (errors.h).
        handler();
#endif
    }
    // Ends the program with `status`, as End does (0); the first end decides.
    void end(int status);
    // Reports a run-time error through the front end and ends the program
    // with kErrorExitStatus.
    void fail(const RuntimeError& error);

    // Whether End or a run-time error has ended the program.
    bool ended() const {
        return m_ended;
    }
    int exitStatus() const {
        return m_status;
    }

private:
    Frontend& m_frontend;
    std::string m_title;
    Random m_random;
    bool m_ended = false;
    int m_status = 0;
};

}  // namespace runtime
