// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What differs between the program on a desktop and as a web page, behind
// one small interface: the application's lifetime, how the window is shown,
// how the program is kept while the event loop runs, how the program ends
// and how a run-time error is shown. The desktop's side is desktopshell.cpp;
// the page's is browsershell.cpp over the page's own calls (page.h).
// src/qt/CMakeLists.txt links one of them.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "qtfrontend.h"
#include "runtime/loadedprogram.h"
#include "runtime/session.h"

class QWidget;

namespace qt {

// What a run keeps while the event loop runs: the front end, the session and
// the program built in it, which go in the reverse order.
struct Run {
    explicit Run(const char* name) : session(frontend, name) {}
    QtFrontend frontend;
    runtime::Session session;
    std::unique_ptr<runtime::LoadedProgram> program;
};

namespace shell {

// Makes the application the program lives in and runs `body` in it; the
// application outlives `body` as long as the platform needs it.
int withApplication(int& argc, char** argv, const std::function<int()>& body);

// Shows a window at the platform's default place for a new window.
void show(QWidget* window);

// Keeps the run while the event loop runs it to its end; the exit status.
// Called also when the program ended while it was built or loaded.
int run(std::unique_ptr<Run> run);

// Carries out the end of the program with `status`, once it is decided.
void end(int status);

// Shows a run-time error's report over the program's window (null: none).
void report(const QString& title, const QString& message, QWidget* window);

}  // namespace shell
}  // namespace qt
