// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The arithmetic and conversions the game's rules are written in: 16-bit
// integers, single-precision lengths and double-precision intermediates. Each
// one raises the run-time error its operation can meet instead of wrapping or
// returning a wrong value.
#pragma once

#include <cstdint>
#include <string>

namespace runtime {

// Largest whole number not above x.
double wholePart(double x);

// Decimal digits of a 16-bit integer: no leading blank or zeros ("0", "30", "-5").
std::string integerText(std::int16_t value);

// A whole-valued number as a 16-bit integer; halves round to even, and a value
// outside -32768..32767 raises Overflow.
std::int16_t toInteger(double value);

// Two 16-bit integers divided in double precision (the game divides by 30 only).
double divide(std::int16_t dividend, std::int16_t divisor);

// A single-precision value plus a double, formed in double precision.
double add(float a, double b);

// A double rounded to the nearest single; a value beyond single range raises Overflow.
float toSingle(double value);

}  // namespace runtime
