// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The null front end: no window at all. Its peers only keep what they were
// told; what a screen reader would have been told is written down, and so
// are the end of the program and its error report. Time passes only when the
// caller ticks a timer (Timer::tick), and a click lands where the caller
// puts it, on the control a player would hit there. The rules, the handlers
// and the game are tested on it without any toolkit.
#pragma once

#include <string>
#include <vector>

#include "runtime/frontend.h"

namespace null {

class NullFrontend : public runtime::Frontend {
public:
    std::unique_ptr<runtime::Peer> window(runtime::Form& form) override;
    std::unique_ptr<runtime::Peer> label(runtime::Label& label) override;
    std::unique_ptr<runtime::Peer> button(runtime::CommandButton& button) override;
    std::unique_ptr<runtime::Peer> shape(runtime::Shape& shape) override;
    std::unique_ptr<runtime::Peer> image(runtime::Image& image) override;
    std::unique_ptr<runtime::Peer> timer(runtime::Timer& timer) override;
    void end(int status) override;
    void report(const std::string& title, const std::string& message) override;

    // Every control and timer made, in the order they were made.
    const std::vector<runtime::Component*>& components() const { return m_components; }
    // The window, once made.
    runtime::Form* form() const { return m_form; }

    // A click at a point of the window, in its logical pixels: the control
    // on top there gets it (buttons lie over everything; a hidden control
    // and an outline let clicks through); false where none is.
    bool clickAt(int x, int y);

    // What a screen reader was told, once the window showed: "shown NAME",
    // "hidden NAME", "name NAME" for each change of a control it can find.
    const std::vector<std::string>& announced() const { return m_announced; }
    void announce(const runtime::Control& control, const char* what);

    bool ended() const { return m_status >= 0; }
    int exitStatus() const { return m_status; }  // -1 while the program runs
    const std::string& reportShown() const { return m_report; }

private:
    template <class Peer, class Kind>
    std::unique_ptr<runtime::Peer> made(Kind& component);

    std::vector<runtime::Component*> m_components;
    runtime::Form* m_form = nullptr;
    std::vector<std::string> m_announced;
    int m_status = -1;
    std::string m_report;
};

}  // namespace null
