// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The shell of a desktop program: the application lives on the stack of
// start(), the event loop returns when the program ends, and a run-time
// error's report is a modal message box.
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "shell.h"

namespace qt::shell {

int withApplication(int& argc, char** argv, const std::function<int()>& body) {
    QApplication application(argc, argv);
    return body();
}

void show(QWidget* window) {
    window->show();
}

int run(std::unique_ptr<Run> run) {
    // An end while the window was built or loaded came before the event
    // loop, which would never see the request to quit.
    if (run->session.ended()) {
        return run->session.exitStatus();
    }
    const int status = QApplication::exec();
    run.reset();  // the program's widgets go before the application object
    return status;
}

void end(int status) {
    // Windows vanish at once; the loop returns when this notification is done.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(status);
}

void report(const QString& title, const QString& message, QWidget* window) {
    QMessageBox::critical(window, title, message);
}

}  // namespace qt::shell
