// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The one harness for programs in a real window: a private display server of
// one backend (Xvfb, Wine on Xvfb, a headless sway compositor, a headless
// browser showing a page), programs
// launched on it and found by their window, what the screen shows read back,
// and the player's hands on it. Everything it starts it ends again by PID.
// The real-window test and the benchmark run the built game through it.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <memory>

#include "cells.h"

class Desktop {
public:
    enum class Backend { X11, Wine, Wayland, Browser };

    // A launched program and its top-level window.
    struct Program {
        QProcess process;
        quint32 window = 0;     // the backend's id of the window, 0 until found
        double paintedMs = -1;  // from the launch to the window's first paint (X11)
    };

    // The backend KLIKOMAN_BACKEND names (x11, wine, wayland, browser); X11
    // when unset.
    static Backend backendFromEnvironment();
    // Starts a private server; null, and why, where it cannot.
    static std::unique_ptr<Desktop> open(Backend backend, QString* why,
                                         QSize screen = QSize(1024, 768));
    virtual ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    Backend backend() const { return m_backend; }
    // What a program needs to reach this server, over the system's environment.
    virtual QProcessEnvironment environment() const = 0;
    // The game as this backend runs it: the built one, or the one that
    // KLIKOMAN_GAME names (an installed game).
    virtual QString game() const;

    // Starts the program (the built game unless another is named) and waits
    // for its window of the layout's size, titled `title`, to be painted.
    // `env` adds to environment(); a variable given empty there is removed.
    bool launch(Program& p, QStringList arguments = {}, QProcessEnvironment env = {},
                const QString& title = QStringLiteral("Klikoman"));
    bool launchOther(Program& p, const QString& program, QStringList arguments = {},
                     QProcessEnvironment env = {},
                     const QString& title = QStringLiteral("Klikoman"));

    // The window's client area as it shows on the screen, in logical pixels.
    virtual QImage grab(const Program& p) = 0;
    // Whether there is a pointer to click with (a headless compositor has none).
    virtual bool hasPointer() const { return true; }
    // Clicks the primary button at a point of the client area.
    virtual void click(const Program& p, QPoint point) = 0;
    // Presses Space on the window: where there is no pointer, the focused
    // button is pressed so.
    virtual void pressSpace(const Program&) {}
    // Asks the window to close, as its frame's close button does.
    virtual void requestClose(const Program& p) = 0;
    // Draws the screen at a new scale; false where the backend cannot.
    virtual bool setScale(double scale);
    // The names a screen reader finds in the window, in its order; empty
    // where the backend reads none itself (X11 is read through at-spi2).
    virtual QStringList readerNames(const Program&) { return {}; }

    // Ends the program by its PID, if it still runs.
    static void end(Program& p);

protected:
    explicit Desktop(Backend backend) : m_backend(backend) {}
    // Waits for the window and its first paint, timed from `since`.
    virtual bool awaitWindow(Program& p, const QString& title, const QElapsedTimer& since) = 0;
    // The command line that runs `program` on this backend.
    virtual QStringList command(const QString& program, const QStringList& arguments);
    // Ends a server or helper process by its PID.
    static void stop(QProcess& process);

    static constexpr int kWait = 60000;  // ms; an upper limit, never a fixed pause

private:
    Backend m_backend;
};

// Whether two colours are the same but for a small difference in shade.
bool near(QRgb a, QRgb b, int tolerance = 2);
