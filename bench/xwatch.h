// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The benchmark's view of the X server: it sees top-level windows appear, map
// and get painted (through the DAMAGE extension), reads pixels, and clicks
// with the XTEST extension, all on one connection and with one clock.
#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <cstdint>
#include <map>

struct xcb_connection_t;

class XWatch {
public:
    bool connect();
    ~XWatch();

    struct Startup {
        std::uint32_t window = 0;
        double mappedMs = -1;
        double paintedMs = -1;
    };
    // Waits for a new top-level window of `size` to be mapped and painted,
    // timing both from `since`.
    Startup awaitFirstPaint(const QElapsedTimer& since, QSize size, int timeoutMs);

    QRgb pixel(std::uint32_t window, QPoint point);
    // Puts a window's top-left corner at a screen point, as a window manager would.
    void moveTo(std::uint32_t window, QPoint point);
    void click(std::uint32_t window, QPoint point);
    // Forgets damage reported so far, then waits until every region has been
    // repainted; returns the milliseconds from `since`, or -1.
    void discardDamage();
    double awaitRepaint(std::uint32_t window, std::initializer_list<QRect> regions,
                        const QElapsedTimer& since, int timeoutMs);

private:
    struct Window {
        QSize size;
        bool mapped = false;
    };
    void* nextEvent(int timeoutMs);  // an xcb_generic_event_t*, caller frees
    void track(void* event);

    xcb_connection_t* m_c = nullptr;
    std::uint32_t m_root = 0;
    std::uint8_t m_damageEvent = 0;
    std::map<std::uint32_t, Window> m_windows;
    struct Damage {
        std::uint32_t window;
        QRect area;
    };
    Damage* m_lastDamage = nullptr;
    Damage m_damage{};
};
