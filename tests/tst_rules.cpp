// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game's rules on their own, without a window: counting, the score text,
// the end test, the growth of the picture and the choice of a square.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "game/gamestate.h"
#include "game/rules.h"
#include "runtime/errors.h"

using namespace game;

/** A hit counts one and shows as bare digits, up to the last that fits. */
TEST(Rules, hitShouldCountOne) {
    struct Row {
        int before, after;
        const char* score;
    };
    for (const Row& row :
         {Row{0, 1, "1"}, Row{29, 30, "30"}, Row{30, 31, "31"}, Row{32766, 32767, "32767"}}) {
        SCOPED_TRACE(row.before);
        const std::int16_t count = countHit(static_cast<std::int16_t>(row.before));
        EXPECT_EQ(count, row.after);
        EXPECT_EQ(scoreText(count), row.score);
    }
}

/** The hit after 32767 overflows instead of wrapping to -32768. */
TEST(Rules, hitAtLimitShouldOverflow) {
    try {
        countHit(std::numeric_limits<std::int16_t>::max());
        FAIL() << "no overflow raised";
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime::kOverflowError);
    }
}

/** The game ends once, on the thirtieth hit, never again after it. */
TEST(Rules, endTestShouldHoldOnlyAtThirty) {
    for (int count : {0, 29, 30, 31, 32}) {
        EXPECT_EQ(endTestHolds(static_cast<std::int16_t>(count)), count == 30) << count;
    }
}

/** Each hit adds exactly 198.5 twips to the height read back. */
TEST(Rules, pictureShouldGrowByOneStep) {
    EXPECT_EQ(revealStep(kFullPictureHeight), 198.5);
    struct Row {
        float height, grown;
    };
    for (const Row& row :
         {Row{0.0f, 198.5f}, Row{198.5f, 397.0f}, Row{195.0f, 393.5f}, Row{5955.0f, 6153.5f}}) {
        EXPECT_EQ(grownHeight(row.height, kFullPictureHeight), row.grown) << row.height;
    }
}

/** Thirty steps land on the full 5955 twips with no drift; before the window
 *  loads the full height is empty, and empty counts as 0. */
TEST(Rules, thirtyHitsShouldUncoverWholePicture) {
    float height = 0.0f;
    for (int hit = 1; hit <= HitsToWin; ++hit) {
        height = grownHeight(height, kFullPictureHeight);
        ASSERT_EQ(height, static_cast<float>(198.5 * hit));
    }
    EXPECT_EQ(height, 5955.0f);
    EXPECT_EQ(grownHeight(10.0f, std::nullopt), 10.0f);
}

/** Every draw below 1 lights one of the nine squares, the top draw square 8. */
TEST(Rules, squareShouldBeWholeAndBelowNine) {
    struct Row {
        float r;
        int square;
    };
    for (const Row& row : {Row{0.0f, 0}, Row{0.7055475f, 6}, Row{0.11111f, 0}, Row{0.11111112f, 1},
                           Row{std::nextafter(1.0f, 0.0f), 8}}) {
        const float lit = chooseSquare(row.r);
        EXPECT_EQ(lit, static_cast<float>(row.square)) << row.r;
        EXPECT_EQ(squareIndex(lit), row.square) << row.r;
    }
}
