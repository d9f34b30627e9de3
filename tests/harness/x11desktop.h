// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The harness on a private Xvfb, seen and driven over one xcb connection:
// new top-level windows are tracked as they appear, map and get painted
// (through the DAMAGE extension), pixels are read with GetImage and the
// mouse and keyboard are driven with XTEST. With Wine as its backend the
// Windows build runs on the same server.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <set>

#include "desktop.h"

struct xcb_connection_t;

class X11Desktop : public Desktop {
public:
    explicit X11Desktop(Backend backend) : Desktop(backend) {}
    ~X11Desktop() override;
    bool start(QString* why, QSize screen);

    QProcessEnvironment environment() const override;
    QString game() const override;
    QImage grab(const Program& p) override;
    void click(const Program& p, QPoint point) override;
    void press(const Program& p, Key key) override;
    void requestClose(const Program& p) override;

    // For the benchmark: moving a window as a window manager would, and the
    // time until regions of a window are drawn again.
    void moveTo(const Program& p, QPoint screenPoint);
    void discardDamage();
    double awaitRepaint(const Program& p, std::initializer_list<QRect> regions,
                        const QElapsedTimer& since, int timeoutMs);

protected:
    bool awaitWindow(Program& p, const QString& title, const QElapsedTimer& since) override;
    QStringList command(const QString& program, const QStringList& arguments) override;

private:
    struct Window {
        QSize size;
        bool mapped = false;
        bool damaged = false;
    };
    bool bootWine(QString* why);
    void* nextEvent(int timeoutMs);  // an xcb_generic_event_t*, the caller frees it
    void track(void* event);
    QString title(std::uint32_t window);
    QPoint origin(std::uint32_t window);  // the window's top-left corner on the screen
    std::uint32_t atom(const char* name);

    QProcess m_server;
    QString m_desktop;
    xcb_connection_t* m_c = nullptr;
    std::uint32_t m_root = 0;
    std::uint8_t m_damageEvent = 0;
    std::map<std::uint32_t, Window> m_windows;
    std::set<std::uint32_t> m_claimed;  // windows already found for a launch
    // The last damage seen, for awaitRepaint.
    std::uint32_t m_damagedWindow = 0;
    QRect m_damagedArea;
};
