// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Czech names for assistive technology. A screen reader cannot see a square
// light up, so each cell's outline, which is always there, says which cell it
// is and whether its square is lit; the score reads as the score, and the
// picture and the two hidden controls say what a click on them does.
#pragma once

#include <array>

namespace window {

class Form1;

// The cells in reading order, as the outlines Shape1(0) to Shape1(8) stand.
inline constexpr std::array<const char*, 9> kCellNames{
    "vlevo nahoře",     "uprostřed nahoře", "vpravo nahoře",  "vlevo uprostřed", "uprostřed",
    "vpravo uprostřed", "vlevo dole",       "uprostřed dole", "vpravo dole"};
// clang-format on

inline constexpr const char* kScorePrefix = "Počet zásahů";

// Names every control a player can use, and keeps the cells' names in step
// with their squares.
void describeForAccessibility(Form1& form);

}  // namespace window
