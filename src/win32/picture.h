// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The picture control's JPEG, decoded by the system's own codecs (the
// Windows Imaging Component, through COM) the first time it is needed, into
// a bitmap the window draws from. The game carries no decoder.
#pragma once

#include <span>

#include "system.h"

namespace win32 {

class Picture {
public:
    explicit Picture(std::span<const unsigned char> jpeg) : m_jpeg(jpeg) {}
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    // Decodes the picture the first time it is asked, and only then; false
    // while there is nothing to draw.
    bool ensureDecoded();
    // Whether there were bytes to decode and they could not be.
    bool undecodable() const { return m_undecodable; }
    // Its natural size in pixels, once decoded.
    SIZE size() const { return m_size; }
    // Draws the whole picture into a rectangle of the DC, scaled to it.
    void draw(HDC dc, const RECT& to) const;

private:
    std::span<const unsigned char> m_jpeg;  // empty once decoding was tried
    HBITMAP m_bitmap = nullptr;
    SIZE m_size{};
    bool m_undecodable = false;
};

// The thread's COM apartment, entered once, when something first needs COM
// (the picture's codecs, a screen reader's calls); false if it cannot be.
bool enterApartment();

}  // namespace win32
