// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The browser's front end: the runtime's window and controls as the page's
// own elements, through the calls of page.js, and the start operation of a
// page. The browser runs the event loop: start() builds and loads the
// program and returns, and the program stays for the page's life; a click
// or a tick comes back through km_click() and km_tick().
#include <emscripten.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/application.h"
#include "runtime/errors.h"
#include "runtime/form.h"
#include "runtime/frontend.h"
#include "runtime/session.h"
#include "window/picture.h"

// page.js
extern "C" {
int km_create(int kind);
void km_place(int handle, int x, int y, int width, int height);
void km_visible(int handle, int shown);
void km_enabled(int handle, int enabled);
void km_text(int handle, const char* text, const char* name, int live);
void km_look(int handle, int back, int fore, int centred);
void km_font(int handle, const char* face, int pixels, int bold);
void km_border(int handle, int pixels);
void km_pointer(int handle, int forbidden);
void km_reader(int handle, int role, const char* name, const char* description, int hidden);
void km_window(const char* caption, int width, int height, const char* face, int pixels);
void km_order(const int* stacking, int count, int readingOrder);
void km_show(int focus);
int km_uncover(int handle);
void km_timer(int handle, int ms);
void km_end(int status);
void km_report(const char* title, const char* message);
[[noreturn]] void km_abandon();
}

namespace web {

namespace {

using runtime::Change;

enum Kind { kLabel, kButton, kOutline, kPicture };

// Every control's peer by its handle, for the clicks the page passes back.
class ControlPeer;
std::vector<ControlPeer*> g_controls;
std::vector<runtime::Timer*> g_timers;  // by handle, counted on from the controls'

int rgb(runtime::Colour c) {
    return c == runtime::kDefaultColour
               ? -1
               : runtime::red(c) << 16 | runtime::green(c) << 8 | runtime::blue(c);
}

class ControlPeer : public runtime::Peer {
public:
    ControlPeer(runtime::Control& control, Kind kind)
        : m_control(control), m_handle(km_create(kind)) {
        g_controls.push_back(this);
    }
    int handle() const { return m_handle; }
    runtime::Control& control() const { return m_control; }

    void changed(Change what) override {
        switch (what) {
            case Change::Geometry: {
                const runtime::PixelRect r = m_control.pixelRect();
                km_place(m_handle, r.x, r.y, r.width, r.height);
                break;
            }
            case Change::Visible:
                km_visible(m_handle, m_control.visible());
                break;
            case Change::Reader:
                km_reader(m_handle, int(m_control.readerRole()), m_control.readerName().c_str(),
                          m_control.accessibleDescription().c_str(), m_control.hiddenFromReaders());
                showText();  // the name read may have changed
                break;
            case Change::Caption:
                showText();
                break;
            default:
                break;
        }
    }

protected:
    // The text shown, and the name read where it differs.
    virtual void showText() {}
    void showText(const std::string& caption, bool live) {
        km_text(m_handle, caption.c_str(), m_control.readerName().c_str(), live);
    }

    runtime::Control& m_control;
    int m_handle;
};

class LabelPeer : public ControlPeer {
public:
    explicit LabelPeer(runtime::Label& label) : ControlPeer(label, kLabel) {}
    void changed(Change what) override {
        auto& label = static_cast<runtime::Label&>(m_control);
        if (what == Change::Look) {
            km_look(m_handle, rgb(label.backColor()), rgb(label.foreColor()), label.centred());
        } else if (what == Change::Font) {
            km_font(m_handle, label.font().face, runtime::pointsToPixels(label.font().points),
                    label.font().bold);
        } else {
            ControlPeer::changed(what);
        }
    }

private:
    // A count read with what it counts is told as it changes.
    void showText() override {
        const auto& label = static_cast<runtime::Label&>(m_control);
        ControlPeer::showText(label.caption(), !label.accessiblePrefix().empty());
    }
};

class ButtonPeer : public ControlPeer {
public:
    explicit ButtonPeer(runtime::CommandButton& button) : ControlPeer(button, kButton) {}
    void changed(Change what) override {
        if (what == Change::Enabled) {
            km_enabled(m_handle, static_cast<runtime::CommandButton&>(m_control).enabled());
        } else {
            ControlPeer::changed(what);
        }
    }

private:
    void showText() override {
        ControlPeer::showText(static_cast<runtime::CommandButton&>(m_control).caption(), false);
    }
};

class ShapePeer : public ControlPeer {
public:
    explicit ShapePeer(runtime::Shape& shape) : ControlPeer(shape, kOutline) {}
    void changed(Change what) override {
        if (what == Change::Look) {
            km_border(m_handle, static_cast<runtime::Shape&>(m_control).borderWidth());
        } else {
            ControlPeer::changed(what);
        }
    }
};

// The picture is the page's own file, picture.jpg: the browser fetches and
// decodes it when the page is idle after its first frame, or when the
// picture is first uncovered if that comes sooner.
class ImagePeer : public ControlPeer {
public:
    explicit ImagePeer(runtime::Image& image) : ControlPeer(image, kPicture) {}
    void changed(Change what) override {
        auto& image = static_cast<runtime::Image&>(m_control);
        if (what == Change::Look) {
            km_pointer(m_handle, image.pointer() == runtime::Pointer::Forbidden);
            return;
        }
        ControlPeer::changed(what);
        if ((what == Change::Geometry || what == Change::Visible) && image.visible() &&
            !image.pixelRect().empty() && image.form().shown() && km_uncover(m_handle)) {
            failed();
        }
    }
    // The picture cannot be decoded: the run-time error, once.
    void failed() {
        if (!std::exchange(m_reported, true)) {
            runtime::raisePictureError();
        }
    }

private:
    bool m_reported = false;
};

class TimerPeer : public runtime::Peer {
public:
    explicit TimerPeer(runtime::Timer& timer)
        : m_timer(timer), m_handle(int(1000 + g_timers.size())) {
        g_timers.push_back(&timer);
    }
    void changed(Change) override {
        // Turning it on, or a new interval, starts a fresh period.
        km_timer(m_handle, m_timer.enabled() ? m_timer.interval() : 0);
    }

private:
    runtime::Timer& m_timer;
    int m_handle;
};

// The handles of the controls, in an order.
std::vector<int> handles(const std::vector<runtime::Control*>& controls) {
    std::vector<int> h(controls.size());
    for (std::size_t i = 0; i < h.size(); ++i) {
        h[i] = static_cast<ControlPeer*>(controls[i]->peer())->handle();
    }
    return h;
}

class WindowPeer : public runtime::Peer {
public:
    explicit WindowPeer(runtime::Form& form) : m_form(form) {}
    void changed(Change what) override {
        switch (what) {
            case Change::Caption:
            case Change::Geometry: {
                const runtime::PixelRect client = m_form.clientRect();
                // Text in the window's font where a control names none.
                km_window(m_form.caption().c_str(), client.width, client.height,
                          runtime::kDefaultFont.face,
                          runtime::pointsToPixels(runtime::kDefaultFont.points));
                break;
            }
            case Change::Order:
            case Change::Reader:
                order();
                break;
            case Change::Visible: {
                const auto& focus = m_form.focusOrder();
                km_show(focus.empty() ? -1 : handles({focus.front()}).front());
                break;
            }
            default:
                break;
        }
    }

private:
    // The stacking, and whether a reader (and the Tab key) goes through the
    // controls in reading order rather than as they are stacked.
    void order() {
        const std::vector<int> s = handles(m_form.stacking());
        km_order(s.data(), int(s.size()), m_form.readsInReadingOrder());
    }

    runtime::Form& m_form;
};

class WebFrontend
    : public runtime::PeersOf<WindowPeer, LabelPeer, ButtonPeer, ShapePeer, ImagePeer, TimerPeer> {
public:
    void end(int status) override { km_end(status); }
    void report(const std::string& title, const std::string& message) override {
        km_report(title.c_str(), message.c_str());
    }
};

}  // namespace

}  // namespace web

// The page's clicks and ticks, by handle.
extern "C" {
EMSCRIPTEN_KEEPALIVE void km_click(int handle) {
    web::g_controls.at(std::size_t(handle))->control().click();
}

EMSCRIPTEN_KEEPALIVE void km_tick(int handle) {
    web::g_timers.at(std::size_t(handle - 1000))->tick();
}

// The picture, fetched after it was first uncovered, cannot be decoded.
EMSCRIPTEN_KEEPALIVE void km_picture_failed(int handle) {
    auto* peer = static_cast<web::ImagePeer*>(web::g_controls.at(std::size_t(handle)));
    peer->control().form().session().deliver([peer] { peer->failed(); });
}
}

namespace runtime {

namespace {
Session* g_session;  // the page's one run
}

int start(const ProjectDescription& project) {
    // Kept for the page's life: the browser's event loop runs them.
    static web::WebFrontend frontend;
    static Session session(frontend, project.name);
    static std::unique_ptr<LoadedProgram> program;
    g_session = &session;
    program = project.startUp(session);
    return 0;
}

// Built without exceptions, End and the run-time errors end the session
// where they are raised, and the handler is abandoned: the page unwinds the
// program's stack to the browser's call into it and never comes back to it.
void End() {
    g_session->end(0);
    km_abandon();
}

namespace {
[[noreturn]] void raise(int number, const char* text) {
    g_session->fail(RuntimeError(number, text));
    km_abandon();
}
}  // namespace

void raiseOverflow() {
    raise(kOverflowError, kOverflowText);
}

void raisePictureError() {
    raise(kPictureError, kPictureText);
}

}  // namespace runtime
