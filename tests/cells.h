// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Where the squares are drawn, in the window's logical pixels, derived from
// the layout table: shared by the tests, the real-window test and the
// benchmark, so no copy of the grid can drift from the window.
#pragma once

#include <QPoint>

#include "window/layout.h"

// The top-left corner of square `square`'s cell (Label1 index).
inline QPoint cellOf(int square) {
    const window::ControlRecord& r = window::record(window::Name::Label1, square);
    return {runtime::twipsToPixels(r.left), runtime::twipsToPixels(r.top)};
}

// A point well inside the square, where its colour shows.
inline QPoint insideSquare(int square) {
    return cellOf(square) + QPoint(40, 16);
}
