// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Fonts as the layout names them, and the faces that stand in for them. The
// layout was drawn with two Windows faces; where they are missing the nearest
// face of the same size and weight takes their place, so the texts keep the
// width they were laid out for.
#pragma once

#include <QFont>

namespace runtime {

struct FontSpec {
    const char* face;
    double points;  // at the layout's 96 dpi
    bool bold;
};

// The face and size of every control that names no font of its own.
inline constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.0, false};

QFont toQFont(const FontSpec& named);

// Registers the faces the program carries, finds once the face each named
// face is drawn with, and makes kDefaultFont the application's font.
void installFonts();

}  // namespace runtime
