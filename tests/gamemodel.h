// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A reference model of the game for random play: the events a player can
// cause, where on the window they land, and what the rules say each one does
// in every state. Written from the rules alone, apart from the program.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "runtime/random.h"

namespace model {

enum class Ev {
    Square,      // a click on a square's cell (lit or not); arg: square
    Outline,     // a click on the edge of a cell, over its outline; arg: square
    Double,      // two clicks on a square's cell; arg: square
    Start,       //
    Stop,        //
    Dot,         //
    Spot,        //
    Score,       // the score label: no handler
    Background,  // an empty spot of the window
    Tick1,       //
    Tick2,       //
    Aim,         // a click on the first square the model has lit, as a player aims
    Konec,       // last event only
    Picture,     // last event only; a click at the picture's top-left
    Count
};

struct Event {
    Ev kind;
    int arg = 0;
};

struct Point {
    int x, y;
};

// The model's own numbers, on purpose: where a player clicks, written down
// apart from the layout table, so that a slip in the table shows as a
// difference between the model and the program.
constexpr Point kStart{572, 192}, kStop{656, 200}, kKonec{560, 356}, kDot{732, 408},
    kSpot{756, 208}, kScore{300, 310}, kBackground{450, 60}, kPicture{474, 10};

// The game as the rules describe it.
struct Model {
    int hits = 0;
    double height = 0;  // twips
    bool lit[9] = {};
    bool timer1 = false;
    bool startEnabled = true, stopEnabled = true;
    bool buttonsShown = true;
    bool instructions = true, endMessage = false;
    bool ended = false;
    std::string score = "0";
    runtime::Random random;  // the program's generator, whose sequence tst_random pins

    int draw() { return static_cast<int>(std::floor(double(random.next()) * 9)); }
    // Whole pixel rows of the picture control.
    int pictureRows() const { return static_cast<int>(std::floor(height / 15)); }

    void hit() {
        ++hits;
        score = std::to_string(hits);
        if (hits == 30) {
            score = "Konec";
            endMessage = true;
            timer1 = false;
            startEnabled = stopEnabled = false;
        }
        height = double(float(height + 5955.0 / 30));
    }
    void clickSquare(int i) {
        if (lit[i]) {
            hit();
        }
    }
    // A click at a button's centre: the button if shown, else what lies below.
    void clickButton(Point at, bool enabled, void (Model::*press)()) {
        if (!buttonsShown) {
            clickPictureAt(at);
        } else if (enabled) {
            (this->*press)();
        }
    }
    void clickPictureAt(Point at) {
        if (pictureRows() > at.y - 8 && at.x - 472 < 250) {
            ended = true;
        }
    }
    void start() {
        timer1 = true;
        instructions = false;
        startEnabled = false;
    }
    void stop() {
        timer1 = false;
        startEnabled = true;
    }
    void konec() { ended = true; }

    void apply(const Event& e) {
        switch (e.kind) {
            case Ev::Square:
            case Ev::Outline:
                clickSquare(e.arg);
                break;
            case Ev::Double:
                clickSquare(e.arg);
                clickSquare(e.arg);
                break;
            case Ev::Start:
                clickButton(kStart, startEnabled, &Model::start);
                break;
            case Ev::Stop:
                clickButton(kStop, stopEnabled, &Model::stop);
                break;
            case Ev::Konec:
                clickButton(kKonec, true, &Model::konec);
                break;
            case Ev::Dot:
                buttonsShown = false;
                break;
            case Ev::Spot:
                height = 5955;
                break;
            case Ev::Picture:
                clickPictureAt(kPicture);
                break;
            case Ev::Tick1:
                if (timer1) {
                    lit[draw()] = true;
                }
                break;
            case Ev::Tick2:
                std::fill(std::begin(lit), std::end(lit), false);
                break;
            case Ev::Aim:
                clickSquare(aimedSquare(e.arg));
                break;
            case Ev::Score:
            case Ev::Background:
            case Ev::Count:
                break;
        }
    }
    int aimedSquare(int fallback) const {
        for (int i = 0; i < 9; ++i) {
            if (lit[i]) {
                return i;
            }
        }
        return fallback;
    }
};

}  // namespace model
