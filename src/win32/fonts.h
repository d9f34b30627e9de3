// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The layout's fonts as Windows fonts at a window's DPI. The layout names
// "MS Sans Serif", a bitmap face that Windows keeps only in a few sizes; its
// TrueType successor "Microsoft Sans Serif" is asked for instead, so texts
// scale cleanly at any DPI. Czech needs the Central European character set.
// Where a face is missing (Wine without Windows' fonts) the nearest face of
// the same size and weight that is there takes its place: Liberation's, metric
// twins of Windows' faces, which the system provides; the game carries none.
#pragma once

#include <iterator>
#include <string>
#include <vector>

#include "runtime/font.h"
#include "system.h"

namespace win32 {

class Fonts {
public:
    Fonts() = default;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts();

    // The font the layout names, at a DPI; kept until the fonts go.
    HFONT get(const runtime::FontSpec& wanted, int dpi);

private:
    struct Made {
        const char* face;
        double points;
        bool bold;
        int dpi;
        HFONT font;
    };
    // The face to ask for: the named one's successor, or a stand-in.
    std::wstring faceFor(const char* named);

    std::vector<Made> m_made;
    // For each face the layout names, once found.
    std::wstring m_chosen[std::size(runtime::kFaceStandIns)];
};

}  // namespace win32
