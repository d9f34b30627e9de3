// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A game started as the program starts it, on the null front end: no window
// and no toolkit. The test ticks the timers itself and clicks where a player
// would, on whatever control lies on top there; it sees what the controls
// show and what the front end wrote down, never the program's own state.
#pragma once

#include <memory>
#include <string>

#include "app/program.h"
#include "layoutpixels.h"
#include "null/nullfrontend.h"
#include "runtime/session.h"
#include "window/form1.h"

struct NullGame {
    null::NullFrontend frontend;
    runtime::Session session{frontend, "Klikoman"};
    std::unique_ptr<runtime::LoadedProgram> program = app::startUp(session);

    // The control built from a record: the window builds them in the
    // table's order.
    template <window::ControlId id>
    typename window::ClassOf<window::record(id).kind>::Type& control() {
        return static_cast<typename window::ClassOf<window::record(id).kind>::Type&>(
            *frontend.components().at(std::size_t(id)));
    }
    runtime::Label& square(int index) {
        return static_cast<runtime::Label&>(
            *frontend.components().at(std::size_t(window::idOf(window::Name::Label1, index))));
    }
    runtime::Label& score() { return control<window::ControlId::Label3>(); }
    runtime::Image& picture() { return control<window::ControlId::Image1>(); }

    // A click in the middle of a control's place, as a player aims, whatever
    // lies on top there now.
    bool clickOn(window::Name name, int index = -1) {
        const runtime::PixelRect r = window::pixelRectOf(name, index);
        return frontend.clickAt(r.x + r.width / 2, r.y + r.height / 2);
    }
    void tick1() { control<window::ControlId::Timer1>().tick(); }
    void tick2() { control<window::ControlId::Timer2>().tick(); }
    // Start, then Timer1's next `ticks` ticks.
    void startAndLight(int ticks) {
        clickOn(window::Name::Command1);
        for (int i = 0; i < ticks; ++i) {
            tick1();
        }
    }
    // The first lit square, or -1.
    int litSquare() {
        for (int i = 0; i < window::kSquareCount; ++i) {
            if (square(i).visible()) {
                return i;
            }
        }
        return -1;
    }
    // Clicks the first lit square; false if none is lit.
    bool hitLitSquare() {
        const int lit = litSquare();
        return lit >= 0 && clickOn(window::Name::Label1, lit);
    }
    // Rows of the picture a player sees: whole pixels of the control's height.
    int pictureRows() {
        return picture().visible() ? runtime::twipsToPixels(picture().height()) : 0;
    }
};
