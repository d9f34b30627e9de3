// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Where the controls are drawn, in the window's logical pixels, derived from
// the layout table: every test, real-window run and benchmark takes its
// positions from here, so no copy of the layout can drift from the window.
#pragma once

#include <QColor>
#include <QRect>

#include "window/layout.h"

// The rectangle of a control, or of an array's member.
inline QRect pixelRect(window::Name name, int index = -1) {
    const window::ControlRecord& r = window::record(name, index);
    return {runtime::twipsToPixels(r.left), runtime::twipsToPixels(r.top),
            runtime::twipsToPixels(r.width), runtime::twipsToPixels(r.height)};
}

// The middle of a control, where a player clicks it and its colour shows.
inline QPoint centreOf(window::Name name, int index = -1) {
    return pixelRect(name, index).center();
}

// The colour of a lit square, as the layout gives it.
inline QRgb litColour() {
    using namespace runtime;
    return qRgb(red(window::kSquareColour), green(window::kSquareColour),
                blue(window::kSquareColour));
}

// The window's client area.
inline QSize clientSize() {
    return {runtime::twipsToPixels(window::kForm1.clientWidth),
            runtime::twipsToPixels(window::kForm1.clientHeight)};
}

// The squares a fresh game lights first, as the fixed generator draws them.
inline constexpr int kFirstSquares[] = {6, 4, 5, 2, 2, 6, 0, 6, 7, 6};

// A spot of bare window, between the grid and the picture.
inline QPoint backgroundSpot() {
    return pixelRect(window::Name::Image1).topLeft() + QPoint(-20, 40);
}
