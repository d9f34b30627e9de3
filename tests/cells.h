// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Where the controls are drawn and in what colour, in Qt's types, from
// layoutpixels.h and the layout table.
#pragma once

#include <QColor>
#include <QRect>

#include "layoutpixels.h"
#include "window/layout.h"

// The rectangle of a control, or of an array's member.
inline QRect pixelRect(window::Name name, int index = -1) {
    const runtime::PixelRect r = window::pixelRectOf(name, index);
    return {r.x, r.y, r.width, r.height};
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

// A spot of bare window, between the grid and the picture.
inline QPoint backgroundSpot() {
    return pixelRect(window::Name::Image1).topLeft() + QPoint(-20, 40);
}
