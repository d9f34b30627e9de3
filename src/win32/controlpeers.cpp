// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The controls' and the timers' peers: labels as child windows of the game's
// own class, buttons as the system's, outlines and the picture drawn by the
// window, timers as the window's system timers.
#include "system.h"  // windows.h, which the system's other headers need first

#include <commctrl.h>

#include <algorithm>

#include "accessible.h"
#include "fonts.h"
#include "peers.h"
#include "picture.h"
#include "runtime/errors.h"

namespace win32 {

using runtime::Change;

namespace {

constexpr wchar_t kLabelClass[] = L"KlikomanLabel";

// Each child window's id, for the dialog keys and a reader's press.
int nextId() {
    static int id = 100;  // clear of IDOK and IDCANCEL, which Enter and Esc send
    return ++id;
}

HWND makeLabelWindow(HWND parent, LabelPeer* peer) {
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
                           parent, reinterpret_cast<HMENU>(INT_PTR(nextId())), instance, peer);
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
    : ControlPeer(label, makeLabelWindow(parentOf(label), this)) {}

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
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    }
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
    // A reader asking the button itself gets what the window's list gives it.
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        auto* peer = reinterpret_cast<ButtonPeer*>(data);
        if (!peer->button().hiddenFromReaders()) {
            return peer->accessible()->answer(wParam);
        }
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// Shape

ShapePeer::ShapePeer(runtime::Shape& shape) : ControlPeer(shape, nullptr) {}

void ShapePeer::changed(Change) {
    // Whatever changed, the old place and the new are drawn again.
    form().redraw(m_drawn);
    m_drawn = m_control.visible() ? rect() : RECT{};
    form().redraw(m_drawn);
}

void ShapePeer::draw(HDC dc, POINT offset) {
    if (!m_control.visible()) {
        return;
    }
    RECT r = rect();
    OffsetRect(&r, offset.x, offset.y);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const int b =
        std::max(1, form().scale()(static_cast<runtime::Shape&>(m_control).borderWidth()));
    // An unfilled rectangle in the text colour, its border inside the control.
    HBRUSH line = GetSysColorBrush(COLOR_WINDOWTEXT);
    const RECT strips[] = {{r.left, r.top, r.right, r.top + std::min(b, h)},
                           {r.left, r.bottom - std::min(b, h), r.right, r.bottom},
                           {r.left, r.top, r.left + std::min(b, w), r.bottom},
                           {r.right - std::min(b, w), r.top, r.right, r.bottom}};
    for (const RECT& strip : strips) {
        FillRect(dc, &strip, line);
    }
}

// Image

ImagePeer::ImagePeer(runtime::Image& image) : ControlPeer(image, nullptr) {}

ImagePeer::~ImagePeer() = default;

bool ImagePeer::forbidsPointer() const {
    return image().pointer() == runtime::Pointer::Forbidden;
}

void ImagePeer::changed(Change what) {
    if (what == Change::Look) {
        return;  // the pointer, which the window asks for as it moves
    }
    if (what == Change::Picture) {
        m_picture = std::make_unique<Picture>(image().picture());
        m_reported = false;
    }
    if (!image().takesClicks()) {
        form().forgetPress(*this);  // hidden or shrunk to nothing mid-click: missed
    }
    form().redraw(m_drawn);
    m_drawn = image().visible() ? rect() : RECT{};
    form().redraw(m_drawn);
    decodeIfUncovered();
}

void ImagePeer::decodeIfUncovered() {
    if (!m_picture || !image().visible() || image().pixelRect().empty() ||
        !image().form().shown() || m_reported) {
        return;
    }
    if (!m_picture->ensureDecoded() && m_picture->undecodable()) {
        m_reported = true;  // once
        runtime::raisePictureError();
    }
}

void ImagePeer::draw(HDC dc, POINT offset) {
    // A picture shown from the start decodes here; one that cannot be shows
    // nothing, and is reported when it next changes, in a handler.
    if (!m_picture || !image().visible() || !m_picture->ensureDecoded()) {
        return;
    }
    RECT r = rect();
    OffsetRect(&r, offset.x, offset.y);
    // Its natural size from the control's top-left corner, clipped to the control.
    const Scale& scale = form().scale();
    const SIZE natural = m_picture->size();
    const RECT whole{r.left, r.top, r.left + scale(natural.cx), r.top + scale(natural.cy)};
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    m_picture->draw(dc, whole);
    RestoreDC(dc, saved);
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
