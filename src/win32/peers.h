// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The Windows peers of the runtime's window, controls and timers. The window
// is a top-level window of the game's own class; buttons are the system's
// BUTTON controls and each label a child window of its own, so that the
// system and a screen reader find them as windows; outlines and the picture
// have no window and are drawn by the window beneath its children (a label
// draws those stacked above it over itself). Timers are the system's timers
// of the window. Every size is the layout's logical pixels at the window's
// DPI.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/controls.h"
#include "runtime/form.h"
#include "system.h"

namespace win32 {

class Accessible;
class Fonts;
class Picture;
class TimerPeer;

class ControlPeer : public runtime::Peer {
public:
    ~ControlPeer() override;
    void changed(runtime::Change what) override;

    runtime::Control& control() const { return m_control; }
    // The control's own window; null for one the window draws.
    HWND hwnd() const { return m_hwnd; }
    // Where the control is, in the window's client pixels.
    RECT rect() const;
    // Draws a control that has no window of its own, shifted by `offset`.
    virtual void draw(HDC, POINT /*offset*/) {}
    // The window's DPI changed: sizes, fonts.
    virtual void rescale();
    // Whether the pointer shows that the control cannot be used.
    virtual bool forbidsPointer() const { return false; }
    // What a screen reader is given for the control, made when one first asks.
    Accessible* accessible();
    // The peer of a control of this front end.
    static ControlPeer* of(const runtime::Control& control) {
        return static_cast<ControlPeer*>(control.peer());
    }

protected:
    ControlPeer(runtime::Control& control, HWND hwnd);
    class FormPeer& form() const;
    // Tells a reader listening for it that the control's name changed.
    void nameChanged() const;

    runtime::Control& m_control;
    HWND m_hwnd;

private:
    Accessible* m_accessible = nullptr;  // one reference held here
};

class FormPeer : public runtime::Peer {
public:
    explicit FormPeer(runtime::Form& form);
    ~FormPeer() override;
    void changed(runtime::Change what) override;

    runtime::Form& form() const { return m_form; }
    HWND hwnd() const { return m_hwnd; }
    const Scale& scale() const { return m_scale; }
    Fonts& fonts() const { return *m_fonts; }
    // What a screen reader is given for the client area, made when one first asks.
    Accessible* accessible();
    // Draws what the window draws itself, stacked above `control`, onto a
    // DC whose origin is at `origin` of the client area.
    void drawAbove(const runtime::Control& control, HDC dc, POINT origin) const;
    // Redraws an area of the client, children included.
    void redraw(const RECT& area) const;
    // A drawn control went or shrank: a press on it in progress is missed.
    void forgetPress(const ControlPeer& peer);
    void addTimer(TimerPeer* timer);
    void removeTimer(TimerPeer* timer);
    // Moves the keyboard focus from `from`, which can no longer take it, to
    // the next control in the focus order that can.
    void passFocusOn(HWND from) const;
    // The first control in the focus order that can take the focus, after
    // `from` (or from the start), backwards if `back`; null if none can.
    HWND nextFocus(HWND from, bool back) const;
    // Ends the run: the window goes at once, the message loop ends with status.
    void end(int status);
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc, const RECT& area) const;
    void resize();
    void dpiChanged(int dpi, const RECT* suggested);
    ControlPeer* drawnAt(POINT point) const;
    void press(POINT point);
    void release(POINT point);
    LRESULT accessibleObject(WPARAM wParam, LPARAM lParam);

    runtime::Form& m_form;
    HWND m_hwnd = nullptr;
    Scale m_scale;
    std::unique_ptr<Fonts> m_fonts;
    std::vector<TimerPeer*> m_timers;  // a timer's id is its place here, plus one
    ControlPeer* m_pressed = nullptr;  // a drawn control the primary button went down on
    HWND m_lastFocus = nullptr;        // given back when the window is active again
    Accessible* m_accessible = nullptr;
    bool m_ending = false;
};

inline FormPeer& ControlPeer::form() const {
    return *static_cast<FormPeer*>(m_control.form().peer());
}

class LabelPeer : public ControlPeer {
public:
    explicit LabelPeer(runtime::Label& label);
    void changed(runtime::Change what) override;
    void rescale() override;
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    runtime::Label& label() const { return static_cast<runtime::Label&>(m_control); }
    // A count read with what it counts (the score) is told as it changes.
    bool live() const {
        return !label().accessiblePrefix().empty() && !label().hiddenFromReaders();
    }
    void paint(HDC dc) const;
    void forgetPress();
    std::wstring m_text;
    std::string m_readerName;  // as a reader was last told
    bool m_pressed = false;
    bool m_markedLive = false;  // for UI Automation, when a reader first asks
    HFONT m_font = nullptr;     // the fonts' own
};

class ButtonPeer : public ControlPeer {
public:
    explicit ButtonPeer(runtime::CommandButton& button);
    void changed(runtime::Change what) override;
    void rescale() override;

private:
    runtime::CommandButton& button() const {
        return static_cast<runtime::CommandButton&>(m_control);
    }
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR);
};

class ShapePeer : public ControlPeer {
public:
    explicit ShapePeer(runtime::Shape& shape);
    void changed(runtime::Change what) override;
    void draw(HDC dc, POINT offset) override;

private:
    RECT m_drawn{};  // where it was last drawn, to be cleared when it moves
};

class ImagePeer : public ControlPeer {
public:
    explicit ImagePeer(runtime::Image& image);
    ~ImagePeer() override;
    void changed(runtime::Change what) override;
    void draw(HDC dc, POINT offset) override;
    bool forbidsPointer() const override;

private:
    runtime::Image& image() const { return static_cast<runtime::Image&>(m_control); }
    // Decodes the picture once a part of it is uncovered; raises the picture
    // error, once, if it cannot be.
    void decodeIfUncovered();
    std::unique_ptr<Picture> m_picture;
    RECT m_drawn{};
    bool m_reported = false;
};

// Windows' timers go by the system's tick (about 16 ms), within the 5% a
// player could see at 400 ms.
class TimerPeer : public runtime::Peer {
public:
    explicit TimerPeer(runtime::Timer& timer);
    ~TimerPeer() override;
    void changed(runtime::Change what) override;
    void tick() { m_timer.tick(); }
    void setId(UINT_PTR id) { m_id = id; }

private:
    FormPeer& form() const { return *static_cast<FormPeer*>(m_timer.form().peer()); }
    runtime::Timer& m_timer;
    UINT_PTR m_id = 0;
};

}  // namespace win32
