// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Twips and font points, the units the window is laid out in. Every position
// and size is kept in twips (1/1440 inch, 15 to a logical pixel) and turned
// into pixels here and nowhere else; each front end's scaling then takes the
// logical pixels to the screen, so the layout stays in proportion when scaled.
#pragma once

namespace runtime {

using Twips = float;  // single precision, as the game's arithmetic expects

inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kLayoutDpi = 96.0;  // the screen the layout was drawn for

// Whole logical pixels a length covers: 198.5 twips cover 13 pixels, not 14,
// so a strip of the picture shows only the rows it uncovers completely.
// Usable in constants, so tests and tools derive pixel positions from the
// layout instead of copying them.
constexpr int twipsToPixels(Twips length) {
    const double pixels = static_cast<double>(length) / kTwipsPerPixel;
    // Widget geometry is int; keep absurd sizes (and NaN) from wrapping around.
    constexpr double kMax = 2147483647.0 / 2;
    if (!(pixels > -kMax)) {
        return static_cast<int>(-kMax);
    }
    if (pixels >= kMax) {
        return static_cast<int>(kMax);
    }
    const int whole = static_cast<int>(pixels);  // toward zero; floor below
    return pixels < whole ? whole - 1 : whole;
}

// A rectangle in whole logical pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

// The pixels a rectangle in twips covers, each edge by twipsToPixels().
constexpr PixelRect pixelRect(Twips left, Twips top, Twips width, Twips height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Pixel size of a font given in points on the layout's 96-dpi screen.
int pointsToPixels(double points);

}  // namespace runtime
