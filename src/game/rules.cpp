// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game's rules.
#include "rules.h"

#include <limits>

#include "gamestate.h"
#include "runtime/conversions.h"
#include "runtime/errors.h"

namespace game {

std::int16_t countHit(std::int16_t hitCount) {
    // Checked before the store, so an overflowing hit leaves the count as it was.
    if (hitCount == std::numeric_limits<std::int16_t>::max()) {
        runtime::raiseOverflow();
    }
    return static_cast<std::int16_t>(hitCount + 1);
}

std::string scoreText(std::int16_t hitCount) {
    return runtime::integerText(hitCount);
}

bool endTestHolds(std::int16_t hitCount) {
    return hitCount == HitsToWin;
}

double revealStep(std::optional<std::int16_t> fullPictureHeight) {
    // An empty height counts as 0, so the picture would not grow.
    return runtime::divide(fullPictureHeight.value_or(0), HitsToWin);
}

float grownHeight(float currentHeight, std::optional<std::int16_t> fullPictureHeight) {
    return runtime::toSingle(runtime::add(currentHeight, revealStep(fullPictureHeight)));
}

float chooseSquare(float r) {
    // The product in double stays below 9 for every r below 1.
    return static_cast<float>(runtime::wholePart(static_cast<double>(r) * kSquareCount));
}

std::int16_t squareIndex(float litSquare) {
    return runtime::toInteger(litSquare);
}

}  // namespace game
