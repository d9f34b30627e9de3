// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The fixed-seed generator: the same sequence every run, spread evenly over
// the nine squares.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "game/rules.h"
#include "layoutpixels.h"
#include "runtime/random.h"

/** The sequence is part of the game: every run lights the same squares. */
TEST(Random, firstDrawsShouldMatchKnownSequence) {
    // Exact single-precision values of x / 2^24 for the first states.
    constexpr std::array<float, 4> expected{11837123.0f / 16777216.0f, 8949370.0f / 16777216.0f,
                                            9722709.0f / 16777216.0f, 4858052.0f / 16777216.0f};
    runtime::Random random;
    for (float e : expected) {
        EXPECT_EQ(random.next(), e);
    }
}

/** The squares a fresh game lights first, as a player sees them. */
TEST(Random, squaresShouldFollowKnownSequence) {
    runtime::Random random;
    for (int square : kFirstSquares) {
        EXPECT_EQ(game::squareIndex(game::chooseSquare(random.next())), square);
    }
}

/** Over 90,000 draws each square comes up within a few percent of 1/9, and
 *  no draw reaches 1. */
TEST(Random, everySquareShouldBeEquallyLikely) {
    constexpr int kDraws = 90000;
    std::array<int, 9> counts{};
    runtime::Random random;
    for (int i = 0; i < kDraws; ++i) {
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f);
        ++counts[static_cast<std::size_t>(game::squareIndex(game::chooseSquare(r)))];
    }
    for (int count : counts) {
        EXPECT_LT(std::abs(count - kDraws / 9), kDraws / 9 * 3 / 100) << "drawn " << count;
    }
}
