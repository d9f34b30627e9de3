// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game started as the program starts it, with Start pressed, recording its
// timer ticks for the number of seconds given and printing them.
#include <QApplication>

#include "app/program.h"
#include "tickprobe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    runtime::prepareApplication(app::kProject);
    auto program = app::startUp();
    static_cast<app::Program&>(*program).notify("Command1", app::Notification::Click);
    probeFor(argc > 1 ? QByteArray(argv[1]).toInt() : 30);
    return app.exec();
}
