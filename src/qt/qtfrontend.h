// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The Linux desktop's front end: the runtime's windows and controls as Qt
// widgets, its timers as Qt's precise timers, the end as the event loop's
// end and the run-time error report as a message box of the game's window.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "peers.h"
#include "runtime/application.h"
#include "runtime/frontend.h"

class QWidget;

namespace qt {

class QtFrontend
    : public runtime::PeersOf<WindowPeer, LabelPeer, ButtonPeer, ShapePeer, ImagePeer, TimerPeer> {
public:
    QtFrontend();

    void end(int status) override;
    void report(const std::string& title, const std::string& message) override;

    // The widget that draws a window or a control of this front end.
    static QWidget* widgetOf(const runtime::Form& form);
    static QWidget* widgetOf(const runtime::Control& control);
};

// What every QApplication of the program needs before a window is built:
// names, fonts. Tests that make their own application call it too.
void prepareApplication(const runtime::ProjectDescription& project);

inline QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace qt
