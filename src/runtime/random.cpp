// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The fixed-seed generator.
#include "random.h"

namespace runtime {

namespace {
constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;
constexpr std::uint32_t kMask = 0xFFFFFF;  // modulo 2^24
constexpr float kRange = 16777216.0f;      // 2^24
}  // namespace

float Random::next() {
    // Unsigned 32-bit wrap-around keeps the low 24 bits exact.
    m_state = (m_state * kMultiplier + kIncrement) & kMask;
    return static_cast<float>(m_state) / kRange;
}

}  // namespace runtime
