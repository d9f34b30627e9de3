// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The layout of the game's one window, Form1, as data: one record per control
// with the values it has when it is created, each listing only what differs
// from its kind's defaults. Records are in stacking order, the first on top.
// Positions and sizes are twips from the top-left corner of the client area;
// colours are 0x00BBGGRR; texts are UTF-8. ControlId names each record by
// its place; which outline frames which square is derived from the records
// at the end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "picture.h"
#include "runtime/colour.h"
#include "runtime/controls.h"
#include "runtime/font.h"
#include "runtime/twips.h"

namespace window {

using runtime::Colour;
using runtime::kDefaultColour;
using runtime::Twips;

// The names of the window and its controls; an array's members share one.
enum class Name : std::uint8_t {
    Form1,
    Command1,
    Command2,
    Command3,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6,
    Label7,
    Label8,
    Shape1,
    Image1,
    Timer1,
    Timer2
};

// The kinds of control, each built by the runtime's class of that kind.
enum class Kind : std::uint8_t { Label, Button, Shape, Image, Timer };

enum class FontId : std::uint8_t { Plain, Score, HitsCaption, EndMessage, FontCount };
enum class Alignment : std::uint8_t { Left, Centre };
using runtime::Pointer;  // over the picture

struct ControlRecord {
    Name name;
    Kind kind;
    std::int8_t index = -1;  // within its array, -1 outside one
    Twips left = 0, top = 0, width = 0, height = 0;
    const char* caption = nullptr;
    Colour back = kDefaultColour;  // the window's colour
    Colour fore = kDefaultColour;  // the platform's text colour
    FontId font = FontId::Plain;
    Alignment alignment = Alignment::Left;
    std::int16_t lineWidth = 1;  // outlines, in pixels
    Pointer pointer = Pointer::Arrow;
    int interval = 0;  // timers, milliseconds
};

struct FormRecord {
    const char* caption;
    Twips clientWidth, clientHeight;
};

inline constexpr FormRecord kForm1{"Klikoman", 11640, 6315};

inline constexpr std::array<runtime::FontSpec, static_cast<std::size_t>(FontId::FontCount)> kFonts{{
    runtime::kDefaultFont,
    {"MS Sans Serif", 24.0, true},
    {"Times New Roman", 15.75, true},
    {"MS Sans Serif", 12.0, false},
}};

inline constexpr Colour kSquareColour = 0x008080FF;   // light red
inline constexpr Colour kScoreColour = 0x000000FF;    // red
inline constexpr Colour kCaptionColour = 0x00FF0000;  // blue
inline constexpr int kSquareCount = 9;                // Label1(0..8), Shape1(0..8)
inline constexpr Twips kCellWidth = 1215;
inline constexpr Twips kCellHeight = 495;

// Builders for the kinds that come in numbers, with their defaults; the few
// records with settings of their own spell them out.
constexpr ControlRecord label(Name n, Twips l, Twips t, Twips w, Twips h,
                              const char* caption = nullptr) {
    return {.name = n,
            .kind = Kind::Label,
            .left = l,
            .top = t,
            .width = w,
            .height = h,
            .caption = caption};
}
constexpr ControlRecord button(Name n, Twips l, Twips t, Twips w, Twips h, const char* caption) {
    ControlRecord r = label(n, l, t, w, h, caption);
    r.kind = Kind::Button;
    return r;
}
constexpr ControlRecord square(std::int8_t i, Twips l, Twips t) {
    return {.name = Name::Label1,
            .kind = Kind::Label,
            .index = i,
            .left = l,
            .top = t,
            .width = kCellWidth,
            .height = kCellHeight,
            .back = kSquareColour};
}
constexpr ControlRecord outline(std::int8_t i, Twips l, Twips t) {
    return {.name = Name::Shape1,
            .kind = Kind::Shape,
            .index = i,
            .left = l,
            .top = t,
            .width = kCellWidth,
            .height = kCellHeight,
            .lineWidth = 3};
}
constexpr ControlRecord timer(Name n, int interval) {
    return {.name = n, .kind = Kind::Timer, .interval = interval};
}

namespace records {
using enum Name;
using enum FontId;

// clang-format off
inline constexpr auto kLayout = std::to_array<ControlRecord>({
    button(Command3, 7800, 5040, 1215, 615, "Konec"),   // Konec: ends the program
    button(Command2, 9240, 2760, 1215, 495, "Stop"),    // Stop: pauses the game
    timer(Timer2, 600),                                 // darkens every square
    button(Command1, 8040, 2640, 1095, 495, "Start"),   // Start: squares begin to light
    timer(Timer1, 400),                                 // lights a random square
    label(Label8, 11160, 2880, 375, 495),               // hidden spot: uncovers the whole picture
    {.name = Label7, .kind = Kind::Label, .left = 840, .top = 3600, .width = 5775, .height = 375, .caption = "Cheat k dostání na adrese: klikoman@example.com :)", .font = EndMessage},  // end message
    label(Label6, 360, 5760, 1455, 255, "© 2026 Klikoman"),  // credit line
    label(Label5, 2280, 3360, 3975, 735, "Cílem hry je klikat na čtverce, které jsou zrovna aktivní. Pokud budete úspěšní, objeví se vám příslušný obrázek"),  // instructions
    outline(8, 4800, 2640),                             // cell outlines, in reading order
    outline(7, 2760, 2640),
    outline(6, 600, 2640),
    outline(5, 4800, 1560),
    outline(4, 2760, 1560),
    outline(3, 600, 1560),
    outline(2, 4800, 480),
    outline(1, 2760, 480),
    outline(0, 600, 480),
    {.name = Label4, .kind = Kind::Label, .left = 1200, .top = 4560, .width = 2175, .height = 495, .caption = "Počet zásahů:", .fore = kCaptionColour, .font = HitsCaption},  // hits caption
    {.name = Label3, .kind = Kind::Label, .left = 3720, .top = 4560, .width = 1575, .height = 495, .caption = "0", .fore = kScoreColour, .font = Score, .alignment = Alignment::Centre},  // score
    label(Label2, 10920, 6000, 135, 255, "."),          // hidden dot: hides the buttons
    {.name = Image1, .kind = Kind::Image, .left = 7080, .top = 120, .width = kPictureWidth, .height = kPictureHeight, .pointer = Pointer::Forbidden},  // the hidden picture
    square(8, 4800, 1560),                              // squares, lit to be clicked
    square(7, 600, 2640),
    square(0, 600, 480),
    square(6, 4800, 2640),
    square(5, 2760, 2640),
    square(4, 2760, 1560),
    square(3, 600, 1560),
    square(2, 4800, 480),
    square(1, 2760, 480),
});
// clang-format on
}  // namespace records

using records::kLayout;

// Each record by its place in the table; an array's members by their index.
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
static_assert(kLayout.size() == kControlCount, "one record for each ControlId");

constexpr const ControlRecord& record(ControlId id) {
    return kLayout[static_cast<std::size_t>(id)];
}

// The place of a control's record, or of an array's member's; for a name
// that has no record, Count, which indexes no record: where a constant is
// needed, that does not compile.
constexpr ControlId idOf(Name name, int index = -1) {
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        if (kLayout[i].name == name && kLayout[i].index == index) {
            return static_cast<ControlId>(i);
        }
    }
    return ControlId::Count;
}

constexpr const ControlRecord& record(Name name, int index = -1) {
    return record(idOf(name, index));
}

// Whether the window has a control, or an array, of that name.
constexpr bool hasControl(Name name) {
    for (const ControlRecord& r : kLayout) {
        if (r.name == name) {
            return true;
        }
    }
    return false;
}

// The outline on a square's cell, -1 if none. Outlines go in reading order,
// squares not.
constexpr int outlineOf(int square) {
    const ControlRecord& sq = record(Name::Label1, square);
    for (int o = 0; o < kSquareCount; ++o) {
        const ControlRecord& ol = record(Name::Shape1, o);
        if (ol.left == sq.left && ol.top == sq.top && ol.width == sq.width &&
            ol.height == sq.height) {
            return o;
        }
    }
    return -1;
}

constexpr bool eachSquareOnItsOwnOutline() {
    int outlines = 0;
    for (int square = 0; square < kSquareCount; ++square) {
        if (outlineOf(square) < 0) {
            return false;
        }
        outlines |= 1 << outlineOf(square);
    }
    return outlines == (1 << kSquareCount) - 1;
}
static_assert(eachSquareOnItsOwnOutline(), "each square must lie exactly on one outline's cell");

}  // namespace window
