// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The ten event handlers, the whole behaviour of the game. Each works on the
// window's controls and the game state it is handed, in a fixed order of
// steps, and keeps nothing of its own between calls.
#pragma once

#include <cstdint>

#include "gamestate.h"

namespace runtime {
class Session;
}
namespace window {
class Form1;
}

namespace game {

// What a handler works on: the window, the program's one GameState, and the
// runtime's session for its random numbers.
struct Game {
    window::Form1& form;
    GameState& state;
    runtime::Session& session;
};

void Form_Load(Game& g);
void Command1_Click(Game& g);  // Start
void Command2_Click(Game& g);  // Stop
void Command3_Click(Game& g);  // Konec
void Image1_Click(Game& g);
void Label1_Click(Game& g, std::int16_t index);  // a lit square
void Label2_Click(Game& g);                      // the "." at the bottom right
void Label8_Click(Game& g);                      // the empty spot at the right edge
void Timer1_Timer(Game& g);                      // lights a square
void Timer2_Timer(Game& g);                      // darkens all squares

}  // namespace game
