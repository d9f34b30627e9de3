// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Application set-up and the start operation. The game takes nothing from
// outside but clicks and keys on its window: no command-line argument reaches
// Qt, no session bus is started on the game's behalf, and a start that cannot
// open a window ends with one line saying why instead of an abort.
#include "application.h"

#include <QApplication>
#include <QByteArray>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "errors.h"
#include "eventloop.h"
#include "font.h"

namespace runtime {

namespace {

// Without a session bus address, libdbus would fork dbus-launch to start a
// bus that outlives the game. A bus the desktop set, or the user's own bus
// socket, is still used (screen readers listen there).
void keepToTheSessionBusThatExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
#ifdef Q_OS_UNIX
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    struct stat bus {};
    if (!runtimeDir.isEmpty() && stat((runtimeDir + "/bus").constData(), &bus) == 0 &&
        S_ISSOCK(bus.st_mode)) {
        return;
    }
#endif
    // An address of a kind libdbus does not know: it fails at once, quietly.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// What stands between the player and a window, in the game's words.
QString whyNoWindow() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) {
        return QStringLiteral("the platform \"%1\" (QT_QPA_PLATFORM) cannot be used")
            .arg(QString::fromLocal8Bit(platform));
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty()) {
        return QStringLiteral("no display (DISPLAY is not set)");
    }
    return QStringLiteral("the display %1 does not answer")
        .arg(QString::fromLocal8Bit(display.isEmpty() ? wayland : display));
}

// Qt's warnings while it looks for a window system are held back: if none
// can be had, Qt ends with a fatal message (and an abort) whose advice is
// wrong for this program, so only the game's own line is printed, and the
// program ends with status 1 and no core file. Once the application exists
// the held warnings are passed on as usual.
struct HeldMessage {
    QtMsgType type;
    const char* category;  // Qt's category names live as long as the program
    QString text;
};
std::vector<HeldMessage> g_heldMessages;
QtMessageHandler g_previousHandler = nullptr;

void holdStartUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "klikoman: cannot open a window: %s\n", qPrintable(whyNoWindow()));
        std::fflush(stderr);
        std::_Exit(kErrorExitStatus);
    }
    g_heldMessages.push_back({type, context.category, text});
}

void passOnHeldMessages() {
    qInstallMessageHandler(g_previousHandler);
    for (const HeldMessage& m : g_heldMessages) {
        qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category), m.text);
    }
    g_heldMessages.clear();
}

}  // namespace

void prepareApplication(const ProjectDescription& project) {
    QCoreApplication::setApplicationName(QString::fromUtf8(project.name));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(project.version));
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(project.name));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(project.desktopName));
    installFonts();
}

int start(const ProjectDescription& project) {
    keepToTheSessionBusThatExists();
    // On X11 Qt paints through shared-memory images, and before it paints
    // over an area it put that way since it last asked, it waits for the
    // server (a round trip that wakes the process twice): nearly every tick.
    // For a window this small a plain image write costs nothing more, and
    // the game sleeps between ticks. A desktop that sets the variable wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    // Qt reads options such as -platform and -stylesheet from its arguments;
    // it gets only the program's name, which must outlive the application.
    QByteArray name(project.desktopName);
    char* arguments[] = {name.data(), nullptr};
    int count = 1;
    g_previousHandler = qInstallMessageHandler(holdStartUpMessages);
    QApplication application(count, arguments);
    passOnHeldMessages();
    prepareApplication(project);
    std::unique_ptr<Object> program;
    try {
        program = project.startUp();
    } catch (const RuntimeError& error) {
        reportRuntimeError(error);
    }
    // End or a run-time error while the window was built or loaded: the event
    // loop would never see the request to quit.
    if (hasEnded()) {
        return exitStatus();
    }
    const int status = runEventLoop();
    program.reset();  // widgets go before the application object
    // Qt 6.4's Wayland client can hang as it closes its connection (the
    // display waits for its event thread, which waits for events that never
    // come), leaving a process without a window. The window is gone and the
    // game keeps nothing: the process ends here.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace runtime
