// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Xvfb, and the windows on it, over xcb with DAMAGE and XTEST.
#include "x11desktop.h"

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
template <class Reply>
struct Freed {
    Reply* reply;
    ~Freed() { free(reply); }
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};
}  // namespace

X11Desktop::~X11Desktop() {
    if (m_c) {
        xcb_disconnect(m_c);
    }
    stop(m_server);
}

bool X11Desktop::start(QString* why, QSize screen) {
    // Under Wine, room for a window drawn at twice the layout's DPI: Wine
    // keeps a window within the screen.
    if (backend() == Backend::Wine) {
        screen *= 2;
    }
    // -displayfd: the server picks a free display and writes its number.
    m_server.setProgram(QStringLiteral("Xvfb"));
    m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                           QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    m_server.start();
    if (!m_server.waitForStarted(kWait)) {
        *why = QStringLiteral("cannot start Xvfb (Debian: xvfb): ") + m_server.errorString();
        return false;
    }
    QByteArray number;
    while (!number.contains('\n')) {
        if (!m_server.waitForReadyRead(kWait)) {
            *why = QStringLiteral("Xvfb did not report a display");
            return false;
        }
        number += m_server.readAllStandardOutput();
    }
    m_desktop = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    m_c = xcb_connect(qPrintable(m_desktop), nullptr);
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_c, &xcb_damage_id);
    const xcb_query_extension_reply_t* test = xcb_get_extension_data(m_c, &xcb_test_id);
    if (xcb_connection_has_error(m_c) || !damage || !damage->present || !test || !test->present) {
        *why = QStringLiteral("no X connection with DAMAGE and XTEST on ") + m_desktop;
        return false;
    }
    m_damageEvent = damage->first_event;
    free(xcb_damage_query_version_reply(m_c, xcb_damage_query_version(m_c, 1, 1), nullptr));
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_c);
    return backend() != Backend::Wine || bootWine(why);
}

QProcessEnvironment X11Desktop::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_desktop);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (backend() == Backend::Wine) {
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // Windows has its own
        env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        // No offer to install Mono or Gecko: the game needs neither.
        env.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    }
    return env;
}

QString X11Desktop::game() const {
    return backend() == Backend::Wine ? qEnvironmentVariable("KLIKOMAN_EXE") : Desktop::game();
}

QStringList X11Desktop::command(const QString& program, const QStringList& arguments) {
    if (backend() != Backend::Wine) {
        return Desktop::command(program, arguments);
    }
    return QStringList{qEnvironmentVariable("WINE", QStringLiteral("/usr/lib/wine/wine64")),
                       program} +
           arguments;
}

// A Wine prefix, made once (about 15 s).
bool X11Desktop::bootWine(QString* why) {
    QProcess boot;
    boot.setProcessEnvironment(environment());
    boot.start(qEnvironmentVariable("WINE", QStringLiteral("/usr/lib/wine/wine64")),
               {QStringLiteral("wineboot"), QStringLiteral("--init")});
    if (!boot.waitForFinished(300000) || boot.exitCode() != 0) {
        *why = QStringLiteral("wineboot failed (Debian: wine64)");
        return false;
    }
    return true;
}

void* X11Desktop::nextEvent(int timeoutMs) {
    if (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
        return e;
    }
    pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) <= 0) {
        return nullptr;
    }
    return xcb_poll_for_event(m_c);
}

void X11Desktop::track(void* raw) {
    auto* e = static_cast<xcb_generic_event_t*>(raw);
    const std::uint8_t type = e->response_type & 0x7F;
    if (type == XCB_CREATE_NOTIFY) {
        auto* c = reinterpret_cast<xcb_create_notify_event_t*>(e);
        if (c->parent == m_root) {
            m_windows[c->window] = {QSize(c->width, c->height)};
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
        // A new client may be given the ids of one that has gone.
        const xcb_window_t gone = reinterpret_cast<xcb_destroy_notify_event_t*>(e)->window;
        m_windows.erase(gone);
        m_claimed.erase(gone);
    } else if (type == m_damageEvent + XCB_DAMAGE_NOTIFY) {
        auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e);
        if (auto it = m_windows.find(d->drawable); it != m_windows.end() && it->second.mapped) {
            it->second.damaged = true;
        }
    }
}

bool X11Desktop::awaitWindow(Program& p, const QString& wanted, const QElapsedTimer& since) {
    while (since.elapsed() < kWait && p.process.state() == QProcess::Running) {
        // Every event is taken, but the windows are looked at after a quiet
        // 50 ms too: a title may come after the first paint (Wine) with no
        // event that this connection sees.
        if (void* e = nextEvent(50)) {
            track(e);
            free(e);
        }
        const double ms = since.nsecsElapsed() / 1e6;
        for (const auto& [id, w] : m_windows) {
            if (!w.damaged || w.size != clientSize() * m_scale || m_claimed.count(id) ||
                title(id) != wanted) {
                continue;
            }
            m_claimed.insert(id);
            p.window = id;
            p.paintedMs = ms;
            if (backend() == Backend::Wine) {
                // No window manager gives Wine's window the focus; the
                // player's first click would.
                xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, id, XCB_CURRENT_TIME);
                free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
            }
            return true;
        }
    }
    return false;
}

std::uint32_t X11Desktop::atom(const char* name) {
    Freed<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(
        m_c, xcb_intern_atom(m_c, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr)};
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QString X11Desktop::title(std::uint32_t window) {
    const xcb_atom_t utf8 = atom("UTF8_STRING");
    for (xcb_atom_t property : {atom("_NET_WM_NAME"), xcb_atom_t{XCB_ATOM_WM_NAME}}) {
        Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr)};
        if (reply && xcb_get_property_value_length(reply.reply) > 0) {
            const auto* text = static_cast<const char*>(xcb_get_property_value(reply.reply));
            const int length = xcb_get_property_value_length(reply.reply);
            return reply->type == utf8 ? QString::fromUtf8(text, length)
                                       : QString::fromLatin1(text, length);
        }
    }
    return {};
}

QPoint X11Desktop::origin(std::uint32_t window) {
    Freed<xcb_translate_coordinates_reply_t> at{xcb_translate_coordinates_reply(
        m_c, xcb_translate_coordinates(m_c, window, m_root, 0, 0), nullptr)};
    return at ? QPoint(at->dst_x, at->dst_y) : QPoint();
}

QImage X11Desktop::grab(const Program& p) {
    const QRect r(origin(p.window),
                  m_windows.count(p.window) ? m_windows[p.window].size : clientSize());
    Freed<xcb_get_image_reply_t> reply{xcb_get_image_reply(
        m_c,
        xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, static_cast<std::int16_t>(r.x()),
                      static_cast<std::int16_t>(r.y()), static_cast<std::uint16_t>(r.width()),
                      static_cast<std::uint16_t>(r.height()), 0xFFFFFFFF),
        nullptr)};
    if (!reply || xcb_get_image_data_length(reply.reply) < r.width() * r.height() * 4) {
        return {};
    }
    // Depth 24 in 32-bit little-endian pixels: Qt's RGB32 as it stands.
    return QImage(xcb_get_image_data(reply.reply), r.width(), r.height(), r.width() * 4,
                  QImage::Format_RGB32)
        .copy();
}

void X11Desktop::click(const Program& p, QPoint point) {
    const QPoint at = origin(p.window) + point;
    xcb_test_fake_input(m_c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root,
                        static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y()), 0);
    xcb_test_fake_input(m_c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(m_c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    // Waits until the server has taken the input, as a player's click is taken.
    free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
}

void X11Desktop::pressSpace(const Program& p) {
    // The key's code in the server's keymap, and the keys to the window, as
    // a player's would go to the window they last clicked.
    const xcb_setup_t* setup = xcb_get_setup(m_c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const Freed<xcb_get_keyboard_mapping_reply_t> map{xcb_get_keyboard_mapping_reply(
        m_c, xcb_get_keyboard_mapping(m_c, setup->min_keycode, count), nullptr)};
    if (!map) {
        return;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.reply);
    const int perCode = map->keysyms_per_keycode;
    const int at = int(std::find(syms, syms + count * perCode, xcb_keysym_t{0x20}) - syms);
    if (at == count * perCode) {
        return;
    }
    const auto code = static_cast<std::uint8_t>(setup->min_keycode + at / perCode);
    xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, p.window, XCB_CURRENT_TIME);
    xcb_test_fake_input(m_c, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(m_c, XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
}

void X11Desktop::requestClose(const Program& p) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = p.window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_c, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(m_c);
}

QStringList X11Desktop::readerNames(const Program& p) {
    const QString client = qEnvironmentVariable("KLIKOMAN_READER");
    if (backend() != Backend::Wine || client.isEmpty() || p.process.state() != QProcess::Running) {
        return {};
    }
    // Beside the game, in its Wine session: it reads the window from another
    // process, as a screen reader does.
    QProcess reader;
    reader.setProcessEnvironment(environment());
    reader.start(qEnvironmentVariable("WINE", QStringLiteral("/usr/lib/wine/wine64")),
                 {client, title(p.window)});
    if (!reader.waitForFinished(kWait) || reader.exitCode() != 0) {
        stop(reader);
        return {};
    }
    QStringList names;
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n')) {
        if (!line.trimmed().isEmpty()) {
            names << QString::fromUtf8(line).remove(u'\r');
        }
    }
    return names;
}

bool X11Desktop::setScale(double scale) {
    if (backend() != Backend::Wine) {
        return false;
    }
    // Wine takes the screen's DPI from the prefix's registry as its session
    // starts, as Windows takes it from the display's settings: the session
    // then ends, so the next program starts one anew.
    QProcess reg;
    reg.setProcessEnvironment(environment());
    reg.start(qEnvironmentVariable("WINE", QStringLiteral("/usr/lib/wine/wine64")),
              {QStringLiteral("reg"), QStringLiteral("add"),
               QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\Desktop"), QStringLiteral("/v"),
               QStringLiteral("LogPixels"), QStringLiteral("/t"), QStringLiteral("REG_DWORD"),
               QStringLiteral("/d"), QString::number(qRound(96 * scale)), QStringLiteral("/f")});
    if (!reg.waitForFinished(kWait) || reg.exitCode() != 0) {
        return false;
    }
    QProcess server;
    server.setProcessEnvironment(environment());
    server.start(qEnvironmentVariable("WINESERVER", QStringLiteral("/usr/lib/wine/wineserver64")),
                 {QStringLiteral("-w")});
    server.waitForFinished(kWait);
    m_scale = scale;
    return true;
}
