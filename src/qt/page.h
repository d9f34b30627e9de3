// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What the program asks of the web page it runs in: the scale at which its
// window fits, a screen of the window's size, and word that the game ended.
#pragma once

#include <QSize>

namespace qt::page {

// The scale, at most 1, at which a window of `size` fits the page (the
// page's klikomanFitScale()); 1 where the page does not say.
double fitScale(QSize size);

// Sizes the page's screen, the element Qt's loader handed the program, to
// `size` CSS pixels; a page that gave the program none keeps what it has.
void fitScreen(QSize size);

// Tells the page that the game has ended with `status` (a klikoman-ended
// event), which then says so and offers another game.
void tellEnded(int status);

}  // namespace qt::page
