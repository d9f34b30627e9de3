// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A private X server for the real-window test, and the player's hands on it:
// Xvfb on a display it picks itself, xdotool for the mouse, and the message a
// window manager sends when the player closes a window from its frame.
#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

class XSession {
public:
    // Starts Xvfb on a free display and points DISPLAY at it.
    bool start(QString* error, const QString& screen = QStringLiteral("1024x768x24"));
    void stop();

    // Runs xdotool with the arguments; returns its standard output.
    static QString xdotool(const QStringList& arguments, int* exitCode = nullptr);

    // Id of a mapped window of the process titled exactly `title` of the
    // given size, or 0.
    static unsigned long findWindow(const QString& title, QSize size, qint64 pid);
    // The window's client area on the screen.
    static QRect geometry(unsigned long window);
    // Moves the pointer to a screen point and clicks the primary button.
    static void click(QPoint screenPoint);
    // Asks the window to close as a window manager does (WM_DELETE_WINDOW).
    static bool requestClose(unsigned long window);

private:
    QProcess m_server;
};
