// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The page's calls through Emscripten: a function of the page, the element
// Qt's loader handed the program, and an event on the page's window.
#include "page.h"

#include <emscripten/val.h>

#include <string>

namespace qt::page {

double fitScale(QSize size) {
    using emscripten::val;
    const val fit = val::global("klikomanFitScale");
    if (fit.typeOf().as<std::string>() != "function") {
        return 1;
    }
    const double scale = fit(size.width(), size.height()).as<double>();
    return scale > 0 && scale <= 1 ? scale : 1;
}

void fitScreen(QSize size) {
    using emscripten::val;
    // Qt's loader hands the page's element to the program as qtContainerElements.
    const val elements = val::module_property("qtContainerElements");
    if (elements.isUndefined() || elements.isNull() || elements["length"].as<int>() < 1) {
        return;
    }
    val canvas = elements[0];
    val style = canvas["style"];
    style.set("width", std::to_string(size.width()) + "px");
    style.set("height", std::to_string(size.height()) + "px");
    // The screen takes the element's new size now, not at the next frame, so
    // the first frame is drawn at the window's size.
    const val resize = val::module_property("qtResizeContainerElement");
    if (!resize.isUndefined()) {
        resize(canvas);
    }
}

void tellEnded(int status) {
    using emscripten::val;
    val init = val::object();
    init.set("detail", status);
    val::global("window").call<bool>(
        "dispatchEvent", val::global("CustomEvent").new_(std::string("klikoman-ended"), init));
}

}  // namespace qt::page
