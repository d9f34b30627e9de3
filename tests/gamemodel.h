// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A reference model of the game for random play: the events a player can
// cause, where on the window they land, and what the rules say each one does
// in every state. Written from the rules alone, apart from the program.
#pragma once

#include <QPoint>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "cells.h"
#include "playedgame.h"
#include "runtime/random.h"

namespace model {

enum class Ev {
    Square,            // left click on a square's cell (lit or not); arg: square
    Outline,           // left click on the edge of a cell, over its outline; arg: square
    OtherButton,       // right or middle click on a square's cell; arg: square
    Double,            // double click on a square's cell; arg: square
    PressDarkRelease,  // press on a cell, Timer2 ticks, release; arg: square
    Start,
    Stop,
    Dot,
    Spot,
    Score,       // the score label: no handler
    Background,  // an empty spot of the window
    Tick1,
    Tick2,
    Key,      // Space on the focused button
    Tab,      // Tab moves the focus
    Aim,      // a click on the first square the model has lit, as a player aims
    Konec,    // last event only
    Picture,  // last event only; a click at the picture's top-left
    Count
};

struct Event {
    Ev kind;
    int arg = 0;
};

// The model's own numbers, on purpose: where a player clicks, written down
// apart from the layout table, so that a slip in the table shows as a
// difference between the model and the program.
const QPoint kStart(572, 192), kStop(656, 200), kKonec(560, 356), kDot(732, 408), kSpot(756, 208),
    kScore(300, 310), kBackground(450, 60), kPicture(474, 10);

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
    QString score = QStringLiteral("0");
    // The button with the keyboard focus, as the platform moves it: Start
    // at first; a click on a button takes it there; Tab goes on to the next
    // button that can take it; a button that is disabled or hidden passes
    // it on, and with no button shown no button has it.
    enum Button { StartButton, StopButton, KonecButton, NoButton };
    int focus = StartButton;
    runtime::Random random;  // the program's generator, whose sequence tst_random pins

    int draw() { return static_cast<int>(std::floor(double(random.next()) * 9)); }
    // Whole pixel rows of the picture control.
    int pictureRows() const { return static_cast<int>(std::floor(height / 15)); }

    void hit() {
        ++hits;
        score = QString::number(hits);
        if (hits == 30) {
            score = QStringLiteral("Konec");
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
    bool takesFocus(int button) const {
        const bool enabled[] = {startEnabled, stopEnabled, true, false};
        return buttonsShown && enabled[button];
    }
    void focusNext() {
        for (int step = 1; step <= 3; ++step) {
            if (takesFocus((focus + step) % 3)) {
                focus = (focus + step) % 3;
                return;
            }
        }
        focus = NoButton;
    }
    // After each event: a button that can no longer have the focus passes it on.
    void settleFocus() {
        if (focus != NoButton && !takesFocus(focus)) {
            focusNext();
        }
    }
    void press(int button) {
        switch (button) {
            case StartButton:
                start();
                break;
            case StopButton:
                stop();
                break;
            case KonecButton:
                konec();
                break;
        }
    }
    // A click at a button's centre: the button if shown, else what lies below.
    void clickButton(QPoint at, int button) {
        if (!buttonsShown) {
            clickPictureAt(at);
        } else if (takesFocus(button)) {
            focus = button;
            press(button);
        }
    }
    void clickPictureAt(QPoint at) {
        if (pictureRows() > at.y() - 8 && at.x() - 472 < 250) {
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
    void tick1() {
        if (timer1) {
            lit[draw()] = true;
        }
    }
    void tick2() { std::fill(std::begin(lit), std::end(lit), false); }

    void apply(const Event& e) {
        switch (e.kind) {
            case Ev::Square:
            case Ev::Outline:
                clickSquare(e.arg);
                break;
            case Ev::OtherButton:
                break;
            case Ev::Double:
                clickSquare(e.arg);
                clickSquare(e.arg);
                break;
            case Ev::PressDarkRelease:
                tick2();
                break;
            case Ev::Start:
                clickButton(kStart, StartButton);
                break;
            case Ev::Stop:
                clickButton(kStop, StopButton);
                break;
            case Ev::Konec:
                clickButton(kKonec, KonecButton);
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
                tick1();
                break;
            case Ev::Tick2:
                tick2();
                break;
            case Ev::Key:
                if (focus != NoButton && takesFocus(focus)) {
                    press(focus);
                }
                break;
            case Ev::Tab:
                if (focus != NoButton) {
                    focusNext();
                }
                break;
            case Ev::Aim:
                clickSquare(aimedSquare(e.arg));
                break;
            case Ev::Score:
            case Ev::Background:
            case Ev::Count:
                break;
        }
        settleFocus();
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
