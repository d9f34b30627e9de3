// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The harness on a private Xvfb, seen and driven over one xcb connection:
// new top-level windows are tracked as they appear, map and get painted
// (through the DAMAGE extension), pixels are read with GetImage and the
// mouse and keyboard are driven with XTEST. With Wine as its backend the
// Windows build runs on the same server, and a screen reader's client
// (tests/wine, KLIKOMAN_READER) reads its window through Microsoft Active
// Accessibility.
#pragma once

#include <cstdint>
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
    void pressSpace(const Program& p) override;
    void requestClose(const Program& p) override;
    // Under Wine: the reader's client's lines, "ROLE<TAB>name" with MSAA's
    // role names (STATICTEXT, PUSHBUTTON, GRAPHIC, ALERT); empty where
    // KLIKOMAN_READER names no client or it finds no window.
    QStringList readerNames(const Program& p) override;
    // Under Wine: the DPI Windows programs started from now on are drawn at.
    bool setScale(double scale) override;

protected:
    bool awaitWindow(Program& p, const QString& title, const QElapsedTimer& since) override;
    QStringList command(const QString& program, const QStringList& arguments) override;
    // The server's events, for a subclass that watches more of them.
    xcb_connection_t* connection() const { return m_c; }
    std::uint8_t damageEvent() const { return m_damageEvent; }
    void* nextEvent(int timeoutMs);  // an xcb_generic_event_t*, the caller frees it
    virtual void track(void* event);

private:
    struct Window {
        QSize size;
        bool mapped = false;
        bool damaged = false;
    };
    bool bootWine(QString* why);
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
    double m_scale = 1;                 // a window's pixels for each of the layout's
};
