// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Window tracking, paint detection, pixels and clicks over xcb.
#include "xwatch.h"

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <vector>

bool XWatch::connect() {
    m_c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_c)) {
        return false;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_c, &xcb_damage_id);
    if (!damage || !damage->present) {
        return false;
    }
    m_damageEvent = damage->first_event;
    free(xcb_damage_query_version_reply(m_c, xcb_damage_query_version(m_c, 1, 1), nullptr));
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_c);
    return true;
}

XWatch::~XWatch() {
    if (m_c) {
        xcb_disconnect(m_c);
    }
}

void* XWatch::nextEvent(int timeoutMs) {
    if (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
        return e;
    }
    pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) <= 0) {
        return nullptr;
    }
    return xcb_poll_for_event(m_c);
}

void XWatch::track(void* raw) {
    auto* e = static_cast<xcb_generic_event_t*>(raw);
    const std::uint8_t type = e->response_type & 0x7F;
    m_lastDamage = nullptr;
    if (type == XCB_CREATE_NOTIFY) {
        auto* c = reinterpret_cast<xcb_create_notify_event_t*>(e);
        if (c->parent == m_root) {
            m_windows[c->window] = {QSize(c->width, c->height), false};
            // Every new top-level reports what is drawn on it from now on.
            xcb_damage_create(m_c, xcb_generate_id(m_c), c->window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(m_c);
        }
    } else if (type == XCB_CONFIGURE_NOTIFY) {
        auto* c = reinterpret_cast<xcb_configure_notify_event_t*>(e);
        if (auto it = m_windows.find(c->window); it != m_windows.end()) {
            it->second.size = QSize(c->width, c->height);
        }
    } else if (type == XCB_MAP_NOTIFY) {
        auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
        if (auto it = m_windows.find(m->window); it != m_windows.end()) {
            it->second.mapped = true;
        }
    } else if (type == XCB_DESTROY_NOTIFY) {
        m_windows.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(e)->window);
    } else if (type == m_damageEvent + XCB_DAMAGE_NOTIFY) {
        auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e);
        m_damage = {d->drawable, QRect(d->area.x, d->area.y, d->area.width, d->area.height)};
        m_lastDamage = &m_damage;
    }
}

XWatch::Startup XWatch::awaitFirstPaint(const QElapsedTimer& since, QSize size, int timeoutMs) {
    Startup result;
    while (since.elapsed() < timeoutMs) {
        void* e = nextEvent(50);
        if (!e) {
            continue;
        }
        track(e);
        auto* event = static_cast<xcb_generic_event_t*>(e);
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && result.window == 0) {
            const auto id = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            if (auto it = m_windows.find(id); it != m_windows.end() && it->second.size == size) {
                result.window = id;
                result.mappedMs = since.nsecsElapsed() / 1e6;
            }
        } else if (m_lastDamage && result.window != 0 && m_lastDamage->window == result.window) {
            result.paintedMs = since.nsecsElapsed() / 1e6;
        }
        free(e);
        if (result.paintedMs >= 0) {
            return result;
        }
    }
    return result;
}

QRgb XWatch::pixel(std::uint32_t window, QPoint p) {
    auto* reply = xcb_get_image_reply(
        m_c,
        xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(p.x()),
                      static_cast<int16_t>(p.y()), 1, 1, 0xFFFFFFFF),
        nullptr);
    QRgb value = 0;
    if (reply && xcb_get_image_data_length(reply) >= 4) {
        const std::uint8_t* d = xcb_get_image_data(reply);
        value = qRgb(d[2], d[1], d[0]);
    }
    free(reply);
    return value;
}

void XWatch::moveTo(std::uint32_t window, QPoint p) {
    const std::uint32_t xy[] = {static_cast<std::uint32_t>(p.x()),
                                static_cast<std::uint32_t>(p.y())};
    xcb_configure_window(m_c, window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, xy);
    xcb_flush(m_c);
}

void XWatch::click(std::uint32_t window, QPoint p) {
    auto* at = xcb_translate_coordinates_reply(
        m_c,
        xcb_translate_coordinates(m_c, window, m_root, static_cast<int16_t>(p.x()),
                                  static_cast<int16_t>(p.y())),
        nullptr);
    if (!at) {
        return;
    }
    xcb_test_fake_input(m_c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, at->dst_x, at->dst_y,
                        0);
    xcb_test_fake_input(m_c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(m_c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    free(at);
    xcb_flush(m_c);
}

void XWatch::discardDamage() {
    while (void* e = xcb_poll_for_event(m_c)) {
        track(e);
        free(e);
    }
}

double XWatch::awaitRepaint(std::uint32_t window, std::initializer_list<QRect> regions,
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
        if (m_lastDamage && m_lastDamage->window == window) {
            std::erase_if(waiting,
                          [this](const QRect& r) { return r.intersects(m_lastDamage->area); });
        }
    }
    return waiting.empty() ? since.nsecsElapsed() / 1e6 : -1;
}
