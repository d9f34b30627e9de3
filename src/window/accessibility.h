// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a screen reader says of Form1, in Czech. It reads the window as a
// sighted player sees it: the picture, the squares that are lit (each named
// for its cell, so lighting up or going dark is reported once, by the square
// itself), the instructions, the buttons, the score as "Počet zásahů: 5" and
// the end message, which is announced as an alert when it appears. The
// outlines and the score's caption, which only repeat what the squares and
// the score say, are left out, and so is the hidden spot; the dot is read as
// the dot it is.
#pragma once

#include <array>

#include "layout.h"

namespace window {

class Form1;

// The cells in reading order, as the outlines Shape1(0) to Shape1(8) stand.
// clang-format off
inline constexpr std::array<const char*, kSquareCount> kCellNames{
    "vlevo nahoře", "uprostřed nahoře", "vpravo nahoře",
    "vlevo uprostřed", "uprostřed", "vpravo uprostřed",
    "vlevo dole", "uprostřed dole", "vpravo dole"};
// clang-format on

inline constexpr const char* kScorePrefix = "Počet zásahů";

// Roles, names, reading order and what is left out, for every control.
void arrangeForReaders(Form1& form);

}  // namespace window
