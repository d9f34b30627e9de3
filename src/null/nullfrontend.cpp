// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The null front end's peers, its clicks and what it writes down.
#include "nullfrontend.h"

#include <algorithm>
#include <type_traits>

#include "runtime/form.h"

namespace null {

namespace {

class WindowPeer : public runtime::Peer {
public:
    void changed(runtime::Change) override {}
};

// Tells the front end what a reader would hear of a control's change.
class ControlPeer : public runtime::Peer {
public:
    ControlPeer(NullFrontend& frontend, runtime::Control& control)
        : m_frontend(frontend), m_control(control) {}
    void changed(runtime::Change what) override {
        if (what == runtime::Change::Visible) {
            m_frontend.announce(m_control, m_control.visible() ? "shown" : "hidden");
        } else if (what == runtime::Change::Caption || what == runtime::Change::Reader) {
            const std::string name = m_control.readerName();
            if (name != m_name) {
                m_name = name;
                m_frontend.announce(m_control, "name");
            }
        }
    }

private:
    NullFrontend& m_frontend;
    runtime::Control& m_control;
    std::string m_name;  // the name last told
};

class TimerPeer : public runtime::Peer {
public:
    void changed(runtime::Change) override {}
};

}  // namespace

template <class Peer, class Kind>
std::unique_ptr<runtime::Peer> NullFrontend::made(Kind& component) {
    m_components.push_back(&component);
    if constexpr (std::is_same_v<Peer, ControlPeer>) {
        return std::make_unique<ControlPeer>(*this, component);
    } else {
        return std::make_unique<Peer>();
    }
}

std::unique_ptr<runtime::Peer> NullFrontend::window(runtime::Form& form) {
    m_form = &form;
    return std::make_unique<WindowPeer>();
}

std::unique_ptr<runtime::Peer> NullFrontend::label(runtime::Label& label) {
    return made<ControlPeer>(label);
}

std::unique_ptr<runtime::Peer> NullFrontend::button(runtime::CommandButton& button) {
    return made<ControlPeer>(button);
}

std::unique_ptr<runtime::Peer> NullFrontend::shape(runtime::Shape& shape) {
    return made<ControlPeer>(shape);
}

std::unique_ptr<runtime::Peer> NullFrontend::image(runtime::Image& image) {
    return made<ControlPeer>(image);
}

std::unique_ptr<runtime::Peer> NullFrontend::timer(runtime::Timer& timer) {
    return made<TimerPeer>(timer);
}

void NullFrontend::end(int status) {
    m_status = status;
}

void NullFrontend::report(const std::string&, const std::string& message) {
    m_report = message;
}

bool NullFrontend::clickAt(int x, int y) {
    if (m_form == nullptr) {
        return false;
    }
    // Buttons first, then the rest as stacked, top first. What is hidden or
    // of no size lets clicks through, and so does an outline; anything else
    // takes the click there, a disabled button too, which then does nothing.
    std::vector<runtime::Control*> order = m_form->stacking();
    std::stable_partition(order.begin(), order.end(), [](runtime::Control* c) {
        return dynamic_cast<runtime::CommandButton*>(c) != nullptr;
    });
    for (runtime::Control* control : order) {
        const runtime::PixelRect r = control->pixelRect();
        if (control->visible() && !r.empty() && r.contains(x, y) &&
            dynamic_cast<runtime::Shape*>(control) == nullptr) {
            control->click();
            return true;
        }
    }
    return false;
}

void NullFrontend::announce(const runtime::Control& control, const char* what) {
    if (m_form != nullptr && m_form->shown() && !control.hiddenFromReaders()) {
        m_announced.push_back(std::string(what) + ' ' + control.readerName());
    }
}

}  // namespace null
