// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The peers of the controls that have no window of their own, outlines and
// the picture: the game's window draws them beneath its children and takes
// their clicks (formwindow.cpp); a change draws their old place and new
// again.
#include <algorithm>

#include "peers.h"
#include "picture.h"
#include "runtime/errors.h"

namespace win32 {

using runtime::Change;

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

}  // namespace win32
