// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Notification delivery, the run-time error report and the end of the program.
#include "eventloop.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <utility>

#include "errors.h"
#include "shell.h"

namespace runtime {

namespace {

bool g_ended = false;
int g_status = 0;
ExitHook g_exitHook;
ReportHook g_reportHook;

// The program's own window, shown: the report belongs to it, is centred on
// it and, on Wayland, is no window of its own.
QWidget* programWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() == Qt::Window) {
            return window;
        }
    }
    return nullptr;
}

void defaultReport(const QString& title, const QString& message) {
    shell::report(title, message, programWindow());
}

}  // namespace

void deliver(const std::function<void()>& handler) {
    if (g_ended) {
        return;
    }
    try {
        handler();
    } catch (const EndRequest&) {
        endProgram(0);
    } catch (const RuntimeError& error) {
        reportRuntimeError(error);
    }
}

void reportRuntimeError(const RuntimeError& error) {
    // Mark the end first: timers keep ticking while the message box is open.
    g_ended = true;
    const QString message =
        QStringLiteral("Chyba za běhu %1:\n\n%2").arg(error.number()).arg(error.text());
    std::fprintf(stderr, "klikoman: run-time error %d: %s\n", error.number(),
                 qPrintable(error.text()));
    std::fflush(stderr);
    const QString title = QCoreApplication::applicationName();
    (g_reportHook ? g_reportHook : ReportHook(defaultReport))(title, message);
    endProgram(kErrorExitStatus);
}

bool hasEnded() {
    return g_ended;
}

void endProgram(int status) {
    g_ended = true;
    g_status = status;
    (g_exitHook ? g_exitHook : ExitHook(shell::end))(status);
}

void setExitHook(ExitHook hook) {
    g_exitHook = std::move(hook);
}

void setReportHook(ReportHook hook) {
    g_reportHook = std::move(hook);
}

int exitStatus() {
    return g_status;
}

void resetEnd() {
    g_ended = false;
    g_status = 0;
}

int runEventLoop() {
    const int status = QApplication::exec();
    g_ended = true;
    return status;
}

}  // namespace runtime
