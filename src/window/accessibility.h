// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Czech names for assistive technology. A screen reader cannot see a square
// light up, so each cell's outline, which is always there, says which cell it
// is and whether its square is lit; the score reads as the score, and the
// picture and the two hidden controls say what a click on them does.
#pragma once

#include <array>

#include "layout.h"

namespace window {

class Form1;

struct AccessibleText {
    ControlId id;
    const char* name;
    const char* description;  // nullptr: none
};

// clang-format off
inline constexpr std::array<AccessibleText, 6> kAccessibleTexts{{
    {ControlId::Command1, "Start", "Spustí nebo znovu rozběhne hru"},
    {ControlId::Command2, "Stop", "Pozastaví hru"},
    {ControlId::Command3, "Konec", "Ukončí program"},
    {ControlId::Image1, "Obrázek", "Kliknutím na obrázek se program ukončí"},
    {ControlId::Label2, "Skrýt tlačítka", "Schová tlačítka, aby byl vidět celý obrázek"},
    {ControlId::Label8, "Odkrýt celý obrázek", nullptr},
}};

// The cells in reading order, as the outlines Shape1(0) to Shape1(8) stand.
inline constexpr std::array<const char*, 9> kCellNames{
    "vlevo nahoře", "uprostřed nahoře", "vpravo nahoře",
    "vlevo uprostřed", "uprostřed", "vpravo uprostřed",
    "vlevo dole", "uprostřed dole", "vpravo dole"};
// clang-format on

inline constexpr const char* kScorePrefix = "Počet zásahů";

// Names every control a player can use, and keeps the cells' names in step
// with their squares.
void describeForAccessibility(Form1& form);

}  // namespace window
