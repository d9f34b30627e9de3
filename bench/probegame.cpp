// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game started as the program starts it, with Start pressed, recording its
// timer ticks for the number of seconds given and printing them.
#include <QAbstractButton>
#include <QApplication>

#include "app/program.h"
#include "qt/qtfrontend.h"
#include "runtime/session.h"
#include "tickprobe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qt::prepareApplication(app::kProject);
    qt::QtFrontend frontend;
    runtime::Session session(frontend, app::kProject.name);
    auto program = app::startUp(session);
    // Start, pressed as the keyboard presses it: the button's own click; the
    // window's focus is on it, though no window manager makes it active.
    static_cast<QAbstractButton*>(QApplication::topLevelWidgets().first()->focusWidget())->click();
    probeFor(argc > 1 ? QByteArray(argv[1]).toInt() : 30);
    return app.exec();
}
