// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Where the controls are drawn, in the window's logical pixels, derived from
// the layout table, and what a fresh game lights first: every test,
// real-window run and benchmark takes its positions from here (cells.h puts
// them in Qt's types), so no copy of the layout can drift from the window.
#pragma once

#include "runtime/twips.h"
#include "window/layout.h"

namespace window {

// The rectangle of a control, or of an array's member.
constexpr runtime::PixelRect pixelRectOf(Name name, int index = -1) {
    const ControlRecord& r = record(name, index);
    return runtime::pixelRect(r.left, r.top, r.width, r.height);
}

}  // namespace window

// The squares a fresh game lights first, as the fixed generator draws them.
inline constexpr int kFirstSquares[] = {6, 4, 5, 2, 2, 6, 0, 6, 7, 6};
