// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The peers of the controls with windows of their own, and of the timers:
// labels as child windows of the game's own class, buttons as the system's,
// timers as the window's system timers. Outlines and the picture, which the
// window draws, are in drawnpeers.cpp.
#include "system.h"  // windows.h, which the system's other headers need first

#include <commctrl.h>

#include "accessible.h"
#include "fonts.h"
#include "peers.h"

namespace win32 {

using runtime::Change;

namespace {

constexpr wchar_t kLabelClass[] = L"KlikomanLabel";

// Each child window's id, for the dialog keys and a reader's press.
int nextId() {
    static int id = 100;  // clear of IDOK and IDCANCEL, which Enter and Esc send
    return ++id;
}

HWND makeLabelWindow(HWND parent) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = [instance] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.style = CS_HREDRAW | CS_VREDRAW;  // centred text moves with the width
        c.lpfnWndProc = LabelPeer::procedure;
        c.hInstance = instance;
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.lpszClassName = kLabelClass;
        return RegisterClassExW(&c) != 0;
    }();
    (void)registered;
    return CreateWindowExW(0, kLabelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(INT_PTR(nextId())), instance, nullptr);
}

HWND makeButtonWindow(HWND parent) {
    return CreateWindowExW(0, WC_BUTTONW, L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(nextId())),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND parentOf(const runtime::Control& control) {
    return static_cast<FormPeer*>(control.form().peer())->hwnd();
}

COLORREF colourOr(runtime::Colour colour, int system) {
    return colour == runtime::kDefaultColour
               ? GetSysColor(system)
               : RGB(runtime::red(colour), runtime::green(colour), runtime::blue(colour));
}

}  // namespace

// Control

ControlPeer::ControlPeer(runtime::Control& control, HWND hwnd) : m_control(control), m_hwnd(hwnd) {
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

ControlPeer::~ControlPeer() {
    if (m_accessible) {
        m_accessible->detach();
    }
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

RECT ControlPeer::rect() const {
    const runtime::PixelRect r = m_control.pixelRect();
    return form().scale().rect(r.x, r.y, r.width, r.height);
}

void ControlPeer::changed(Change what) {
    if (what == Change::Geometry || what == Change::Visible) {
        rescale();
    }
}

void ControlPeer::rescale() {
    if (m_hwnd) {
        const RECT r = rect();
        SetWindowPos(m_hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE |
                         (m_control.visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
}

Accessible* ControlPeer::accessible() {
    if (m_accessible == nullptr) {
        m_accessible = new Accessible(*this);
    }
    return m_accessible;
}

void ControlPeer::nameChanged() const {
    if (m_hwnd && !m_control.hiddenFromReaders()) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

// Label

LabelPeer::LabelPeer(runtime::Label& label)
    : ControlPeer(label, makeLabelWindow(parentOf(label))) {}

void LabelPeer::changed(Change what) {
    switch (what) {
        case Change::Caption:
            m_text = widen(label().caption());
            InvalidateRect(m_hwnd, nullptr, FALSE);
            [[fallthrough]];
        case Change::Reader:
            // The score is read with its caption: its name changes with its text.
            if (label().readerName() != m_readerName) {
                m_readerName = label().readerName();
                nameChanged();
                if (live() && IsWindowVisible(m_hwnd)) {
                    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_hwnd, OBJID_CLIENT,
                                   CHILDID_SELF);
                }
            }
            break;
        case Change::Look:
            InvalidateRect(m_hwnd, nullptr, FALSE);
            break;
        case Change::Font:
            rescale();
            break;
        case Change::Visible:
            if (!label().visible()) {
                forgetPress();  // a label hidden mid-click was missed
            }
            ControlPeer::changed(what);  // the system tells a reader it shows or hides
            if (label().visible() && label().readerRole() == runtime::ReaderRole::Alert &&
                !label().hiddenFromReaders()) {
                NotifyWinEvent(EVENT_SYSTEM_ALERT, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
            }
            break;
        default:
            ControlPeer::changed(what);
            break;
    }
}

void LabelPeer::rescale() {
    m_font = form().fonts().get(label().font(), form().scale().dpi);
    ControlPeer::rescale();
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void LabelPeer::forgetPress() {
    m_pressed = false;
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
}

void LabelPeer::paint(HDC dc) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    HBRUSH back = CreateSolidBrush(colourOr(label().backColor(), COLOR_BTNFACE));
    FillRect(dc, &client, back);
    DeleteObject(back);
    HGDIOBJ oldFont = SelectObject(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourOr(label().foreColor(), COLOR_WINDOWTEXT));
    // Lines break at words only where the text is wider than the label.
    DrawTextW(dc, m_text.c_str(), int(m_text.size()), &client,
              DT_NOPREFIX | DT_WORDBREAK | DT_TOP | (label().centred() ? DT_CENTER : DT_LEFT));
    SelectObject(dc, oldFont);
    // Outlines lie above the squares: what the window draws over a label is
    // drawn here, over the label.
    const RECT r = rect();
    form().drawAbove(label(), dc, {r.left, r.top});
}

LRESULT CALLBACK LabelPeer::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The window reaches its peer once ControlPeer's constructor has set it;
    // what comes while the window is made gets the system's answer.
    auto* peer = reinterpret_cast<LabelPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (peer == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            peer->paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        // A click is the primary button pressed and released on the same label.
        case WM_LBUTTONDOWN:
            peer->m_pressed = true;
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            const bool pressed = peer->m_pressed;
            peer->forgetPress();
            RECT client;
            GetClientRect(hwnd, &client);
            if (pressed && PtInRect(&client, {short(LOWORD(lParam)), short(HIWORD(lParam))})) {
                peer->label().click();
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            peer->m_pressed = false;
            return 0;
        case WM_GETOBJECT:
            // Marked when a reader first asks, before the answer: oleacc loads
            // for readers alone.
            if (peer->live() && !peer->m_markedLive) {
                peer->m_markedLive = true;
                markLiveRegion(hwnd);
            }
            if (static_cast<LONG>(lParam) == OBJID_CLIENT && !peer->label().hiddenFromReaders()) {
                return peer->accessible()->answer(wParam);
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// CommandButton

ButtonPeer::ButtonPeer(runtime::CommandButton& button)
    : ControlPeer(button, makeButtonWindow(parentOf(button))) {
    SetWindowSubclass(m_hwnd, procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

void ButtonPeer::changed(Change what) {
    switch (what) {
        case Change::Caption:
            SetWindowTextW(m_hwnd, widen(button().caption()).c_str());
            break;
        case Change::Enabled:
            if (!button().enabled()) {
                form().passFocusOn(m_hwnd);  // a disabled button cannot keep the focus
            }
            EnableWindow(m_hwnd, button().enabled());
            break;
        case Change::Visible:
            if (!button().visible()) {
                // A button hidden mid-click was missed; the keyboard would
                // otherwise press a button nobody can see.
                if (GetCapture() == m_hwnd) {
                    SendMessageW(m_hwnd, WM_CANCELMODE, 0, 0);
                }
                form().passFocusOn(m_hwnd);
            }
            ControlPeer::changed(what);
            break;
        case Change::Reader:
            nameChanged();
            break;
        default:
            ControlPeer::changed(what);
            break;
    }
}

void ButtonPeer::rescale() {
    SendMessageW(
        m_hwnd, WM_SETFONT,
        reinterpret_cast<WPARAM>(form().fonts().get(runtime::kDefaultFont, form().scale().dpi)),
        FALSE);
    ControlPeer::rescale();
}

LRESULT CALLBACK ButtonPeer::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {  // the window's last message: the subclass goes with it
        RemoveWindowSubclass(hwnd, procedure, 0);
    }
    // A reader asking the button itself gets what the window's list gives it.
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        auto* peer = reinterpret_cast<ButtonPeer*>(data);
        if (!peer->button().hiddenFromReaders()) {
            return peer->accessible()->answer(wParam);
        }
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// Timer

TimerPeer::TimerPeer(runtime::Timer& timer) : m_timer(timer) {
    form().addTimer(this);
}

TimerPeer::~TimerPeer() {
    KillTimer(form().hwnd(), m_id);
    form().removeTimer(this);
}

void TimerPeer::changed(Change) {
    // Turning it on, or a new interval, starts a fresh period.
    if (m_timer.enabled() && m_timer.interval() > 0) {
        SetTimer(form().hwnd(), m_id, UINT(m_timer.interval()), nullptr);
    } else {
        KillTimer(form().hwnd(), m_id);
    }
}

}  // namespace win32
