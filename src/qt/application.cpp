// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Application set-up and the start operation of the Qt front end. The game
// takes nothing from outside but clicks and keys on its window: no
// command-line argument reaches Qt, no session bus is started on the
// game's behalf, and a start that cannot open a window ends with the game's
// line and Qt's reasons instead of an abort. Every way the program ends
// leaves through one exit.
#include "runtime/application.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "fonts.h"
#include "qtfrontend.h"
#include "runtime/errors.h"
#include "runtime/loadedprogram.h"
#include "runtime/session.h"

namespace qt {

namespace {

// Without a session bus address, libdbus would fork dbus-launch to start a
// bus that outlives the game. A bus the desktop set, or the user's own bus
// socket (one the user owns, as libdbus requires), is still used: screen
// readers listen there.
void keepToTheSessionBusThatExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    struct stat bus {};
    if (!runtimeDir.isEmpty() && stat((runtimeDir + "/bus").constData(), &bus) == 0 &&
        S_ISSOCK(bus.st_mode) && bus.st_uid == getuid()) {
        return;
    }
    // An address of a kind libdbus does not know: it fails at once, quietly.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// On X11 Qt paints through shared-memory images, and before it paints over
// an area it put that way since it last asked, it waits for the server (a
// round trip that wakes the process twice): nearly every tick. For a window
// this small a plain image write costs nothing more. Qt asks only whether
// the variable is set, so a user who set it to anything keeps that.
void paintWithoutSharedMemory() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

// What stands between the player and a window, in the game's words: a guess,
// followed by Qt's own reasons.
QString whyNoWindow() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool known = platform.startsWith("xcb") || platform.startsWith("wayland");
    if (!platform.isEmpty() && !known) {
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

// Qt's messages while it looks for a window system are held back: if none
// can be had, Qt ends with a fatal message (and an abort) whose advice is
// for the developer, so the game's own line comes first, then Qt's reasons,
// and the program ends with status 1 and no core file. Once the application
// exists the held messages are passed on as usual. Qt's threads may log
// meanwhile, hence the lock.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex g_heldLock;
std::vector<HeldMessage> g_heldMessages;
QtMessageHandler g_previousHandler = nullptr;

void holdStartUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard<std::mutex> lock(g_heldLock);
    if (type != QtFatalMsg) {
        g_heldMessages.push_back({type, QByteArray(context.category), text});
        return;
    }
    std::fprintf(stderr, "klikoman: cannot open a window: %s\n", qPrintable(whyNoWindow()));
    for (const HeldMessage& m : g_heldMessages) {
        std::fprintf(stderr, "%s: %s\n", m.category.constData(), qPrintable(m.text));
    }
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
    std::_Exit(runtime::kErrorExitStatus);
}

void passOnHeldMessages() {
    qInstallMessageHandler(g_previousHandler);
    const std::lock_guard<std::mutex> lock(g_heldLock);
    for (const HeldMessage& m : g_heldMessages) {
        qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()),
                          m.text);
    }
    g_heldMessages.clear();
}

// Builds, loads and shows the program and runs it to its end; the status.
int run(const runtime::ProjectDescription& project) {
    QtFrontend frontend;
    runtime::Session session(frontend, project.name);
    std::unique_ptr<runtime::LoadedProgram> program;
    try {
        program = project.startUp(session);
    } catch (const runtime::RuntimeError& error) {
        session.fail(error);
    }
    // An end while the window was built or loaded came before the event
    // loop, which would never see the request to quit.
    if (session.ended()) {
        return session.exitStatus();
    }
    return QApplication::exec();  // the program, and its widgets, go before the application
}

// The one way out, whichever way the program ended. Qt's Wayland client
// can hang as it closes its connection: the display waits for its event
// thread, which waits in wl_display_read_events() for a read that never
// comes, leaving a process without a window (seen with Qt 6.4.2 and 6.8.2,
// about one close in twenty with 6.8). The game keeps nothing, so there the
// process ends at once.
int leave(int status) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace

void prepareApplication(const runtime::ProjectDescription& project) {
    QCoreApplication::setApplicationName(QString::fromUtf8(project.name));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(project.version));
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(project.name));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(project.desktopName));
    installFonts();
}

}  // namespace qt

namespace runtime {

int start(const ProjectDescription& project) {
    qt::keepToTheSessionBusThatExists();
    qt::paintWithoutSharedMemory();
    // Qt reads options such as -platform and -stylesheet from its arguments;
    // it gets only the program's name, which must outlive the application.
    static QByteArray name(project.desktopName);
    static char* arguments[] = {name.data(), nullptr};
    static int count = 1;
    qt::g_previousHandler = qInstallMessageHandler(qt::holdStartUpMessages);
    QApplication application(count, arguments);
    qt::passOnHeldMessages();
    qt::prepareApplication(project);
    return qt::leave(qt::run(project));
}

}  // namespace runtime
