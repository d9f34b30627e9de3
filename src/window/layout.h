// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The layout of the game's one window, Form1, as data: one record per control
// with the values it has when it is created. Records are in stacking order,
// the first on top. Positions and sizes are twips from the top-left corner of
// the client area; colours are 0x00BBGGRR; texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/colour.h"
#include "runtime/font.h"
#include "runtime/twips.h"

namespace window {

using runtime::Colour;
using runtime::kDefaultColour;
using runtime::Twips;

enum class Kind : std::uint8_t { Label, CommandButton, Shape, Image, Timer };

enum class FontId : std::uint8_t { Plain, Score, HitsCaption, EndMessage, FontCount };

// clang-format off
enum class ControlId : std::uint8_t {
    Command3, Command2, Timer2, Command1, Timer1, Label8, Label7, Label6, Label5,
    Shape1_8, Shape1_7, Shape1_6, Shape1_5, Shape1_4, Shape1_3, Shape1_2, Shape1_1, Shape1_0,
    Label4, Label3, Label2, Image1,
    Label1_8, Label1_7, Label1_0, Label1_6, Label1_5, Label1_4, Label1_3, Label1_2, Label1_1,
    Count
};
// clang-format on

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::Count);

constexpr std::size_t indexOf(ControlId id) {
    return static_cast<std::size_t>(id);
}

struct ControlRecord {
    ControlId id;
    std::string_view name;  // the control's name; array members share it
    std::int8_t index;      // within its array, -1 outside one
    Kind kind;
    Twips left, top, width, height;
    const char* caption;  // nullptr: no caption
    Colour back;          // kDefaultColour: the window's colour
    Colour fore;          // kDefaultColour: the platform's text colour
    FontId font;
    // A stored setting whose meaning depends on the kind: a shape's line
    // width in pixels, a label's alignment (2 centres), a picture's mouse
    // pointer (12: the "forbidden" pointer); 0 keeps the kind's default.
    std::int16_t setting;
    int interval;  // timers only, milliseconds
};

struct FormRecord {
    std::string_view name;
    const char* caption;
    Twips clientWidth, clientHeight;
};

inline constexpr FormRecord kForm1{"Form1", "Klikoman", 11640, 6315};

inline constexpr std::array<runtime::FontSpec, static_cast<std::size_t>(FontId::FontCount)> kFonts{{
    runtime::kDefaultFont,
    {"MS Sans Serif", 24.0, true},
    {"Times New Roman", 15.75, true},
    {"MS Sans Serif", 12.0, false},
}};

inline constexpr Colour kSquareColour = 0x008080FF;   // light red
inline constexpr Colour kScoreColour = 0x000000FF;    // red
inline constexpr Colour kCaptionColour = 0x00FF0000;  // blue
inline constexpr Colour kDef = kDefaultColour;
inline constexpr std::int16_t kCentre = 2;
inline constexpr std::int16_t kOutlineWidth = 3;
inline constexpr std::int16_t kForbiddenPointer = 12;

namespace records {
using enum ControlId;
using enum Kind;
using enum FontId;

// clang-format off
inline constexpr std::array<ControlRecord, kControlCount> kLayout{{
    {Command3, "Command3", -1, CommandButton, 7800, 5040, 1215, 615, "Konec", kDef, kDef, Plain, 0, 0},
    {Command2, "Command2", -1, CommandButton, 9240, 2760, 1215, 495, "Stop", kDef, kDef, Plain, 0, 0},
    {Timer2, "Timer2", -1, Timer, 0, 0, 0, 0, nullptr, kDef, kDef, Plain, 0, 600},
    {Command1, "Command1", -1, CommandButton, 8040, 2640, 1095, 495, "Start", kDef, kDef, Plain, 0, 0},
    {Timer1, "Timer1", -1, Timer, 0, 0, 0, 0, nullptr, kDef, kDef, Plain, 0, 400},
    {Label8, "Label8", -1, Label, 11160, 2880, 375, 495, nullptr, kDef, kDef, Plain, 0, 0},
    {Label7, "Label7", -1, Label, 840, 3600, 5775, 375, "Cheat k dostání na adrese: klikoman@example.com :)", kDef, kDef, EndMessage, 0, 0},
    {Label6, "Label6", -1, Label, 360, 5760, 1455, 255, "© 2026 Klikoman", kDef, kDef, Plain, 0, 0},
    {Label5, "Label5", -1, Label, 2280, 3360, 3975, 735, "Cílem hry je klikat na čtverce, které jsou zrovna aktivní. Pokud budete úspěšní, objeví se vám příslušný obrázek", kDef, kDef, Plain, 0, 0},
    {Shape1_8, "Shape1", 8, Shape, 4800, 2640, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_7, "Shape1", 7, Shape, 2760, 2640, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_6, "Shape1", 6, Shape, 600, 2640, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_5, "Shape1", 5, Shape, 4800, 1560, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_4, "Shape1", 4, Shape, 2760, 1560, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_3, "Shape1", 3, Shape, 600, 1560, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_2, "Shape1", 2, Shape, 4800, 480, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_1, "Shape1", 1, Shape, 2760, 480, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Shape1_0, "Shape1", 0, Shape, 600, 480, 1215, 495, nullptr, kDef, kDef, Plain, kOutlineWidth, 0},
    {Label4, "Label4", -1, Label, 1200, 4560, 2175, 495, "Počet zásahů:", kDef, kCaptionColour, HitsCaption, 0, 0},
    {Label3, "Label3", -1, Label, 3720, 4560, 1575, 495, "0", kDef, kScoreColour, Score, kCentre, 0},
    {Label2, "Label2", -1, Label, 10920, 6000, 135, 255, ".", kDef, kDef, Plain, 0, 0},
    {Image1, "Image1", -1, Image, 7080, 120, 3750, 5955, nullptr, kDef, kDef, Plain, kForbiddenPointer, 0},
    {Label1_8, "Label1", 8, Label, 4800, 1560, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_7, "Label1", 7, Label, 600, 2640, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_0, "Label1", 0, Label, 600, 480, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_6, "Label1", 6, Label, 4800, 2640, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_5, "Label1", 5, Label, 2760, 2640, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_4, "Label1", 4, Label, 2760, 1560, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_3, "Label1", 3, Label, 600, 1560, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_2, "Label1", 2, Label, 4800, 480, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
    {Label1_1, "Label1", 1, Label, 2760, 480, 1215, 495, nullptr, kSquareColour, kDef, Plain, 0, 0},
}};
// clang-format on
}  // namespace records

using records::kLayout;

constexpr bool recordsInIdOrder() {
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        if (indexOf(kLayout[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(recordsInIdOrder(), "kLayout must be indexed by ControlId");

// The squares by their index in the Label1 array, and their outlines.
inline constexpr std::array<ControlId, 9> kSquares{
    ControlId::Label1_0, ControlId::Label1_1, ControlId::Label1_2,
    ControlId::Label1_3, ControlId::Label1_4, ControlId::Label1_5,
    ControlId::Label1_6, ControlId::Label1_7, ControlId::Label1_8};
inline constexpr std::array<ControlId, 9> kOutlines{
    ControlId::Shape1_0, ControlId::Shape1_1, ControlId::Shape1_2,
    ControlId::Shape1_3, ControlId::Shape1_4, ControlId::Shape1_5,
    ControlId::Shape1_6, ControlId::Shape1_7, ControlId::Shape1_8};

constexpr const ControlRecord& record(ControlId id) {
    return kLayout[indexOf(id)];
}

// Whether the table has a control, or an array, of that name.
constexpr bool hasControl(std::string_view name) {
    for (const ControlRecord& r : kLayout) {
        if (r.name == name) {
            return true;
        }
    }
    return false;
}

}  // namespace window
