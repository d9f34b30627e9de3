// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game started as the program starts it, with Start pressed, recording its
// timer ticks for the number of seconds given and printing them.
#include <QApplication>

#include <QAbstractButton>

#include "app/program.h"
#include "tickprobe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    runtime::prepareApplication(app::kProject);
    auto program = app::startUp();
    // Start, pressed as the keyboard presses it: the button's own click.
    auto* start = static_cast<QAbstractButton*>(
        static_cast<app::Program&>(*program).form().Command1().widget());
    start->click();
    probeFor(argc > 1 ? QByteArray(argv[1]).toInt() : 30);
    return app.exec();
}
