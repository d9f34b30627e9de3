// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The five rules of the game as pure functions over plain values: counting a
// hit, the score text, the end test, the growth of the picture and the choice
// of the square to light. The arithmetic goes through the runtime's 16-bit,
// single and double steps on purpose: thirty steps of 198.5 twips must land
// exactly on the picture's full height.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace game {

// The count after one more hit; at 32767 raises Overflow and nothing changes.
std::int16_t countHit(std::int16_t hitCount);

// "0", "7", "30": the score as shown.
std::string scoreText(std::int16_t hitCount);

// True only for the hit that reaches HitsToWin exactly.
bool endTestHolds(std::int16_t hitCount);

// The full height divided into HitsToWin steps, in double: 198.5 twips.
double revealStep(std::optional<std::int16_t> fullPictureHeight);

// The picture's next height: the height read back plus one step, as a single.
float grownHeight(float currentHeight, std::optional<std::int16_t> fullPictureHeight);

// The square a draw r (0 <= r < 1) lights, as stored: a whole single 0..8.
float chooseSquare(float r);

// The stored choice as the index of the square to light.
std::int16_t squareIndex(float litSquare);

}  // namespace game
