// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The Qt front end: its peers for each kind, the end of the program and the
// run-time error report.
#include "qtfrontend.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

#include "assistive.h"
#include "peers.h"

namespace qt {

namespace {

// The program's own window, shown: the report belongs to it, is centred on
// it and, on Wayland, is no window of its own.
QWidget* programWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() == Qt::Window) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

QtFrontend::QtFrontend() {
    installAccessibility();
}

void QtFrontend::end(int status) {
    // Windows vanish at once; the loop returns when this notification is done.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(status);
}

void QtFrontend::report(const std::string& title, const std::string& message) {
    // A line for whoever started the game from a terminal, then the box.
    std::fprintf(stderr, "klikoman: %s\n",
                 QString(fromUtf8(message)).simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox::critical(programWindow(), fromUtf8(title), fromUtf8(message));
}

QWidget* QtFrontend::widgetOf(const runtime::Form& form) {
    return static_cast<WindowPeer*>(form.peer())->widget();
}

QWidget* QtFrontend::widgetOf(const runtime::Control& control) {
    return static_cast<ControlPeer*>(control.peer())->widget();
}

}  // namespace qt
