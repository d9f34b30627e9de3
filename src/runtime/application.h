// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Starting a program on the runtime. The entry point hands over a project
// description; start(), which each front end defines, makes the session,
// lets the project build and load its window, runs the event loop and
// returns the exit status.
#pragma once

#include <memory>

#include "loadedprogram.h"

namespace runtime {

class Session;

struct ProjectDescription {
    const char* name;         // shown as the title of the error report
    const char* version;      // as shown to people
    const char* desktopName;  // the launcher entry's name, for the window system
    // Builds the program's state and window in the session, runs the load
    // notification and shows the window. What it returns lives until the
    // event loop ends.
    std::unique_ptr<LoadedProgram> (*startUp)(Session& session);
};

// Runs the program; returns its exit status. The program takes no command-line
// arguments, so none are passed in.
int start(const ProjectDescription& project);

}  // namespace runtime
