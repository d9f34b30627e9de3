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

}  // namespace runtime
