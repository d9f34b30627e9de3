// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The page's side of the program in a browser.
#include "browser.h"

#include <emscripten/val.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "loadedprogram.h"

namespace runtime {

namespace {

std::unique_ptr<LoadedProgram>& kept() {
    static std::unique_ptr<LoadedProgram> program;
    return program;
}

}  // namespace

void showInPage(QWidget* window) {
    // Qt's loader hands the page's canvas to the program as qtContainerElements.
    emscripten::val canvas = emscripten::val::module_property("qtContainerElements")[0];
    emscripten::val style = canvas["style"];
    style.set("width", std::to_string(window->width()) + "px");
    style.set("height", std::to_string(window->height()) + "px");
    // The screen takes the canvas's new size now, not at the next frame, so
    // the first frame is drawn at the window's size.
    emscripten::val::module_property("qtResizeContainerElement")(canvas);
    window->showFullScreen();
}

void keepUntilEnd(std::unique_ptr<LoadedProgram> program) {
    kept() = std::move(program);
}

void endInPage(int status) {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        shown->hide();
    }
    // The handler that asked for the end is still on the stack: the program
    // and its timers go when it has returned.
    QTimer::singleShot(0, [] { kept().reset(); });
    emscripten::val init = emscripten::val::object();
    init.set("detail", status);
    emscripten::val window = emscripten::val::global("window");
    window.call<bool>(
        "dispatchEvent",
        emscripten::val::global("CustomEvent").new_(std::string("klikoman-ended"), init));
}

}  // namespace runtime
