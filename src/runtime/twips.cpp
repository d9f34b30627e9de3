// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Conversions from twips and points to logical pixels.
#include "twips.h"

#include <cmath>
#include <limits>

namespace runtime {

int twipsToPixels(Twips length) {
    const double pixels = std::floor(static_cast<double>(length) / kTwipsPerPixel);
    // Widget geometry is int; keep absurd sizes from wrapping around.
    constexpr double kMax = std::numeric_limits<int>::max() / 2;
    if (!(pixels > -kMax)) {
        return static_cast<int>(-kMax);
    }
    return pixels < kMax ? static_cast<int>(pixels) : static_cast<int>(kMax);
}

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * kLayoutDpi / 72.0));
}

}  // namespace runtime
