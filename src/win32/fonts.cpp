// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Making the layout's fonts, and finding once which face stands for each
// face the layout names.
#include "fonts.h"

#include <cstring>

#include "runtime/twips.h"

namespace win32 {

namespace {

LOGFONTW logFont(const wchar_t* face, int pixels, bool bold) {
    LOGFONTW lf{};
    lf.lfHeight = -pixels;  // the em, as points are measured, not the cell
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return lf;
}

// Whether the system has the face itself: the font it gives for the name is
// of that face, not a substitute the font mapper chose.
bool installed(HDC dc, const wchar_t* face) {
    const LOGFONTW lf = logFont(face, 12, false);
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t got[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, got);
    SelectObject(dc, old);
    DeleteObject(font);
    return lstrcmpiW(got, face) == 0;
}

}  // namespace

Fonts::~Fonts() {
    for (const Made& m : m_made) {
        DeleteObject(m.font);
    }
}

std::wstring Fonts::faceFor(const char* named) {
    for (std::size_t i = 0; i < std::size(runtime::kFaceStandIns); ++i) {
        const runtime::FaceStandIns& f = runtime::kFaceStandIns[i];
        if (std::strcmp(f.face, named) != 0) {
            continue;
        }
        if (m_chosen[i].empty()) {
            m_chosen[i] = widen(f.faces[0]);  // where none is there, the font mapper chooses
            HDC dc = CreateCompatibleDC(nullptr);
            for (const char* candidate : f.faces) {
                if (candidate && installed(dc, widen(candidate).c_str())) {
                    m_chosen[i] = widen(candidate);
                    break;
                }
            }
            DeleteDC(dc);
        }
        return m_chosen[i];
    }
    return widen(named);  // a face the layout does not name is asked for as it is
}

HFONT Fonts::get(const runtime::FontSpec& wanted, int dpi) {
    for (const Made& m : m_made) {
        if (m.dpi == dpi && m.points == wanted.points && m.bold == wanted.bold &&
            std::strcmp(m.face, wanted.face) == 0) {
            return m.font;
        }
    }
    // The layout's pixel size at 96 dpi, scaled as every other size is.
    const int pixels = Scale{dpi}(runtime::pointsToPixels(wanted.points));
    const LOGFONTW lf = logFont(faceFor(wanted.face).c_str(), pixels, wanted.bold);
    HFONT font = CreateFontIndirectW(&lf);
    m_made.push_back({wanted.face, wanted.points, wanted.bold, dpi, font});
    return font;
}

}  // namespace win32
