// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Application set-up and the start operation.
#include "application.h"

#include <QApplication>
#include <QGuiApplication>

#include "errors.h"
#include "eventloop.h"
#include "font.h"

namespace runtime {

void prepareApplication(const ProjectDescription& project) {
    QCoreApplication::setApplicationName(QString::fromUtf8(project.name));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(project.version));
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(project.name));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(project.desktopName));
    installFonts();
}

int start(int argc, char** argv, const ProjectDescription& project) {
    QApplication application(argc, argv);
    prepareApplication(project);
    std::unique_ptr<Object> program;
    try {
        program = project.startUp();
    } catch (const RuntimeError& error) {
        reportRuntimeError(error);
        return kErrorExitStatus;
    }
    const int status = runEventLoop();
    program.reset();  // widgets go before the application object
    return status;
}

}  // namespace runtime
