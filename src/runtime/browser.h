// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The program as a web page (WebAssembly): the browser runs the event loop,
// so exec() returns to it at once and the program lives on beside it; the
// window fills a canvas of its own size on the page; the end of the program
// is told to the page, which says so and offers another game.
#pragma once

#include <memory>

class QWidget;

namespace runtime {

class LoadedProgram;

// Sizes the page's canvas to the window's size in CSS pixels (so the window
// is drawn at one CSS pixel per logical pixel, with the screen's device
// pixels) and shows the window filling it.
void showInPage(QWidget* window);

// Keeps the program until its end, which the event loop never brings here.
void keepUntilEnd(std::unique_ptr<LoadedProgram> program);

// Hides the windows, lets the program go once the running notification is
// done, and tells the page that the game ended with `status`.
void endInPage(int status);

}  // namespace runtime
