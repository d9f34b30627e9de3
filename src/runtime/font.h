// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Fonts as the layout names them: a face, a size in points on the layout's
// 96-dpi screen and a weight. Where a face is missing, each front end draws
// the text with the nearest face of the same size and weight, so the texts
// keep the width they were laid out for.
#pragma once

namespace runtime {

struct FontSpec {
    const char* face;
    double points;  // at the layout's 96 dpi
    bool bold;
};

// The face and size of every control that names no font of its own.
inline constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.0, false};

// Each face the layout names and the faces asked for in its place, in turn,
// until one is there: the face itself where it draws at any size (Windows'
// "MS Sans Serif" is bitmaps of a few sizes, its outline successor is
// "Microsoft Sans Serif"), then faces of the same metrics, then any alike.
struct FaceStandIns {
    const char* face;
    const char* faces[4];  // nearest first; unused ones are null
};
inline constexpr FaceStandIns kFaceStandIns[] = {
    {"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}},
    {"Times New Roman", {"Times New Roman", "Liberation Serif", "DejaVu Serif"}},
};

}  // namespace runtime
