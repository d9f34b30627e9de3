// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a screen reader is told of the window and its controls, read from the
// runtime's controls each time it asks: roles, names, states, places, the
// children of the client area in reading order, and what pressing does.
#include <utility>
#include <vector>

#include "accessible.h"
#include "peers.h"

namespace win32 {

namespace {

// The controls a reader finds, in reading order where the form asks for it.
std::vector<ControlPeer*> readable(const FormPeer& form) {
    std::vector<ControlPeer*> peers;
    for (runtime::Control* control : form.form().stacking()) {
        if (!control->hiddenFromReaders()) {
            peers.push_back(ControlPeer::of(*control));
        }
    }
    if (form.form().readsInReadingOrder()) {
        // By place, ties kept in stacking order; a handful of controls, sorted by insertion.
        const auto before = [](ControlPeer* a, ControlPeer* b) {
            const runtime::PixelRect ra = a->control().pixelRect();
            const runtime::PixelRect rb = b->control().pixelRect();
            return std::pair(ra.y, ra.x) < std::pair(rb.y, rb.x);
        };
        for (std::size_t i = 1; i < peers.size(); ++i) {
            for (std::size_t j = i; j > 0 && before(peers[j], peers[j - 1]); --j) {
                std::swap(peers[j], peers[j - 1]);
            }
        }
    }
    return peers;
}

bool showing(const runtime::Control& control) {
    return control.visible() && !control.pixelRect().empty();
}

}  // namespace

FormPeer& Accessible::formPeer() const {
    return m_form ? *m_form : *static_cast<FormPeer*>(m_control->control().form().peer());
}

long Accessible::role() const {
    if (m_form) {
        return ROLE_SYSTEM_CLIENT;
    }
    switch (m_control->control().readerRole()) {
        case runtime::ReaderRole::Button:
            return ROLE_SYSTEM_PUSHBUTTON;
        case runtime::ReaderRole::Image:
            return ROLE_SYSTEM_GRAPHIC;
        case runtime::ReaderRole::Alert:
            return ROLE_SYSTEM_ALERT;
        case runtime::ReaderRole::Text:
            break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

std::wstring Accessible::name() const {
    return widen(m_form ? m_form->form().caption() : m_control->control().readerName());
}

std::wstring Accessible::description() const {
    return m_form ? std::wstring() : widen(m_control->control().accessibleDescription());
}

long Accessible::state() const {
    if (m_form) {
        return STATE_SYSTEM_FOCUSABLE;
    }
    const runtime::Control& control = m_control->control();
    long state = showing(control) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (control.readerRole() != runtime::ReaderRole::Button) {
        return state | STATE_SYSTEM_READONLY;
    }
    if (!static_cast<const runtime::CommandButton&>(control).enabled()) {
        return state | STATE_SYSTEM_UNAVAILABLE;
    }
    state |= STATE_SYSTEM_FOCUSABLE;
    if (m_control->hwnd() && GetFocus() == m_control->hwnd()) {
        state |= STATE_SYSTEM_FOCUSED;
    }
    return state;
}

RECT Accessible::clientRect() const {
    if (m_control) {
        return m_control->rect();
    }
    RECT r{};
    GetClientRect(m_form->hwnd(), &r);
    return r;
}

IDispatch* Accessible::parent() const {
    if (m_control) {
        Accessible* parent = formPeer().accessible();
        parent->AddRef();
        return parent;
    }
    // The window around the client area, as the system describes it.
    using Create = HRESULT WINAPI(HWND, LONG, REFIID, void**);
    static auto* create = systemFunction<Create>(L"oleacc.dll", "CreateStdAccessibleObject");
    void* window = nullptr;
    if (!create || FAILED(create(m_form->hwnd(), OBJID_WINDOW, __uuidof(IDispatch), &window))) {
        return nullptr;
    }
    return static_cast<IDispatch*>(window);
}

long Accessible::childCount() const {
    return m_form ? long(readable(*m_form).size()) : 0;
}

Accessible* Accessible::child(long index) const {
    if (m_control) {
        return nullptr;
    }
    const std::vector<ControlPeer*> peers = readable(*m_form);
    return index > 0 && std::size_t(index) <= peers.size()
               ? peers[std::size_t(index - 1)]->accessible()
               : nullptr;
}

Accessible* Accessible::childAt(POINT at) const {
    if (m_control) {
        return nullptr;
    }
    // What a player sees there: the control on top, not the first in reading order.
    for (runtime::Control* control : m_form->form().stacking()) {
        ControlPeer* peer = ControlPeer::of(*control);
        const RECT r = peer->rect();
        if (!control->hiddenFromReaders() && showing(*control) && PtInRect(&r, at)) {
            return peer->accessible();
        }
    }
    return nullptr;
}

Accessible* Accessible::focus() const {
    HWND focus = GetFocus();
    if (m_control) {
        return focus && focus == m_control->hwnd() ? const_cast<Accessible*>(this) : nullptr;
    }
    if (focus == m_form->hwnd()) {
        return const_cast<Accessible*>(this);
    }
    for (runtime::Control* control : m_form->form().stacking()) {
        ControlPeer* peer = ControlPeer::of(*control);
        if (focus && peer->hwnd() == focus && !control->hiddenFromReaders()) {
            return peer->accessible();
        }
    }
    return nullptr;
}

bool Accessible::press() {
    if (m_form) {
        return false;
    }
    const runtime::Control& control = m_control->control();
    if (control.readerRole() != runtime::ReaderRole::Button || !control.takesClicks()) {
        return false;
    }
    // As the button's own click comes: after this call has returned.
    HWND button = m_control->hwnd();
    PostMessageW(formPeer().hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return true;
}

}  // namespace win32
