// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The whole state of a game and its constants. One GameState lives for the
// run, starts empty and is never reset or saved. Two fields may be empty, which
// is a state of its own and not 0: nothing has been lit yet, the window has not
// loaded yet.
#pragma once

#include <cstdint>
#include <optional>

#include "window/layout.h"

namespace game {

inline constexpr std::int16_t HitsToWin = 30;
inline constexpr std::int16_t kFullPictureHeight = window::kPictureHeight;  // twips
inline constexpr std::int16_t kFullPictureWidth = window::kPictureWidth;    // twips
inline constexpr int kSquareCount = window::kSquareCount;

struct GameState {
    std::optional<float> LitSquare;                 // whole value 0..8, set by Timer1
    std::optional<std::int16_t> FullPictureHeight;  // set once when the window loads
    std::int16_t HitCount = 0;                      // clicks on lit squares since start
};

}  // namespace game
