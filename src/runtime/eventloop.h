// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Delivery of notifications and the ways the program ends. Every click and
// tick reaches its handler through deliver(), which runs it to completion and
// turns End and run-time errors into the end of the program. How the end is
// carried out goes through two hooks, so tests can watch it happen instead of
// losing their process.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace runtime {

class RuntimeError;

// What a control or the window tells the program.
enum class Notification : std::uint8_t { Load, Click, Timer };

// Runs one notification's handler; ignored once the program has ended.
void deliver(const std::function<void()>& handler);

// Reports a run-time error (stderr and a message box) and ends with status 1.
void reportRuntimeError(const RuntimeError& error);

inline constexpr int kErrorExitStatus = 1;

// Whether End, a run-time error or the event loop's end has come.
bool hasEnded();

// Ends the event loop with the given status; called by End (0) and errors.
void endProgram(int status);
// The status the program ended with, once it has.
int exitStatus();

using ExitHook = std::function<void(int status)>;
using ReportHook = std::function<void(const QString& title, const QString& message)>;

// Replace how the program ends and how an error is shown; an empty hook
// restores the default (quit the event loop; a modal message box).
void setExitHook(ExitHook hook);
void setReportHook(ReportHook hook);

// Tests only: forget an earlier end so the next test can play on.
void resetEnd();

// Runs the event loop until the program ends; returns the exit status.
int runEventLoop();

}  // namespace runtime
