// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game's top-level window: its size at its DPI, the stacking of its
// children, what it draws itself (its colour, outlines, the picture), the
// clicks on what it draws, its buttons' clicks, its timers, the keyboard
// focus, closing, and the screen reader's way in.
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "accessible.h"
#include "fonts.h"
#include "peers.h"
#include "runtime/session.h"

namespace win32 {

namespace {

constexpr wchar_t kClass[] = L"KlikomanForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void registerClass(HINSTANCE instance) {
    static const bool registered = [instance] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.lpfnWndProc = FormPeer::procedure;
        c.hInstance = instance;
        c.lpszClassName = kClass;
        c.hIcon = static_cast<HICON>(
            LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        c.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), 0));
        // No class cursor: the window sets it, as the pointer crosses the picture.
        return RegisterClassExW(&c) != 0;
    }();
    (void)registered;
}

// The window's frame around a client area of a size, at a DPI.
RECT frameAround(int width, int height, int dpi) {
    RECT r{0, 0, width, height};
    using Adjust = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* forDpi = systemFunction<Adjust>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (forDpi) {
        forDpi(&r, kStyle, FALSE, 0, UINT(dpi));
    } else {
        AdjustWindowRectEx(&r, kStyle, FALSE, 0);
    }
    return r;
}

bool canFocus(HWND hwnd) {
    return hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

}  // namespace

FormPeer::FormPeer(runtime::Form& form) : m_form(form), m_fonts(std::make_unique<Fonts>()) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClass(instance);
    // At the platform's default place; the size follows from the form's.
    m_hwnd = CreateWindowExW(0, kClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    // Only now does the window reach this peer: the form makes its peer
    // before its own controls' lists, which a message sent while the window
    // is made (a reader's hook may ask for its object) would otherwise read.
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_scale.dpi = dpiOf(m_hwnd);
}

FormPeer::~FormPeer() {
    if (m_accessible) {
        m_accessible->detach();
    }
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hwnd);
}

Accessible* FormPeer::accessible() {
    if (m_accessible == nullptr) {
        m_accessible = new Accessible(*this);
    }
    return m_accessible;
}

void FormPeer::changed(runtime::Change what) {
    switch (what) {
        case runtime::Change::Caption:
            SetWindowTextW(m_hwnd, widen(m_form.caption()).c_str());
            break;
        case runtime::Change::Geometry:
            resize();
            break;
        case runtime::Change::Order: {
            // Each child raised goes on top: from the last up, the first ends above all.
            const auto& stacking = m_form.stacking();
            for (auto control = stacking.rbegin(); control != stacking.rend(); ++control) {
                if (HWND child = ControlPeer::of(**control)->hwnd()) {
                    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                }
            }
            InvalidateRect(m_hwnd, nullptr, FALSE);
            [[fallthrough]];
        }
        case runtime::Change::Reader:
            if (m_form.shown()) {
                NotifyWinEvent(EVENT_OBJECT_REORDER, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
            }
            break;
        case runtime::Change::Visible:
            // Activating the window gives the focus to the first of the focus order.
            ShowWindow(m_hwnd, SW_SHOWDEFAULT);
            UpdateWindow(m_hwnd);
            break;
        default:
            break;
    }
}

void FormPeer::resize() {
    const runtime::PixelRect client = m_form.clientRect();
    const RECT frame = frameAround(m_scale(client.width), m_scale(client.height), m_scale.dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormPeer::dpiChanged(int dpi, const RECT* suggested) {
    m_scale.dpi = dpi;
    SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    resize();  // the exact size; the suggestion may be a pixel off
    for (runtime::Control* control : m_form.stacking()) {
        ControlPeer::of(*control)->rescale();
    }
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormPeer::paint(HDC dc, const RECT& area) const {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    // What the window draws itself, from the bottom of the stack up; its
    // children lie above all of it, and draw over themselves what lies above them.
    const auto& stacking = m_form.stacking();
    for (auto control = stacking.rbegin(); control != stacking.rend(); ++control) {
        ControlPeer* peer = ControlPeer::of(**control);
        RECT r = peer->rect();
        if (!peer->hwnd() && IntersectRect(&r, &r, &area)) {
            peer->draw(dc, {0, 0});
        }
    }
}

void FormPeer::drawAbove(const runtime::Control& control, HDC dc, POINT origin) const {
    const auto& stacking = m_form.stacking();
    const auto at = std::find(stacking.begin(), stacking.end(), &control);
    const RECT below = ControlPeer::of(control)->rect();
    for (auto above = std::make_reverse_iterator(at); above != stacking.rend(); ++above) {
        ControlPeer* peer = ControlPeer::of(**above);
        RECT r = peer->rect();
        if (!peer->hwnd() && IntersectRect(&r, &r, &below)) {
            peer->draw(dc, {-origin.x, -origin.y});
        }
    }
}

void FormPeer::redraw(const RECT& area) const {
    if (!IsRectEmpty(&area)) {
        RedrawWindow(m_hwnd, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

ControlPeer* FormPeer::drawnAt(POINT point) const {
    // The children lie above all the window draws, and a point on one is
    // that child's even when it is disabled and the system hands its clicks
    // and pointer to the window instead.
    if (HWND child = ChildWindowFromPointEx(m_hwnd, point, CWP_SKIPINVISIBLE);
        child && child != m_hwnd) {
        return nullptr;
    }
    for (runtime::Control* control : m_form.stacking()) {
        ControlPeer* peer = ControlPeer::of(*control);
        const RECT r = peer->rect();
        if (!peer->hwnd() && control->takesClicks() && PtInRect(&r, point)) {
            return peer;
        }
    }
    return nullptr;
}

// A click on what the window draws: the primary button pressed and released
// on the same control.
void FormPeer::press(POINT point) {
    m_pressed = drawnAt(point);
    if (m_pressed) {
        SetCapture(m_hwnd);
    }
}

void FormPeer::release(POINT point) {
    ControlPeer* pressed = std::exchange(m_pressed, nullptr);
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
    if (pressed && drawnAt(point) == pressed) {
        pressed->control().click();
    }
}

void FormPeer::forgetPress(const ControlPeer& peer) {
    if (m_pressed == &peer) {
        m_pressed = nullptr;
        if (GetCapture() == m_hwnd) {
            ReleaseCapture();
        }
    }
}

void FormPeer::addTimer(TimerPeer* timer) {
    m_timers.push_back(timer);
    timer->setId(m_timers.size());
}

void FormPeer::removeTimer(TimerPeer* timer) {
    std::replace(m_timers.begin(), m_timers.end(), timer, static_cast<TimerPeer*>(nullptr));
}

HWND FormPeer::nextFocus(HWND from, bool back) const {
    const auto& order = m_form.focusOrder();
    const int count = int(order.size());
    int at = back ? count : -1;  // before the first, going forward
    int others = count;          // how many to try: all but `from` itself
    for (int i = 0; i < count; ++i) {
        if (from && ControlPeer::of(*order[std::size_t(i)])->hwnd() == from) {
            at = i;
            others = count - 1;
        }
    }
    for (int step = 1; step <= others; ++step) {
        const int i = ((back ? at - step : at + step) % count + count) % count;
        HWND candidate = ControlPeer::of(*order[std::size_t(i)])->hwnd();
        if (canFocus(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

void FormPeer::passFocusOn(HWND from) const {
    if (GetFocus() == from) {
        HWND next = nextFocus(from, false);
        SetFocus(next ? next : m_hwnd);
    }
}

void FormPeer::end(int status) {
    if (!m_ending) {
        m_ending = true;
        ShowWindow(m_hwnd, SW_HIDE);
        PostQuitMessage(status);
    }
}

LRESULT FormPeer::accessibleObject(WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
        return DefWindowProcW(m_hwnd, WM_GETOBJECT, wParam, lParam);
    }
    return accessible()->answer(wParam);
}

LRESULT FormPeer::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(m_hwnd, &ps);
            paint(dc, ps.rcPaint);
            EndPaint(m_hwnd, &ps);
            return 0;
        }
        case WM_PRINTCLIENT: {  // a themed button's corners show what lies beneath
            RECT all;
            GetClientRect(m_hwnd, &all);
            paint(reinterpret_cast<HDC>(wParam), all);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_COMMAND:
            // A button's click; the dialog keys' commands (Enter, Esc) do nothing.
            if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
                auto* peer = reinterpret_cast<ControlPeer*>(
                    GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
                if (peer) {
                    peer->control().click();
                }
            }
            return 0;
        case WM_TIMER:
            if (wParam >= 1 && wParam <= m_timers.size() && m_timers[wParam - 1]) {
                m_timers[wParam - 1]->tick();
            }
            return 0;
        case WM_LBUTTONDOWN:
            press({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            release({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CAPTURECHANGED:
            m_pressed = nullptr;
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == m_hwnd && LOWORD(lParam) == HTCLIENT) {
                POINT at;
                GetCursorPos(&at);
                ScreenToClient(m_hwnd, &at);
                ControlPeer* peer = drawnAt(at);
                const bool forbidden = peer && peer->forbidsPointer();
                SetCursor(LoadCursorW(nullptr, forbidden ? IDC_NO : IDC_ARROW));
                return TRUE;
            }
            break;
        case WM_ACTIVATE:
            // The focus stays where the player left it while another window is active.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                m_lastFocus = IsChild(m_hwnd, focus) ? focus : nullptr;
            } else {
                HWND focus = canFocus(m_lastFocus) ? m_lastFocus : nextFocus(nullptr, false);
                SetFocus(focus ? focus : m_hwnd);
            }
            return 0;
        case WM_DPICHANGED:
            dpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_GETOBJECT:
            return accessibleObject(wParam, lParam);
        case WM_CLOSE:
            // Closing the window has no handler: the program ends, with status 0.
            m_form.session().end(0);
            return 0;
        case WM_DESTROY:
            if (!m_ending) {
                m_ending = true;
                PostQuitMessage(0);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FormPeer::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* peer = reinterpret_cast<FormPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return peer ? peer->handle(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace win32
