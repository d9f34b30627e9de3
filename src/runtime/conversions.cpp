// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Arithmetic and conversions; a result too large for its type is an overflow.
#include "conversions.h"

#include <cmath>
#include <limits>

#include "errors.h"

namespace runtime {

double wholePart(double x) {
    return std::floor(x);
}

QString integerText(std::int16_t value) {
    return QString::number(value);
}

std::int16_t toInteger(double value) {
    // nearbyint follows the default round-to-nearest-even mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        raiseOverflow();  // NaN lands here too
    }
    return static_cast<std::int16_t>(rounded);
}

double divide(std::int16_t dividend, std::int16_t divisor) {
    return static_cast<double>(dividend) / static_cast<double>(divisor);
}

double add(float a, double b) {
    return static_cast<double>(a) + b;
}

float toSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        raiseOverflow();
    }
    return static_cast<float>(value);
}

}  // namespace runtime
