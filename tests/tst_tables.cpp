// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The window's layout table. A slip in it shows as a square in the wrong
// cell, a control stacked wrongly or lying where it cannot be reached.
#include <gtest/gtest.h>

#include "layoutpixels.h"
#include "window/layout.h"

using window::Name;

bool operator==(const runtime::PixelRect& a, const runtime::PixelRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

/** The index order of the squares is not the reading order; each square and
 *  the outline of its cell share exact bounds, and the outline lies above. */
TEST(Tables, squaresShouldSitInTheirCells) {
    const int x[] = {40, 184, 320};
    const int y[] = {32, 104, 176};
    struct Row {
        int square, outline, column, row;  // outlines go in reading order
    };
    for (const Row& r :
         {Row{0, 0, 0, 0}, Row{1, 1, 1, 0}, Row{2, 2, 2, 0}, Row{3, 3, 0, 1}, Row{4, 4, 1, 1},
          Row{8, 5, 2, 1}, Row{7, 6, 0, 2}, Row{5, 7, 1, 2}, Row{6, 8, 2, 2}}) {
        SCOPED_TRACE(r.square);
        const runtime::PixelRect cell{x[r.column], y[r.row], 81, 33};
        EXPECT_EQ(window::outlineOf(r.square), r.outline);
        EXPECT_TRUE(window::pixelRectOf(Name::Label1, r.square) == cell);
        EXPECT_TRUE(window::pixelRectOf(Name::Shape1, r.outline) == cell);
        // Drawn above its square, so the frame shows whether the square is lit.
        EXPECT_LT(window::idOf(Name::Shape1, r.outline), window::idOf(Name::Label1, r.square));
    }
}

/** The buttons are drawn over the picture; the dot and the hidden spot lie
 *  right of it, and the whole layout fits the client area. */
TEST(Tables, buttonsShouldLieOverThePicture) {
    const runtime::PixelRect picture = window::pixelRectOf(Name::Image1);
    const auto inside = [](const runtime::PixelRect& outer, const runtime::PixelRect& r) {
        return outer.contains(r.x, r.y) && outer.contains(r.x + r.width - 1, r.y + r.height - 1);
    };
    for (Name id : {Name::Command1, Name::Command2, Name::Command3}) {
        EXPECT_TRUE(inside(picture, window::pixelRectOf(id)));
    }
    for (Name id : {Name::Label2, Name::Label8}) {
        EXPECT_GE(window::pixelRectOf(id).x, picture.x + picture.width);
    }
    const runtime::PixelRect client =
        runtime::pixelRect(0, 0, window::kForm1.clientWidth, window::kForm1.clientHeight);
    for (const auto& r : window::kLayout) {
        if (r.kind != window::Kind::Timer) {  // timers are never drawn
            EXPECT_TRUE(inside(client, window::pixelRectOf(r.name, r.index)));
        }
    }
}
