// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Moving windows and timing repaints on the benchmark's Xvfb.
#include "benchdesktop.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

void BenchDesktop::track(void* raw) {
    X11Desktop::track(raw);
    auto* e = static_cast<xcb_generic_event_t*>(raw);
    m_damagedWindow = 0;
    if ((e->response_type & 0x7F) == damageEvent() + XCB_DAMAGE_NOTIFY) {
        auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e);
        m_damagedWindow = d->drawable;
        m_damagedArea = QRect(d->area.x, d->area.y, d->area.width, d->area.height);
    }
}

void BenchDesktop::moveTo(const Program& p, QPoint screenPoint) {
    const std::uint32_t xy[] = {static_cast<std::uint32_t>(screenPoint.x()),
                                static_cast<std::uint32_t>(screenPoint.y())};
    xcb_configure_window(connection(), p.window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, xy);
    xcb_flush(connection());
}

void BenchDesktop::discardDamage() {
    while (void* e = xcb_poll_for_event(connection())) {
        track(e);
        free(e);
    }
}

double BenchDesktop::awaitRepaint(const Program& p, std::initializer_list<QRect> regions,
                                  const QElapsedTimer& since, int timeoutMs) {
    std::vector<QRect> waiting(regions);
    const qint64 start = since.elapsed();
    while (!waiting.empty() && since.elapsed() - start < timeoutMs) {
        void* e = nextEvent(10);
        if (!e) {
            continue;
        }
        track(e);
        free(e);
        if (m_damagedWindow == p.window) {
            std::erase_if(waiting, [this](const QRect& r) { return r.intersects(m_damagedArea); });
        }
    }
    return waiting.empty() ? since.nsecsElapsed() / 1e6 : -1;
}
