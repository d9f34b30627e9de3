// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Xvfb, xdotool and WM_DELETE_WINDOW for the real-window test.
#include "xsession.h"

#include <xcb/xcb.h>

#include <QRegularExpression>
#include <cstring>

bool XSession::start(QString* error, const QString& screen) {
    // -displayfd: the server picks a free display and writes its number.
    m_server.setProgram(QStringLiteral("Xvfb"));
    m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                           QStringLiteral("-screen"), QStringLiteral("0"), screen,
                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start();
    if (!m_server.waitForStarted(30000)) {
        *error = QStringLiteral("cannot start Xvfb (Debian: xvfb): ") + m_server.errorString();
        return false;
    }
    QByteArray number;
    while (!number.contains('\n')) {
        if (!m_server.waitForReadyRead(60000)) {
            *error = QStringLiteral("Xvfb did not report a display");
            return false;
        }
        number += m_server.readAllStandardOutput();
    }
    qputenv("DISPLAY", ":" + number.trimmed());
    return true;
}

void XSession::stop() {
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(10000)) {
            m_server.kill();
            m_server.waitForFinished(10000);
        }
    }
}

QString XSession::xdotool(const QStringList& arguments, int* exitCode) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    p.waitForFinished(30000);
    if (exitCode) {
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

unsigned long XSession::findWindow(const QString& title, QSize size, qint64 pid) {
    const QString out =
        xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
    // Qt keeps a tiny helper window of the same name beside the real one, and
    // a busy server may still show the window of a game that has just ended.
    for (const QString& id : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString owner = xdotool({QStringLiteral("getwindowpid"), id}).trimmed();
        if (owner.toLongLong() == pid && geometry(id.toULong()).size() == size) {
            return id.toULong();
        }
    }
    return 0;
}

QRect XSession::geometry(unsigned long window) {
    const QString out = xdotool({QStringLiteral("getwindowgeometry"), QString::number(window)});
    const auto pos = QRegularExpression(QStringLiteral("Position: (-?\\d+),(-?\\d+)")).match(out);
    const auto size = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(out);
    if (!pos.hasMatch() || !size.hasMatch()) {
        return {};
    }
    return QRect(pos.captured(1).toInt(), pos.captured(2).toInt(), size.captured(1).toInt(),
                 size.captured(2).toInt());
}

void XSession::click(QPoint p) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

bool XSession::requestClose(unsigned long window) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return a;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window);
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    xcb_disconnect(c);
    return true;
}
