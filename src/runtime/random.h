// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game's random numbers: a 24-bit linear congruential generator with a
// fixed start, so every run and every platform draws the same sequence. The
// standard library's distributions differ between implementations, which is
// why the arithmetic is spelled out here. The program's one generator lives
// in its session (session.h), never seeded.
#pragma once

#include <cstdint>

namespace runtime {

class Random {
public:
    static constexpr std::uint32_t kSeed = 0x50000;

    // Next value r with 0 <= r < 1, in single precision.
    float next();

private:
    std::uint32_t m_state = kSeed;
};

}  // namespace runtime
