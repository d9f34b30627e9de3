// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Arithmetic and conversions; a result too large for its type is an overflow.
#include "conversions.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "errors.h"

namespace runtime {

// The two roundings are done here rather than by std::floor and
// std::nearbyint: on x86-64 those are calls into the maths library, and the
// first lit square would map that library's pages for two instructions' work.
double wholePart(double x) {
    // From 2^52 up every double is whole, as are the infinities and NaN.
    if (!(std::fabs(x) < 0x1p52)) {
        return x;
    }
    const double towardZero = static_cast<double>(static_cast<std::int64_t>(x));
    if (towardZero == x) {
        return x;  // keeps the sign of -0
    }
    return towardZero > x ? towardZero - 1.0 : towardZero;
}

std::string integerText(std::int16_t value) {
    return std::to_string(value);
}

std::int16_t toInteger(double value) {
    // Nothing a whole unit or more outside the range rounds into it; the
    // check also keeps the conversion below defined.
    if (!(value > std::numeric_limits<std::int16_t>::min() - 1.0 &&
          value < std::numeric_limits<std::int16_t>::max() + 1.0)) {
        raiseOverflow();  // NaN lands here too
    }
    const double below = wholePart(value);
    const double fraction = value - below;  // exact, in [0, 1)
    auto rounded = static_cast<std::int32_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0)) {
        ++rounded;  // halves go to the even neighbour
    }
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        raiseOverflow();
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
