// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The runtime's arithmetic and conversions: the exact values they give and
// the run-time errors they raise at their limits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "runtime/twips.h"

/** The score shows no sign, blank or leading zero for a count. */
TEST(Conversions, integerTextShouldBeBareDigits) {
    struct Row {
        int value;
        const char* text;
    };
    for (const Row& row : {Row{0, "0"}, Row{7, "7"}, Row{30, "30"}, Row{32767, "32767"},
                           Row{-5, "-5"}, Row{-32768, "-32768"}}) {
        EXPECT_EQ(runtime::integerText(static_cast<std::int16_t>(row.value)), row.text);
    }
}

/** Whole values convert exactly; halves go to the even neighbour. */
TEST(Conversions, toIntegerShouldRoundHalvesToEven) {
    struct Row {
        double value;
        int expected;
    };
    for (const Row& row :
         {Row{0.0, 0}, Row{8.0, 8}, Row{2.5, 2}, Row{3.5, 4}, Row{-0.5, 0}, Row{-1.5, -2},
          Row{-2.5, -2}, Row{-32768.5, -32768}, Row{32767.4, 32767}, Row{-32768.4, -32768}}) {
        EXPECT_EQ(runtime::toInteger(row.value), row.expected) << row.value;
    }
}

/** Outside -32768..32767, and for what is no number, the conversion overflows. */
TEST(Conversions, toIntegerShouldOverflowOutsideRange) {
    for (double value : {32768.0, 32767.5, -32769.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        try {
            runtime::toInteger(value);
            ADD_FAILURE() << "no overflow raised for " << value;
        } catch (const runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), runtime::kOverflowError);
        }
    }
}

TEST(Conversions, wholePartShouldRoundDown) {
    struct Row {
        double value, expected;
    };
    for (const Row& row :
         {Row{8.999999, 8.0}, Row{3.0, 3.0}, Row{-0.5, -1.0}, Row{-3.0, -3.0}, Row{-1e-300, -1.0},
          Row{0x1p53 + 2, 0x1p53 + 2}, Row{-0x1p64, -0x1p64}}) {
        EXPECT_EQ(runtime::wholePart(row.value), row.expected) << row.value;
    }
}

/** A single plus a double is summed in double, and only then rounded to the
 *  nearest single; beyond single range the rounding overflows. */
TEST(Conversions, toSingleShouldRoundOrOverflow) {
    EXPECT_EQ(runtime::toSingle(198.5), 198.5f);
    EXPECT_EQ(runtime::toSingle(0.1), 0.1f);
    EXPECT_NE(runtime::add(0.1f, 0.2), static_cast<double>(0.1f + 0.2f));
    EXPECT_THROW(runtime::toSingle(1e39), runtime::RuntimeError);
    EXPECT_TRUE(std::isinf(runtime::toSingle(std::numeric_limits<double>::infinity())));
}

/** A strip of the picture shows only the pixel rows it covers completely. */
TEST(Conversions, twipsShouldCoverWholePixels) {
    struct Row {
        float twips;
        int pixels;
    };
    for (const Row& row : {Row{0.0f, 0}, Row{14.9f, 0}, Row{15.0f, 1}, Row{397.0f, 26},
                           Row{5955.0f, 397}, Row{6153.5f, 410}, Row{11640.0f, 776}}) {
        EXPECT_EQ(runtime::twipsToPixels(row.twips), row.pixels) << row.twips;
    }
}

TEST(Conversions, pointsShouldBecomePixelsAt96Dpi) {
    struct Row {
        double points;
        int pixels;
    };
    for (const Row& row : {Row{8.0, 11}, Row{12.0, 16}, Row{15.75, 21}, Row{24.0, 32}}) {
        EXPECT_EQ(runtime::pointsToPixels(row.points), row.pixels) << row.points;
    }
}
