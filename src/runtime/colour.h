// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Colours as the layout stores them: 24-bit RGB packed as 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace runtime {

using Colour = std::uint32_t;

// Marks a property that keeps the platform's default colour.
inline constexpr Colour kDefaultColour = 0xFF000000u;

constexpr int red(Colour c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int green(Colour c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blue(Colour c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

}  // namespace runtime
