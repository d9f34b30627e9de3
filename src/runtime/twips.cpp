// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Conversion from font points to logical pixels.
#include "twips.h"

#include <cmath>

namespace runtime {

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * kLayoutDpi / 72.0));
}

}  // namespace runtime
