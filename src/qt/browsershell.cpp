// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The shell of the program as a web page. The browser runs the event loop:
// exec() never returns here, so the application and the program are kept
// beyond start(). Nothing may block: a run-time error's report opens over the
// stopped game, and the page hears of the end once the player has closed it.
// The window fills a screen of its own size on the page, scaled down where
// it would not fit the page.
#include <QtGui/private/qhighdpiscaling_p.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtMath>

#include "page.h"
#include "shell.h"

namespace qt::shell {

namespace {

QPointer<QMessageBox> g_openReport;

std::unique_ptr<Run>& kept() {
    static std::unique_ptr<Run> run;
    return run;
}

void endInPage(int status) {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        shown->hide();
    }
    // The handler that asked for the end may still be on the stack: the
    // program and its timers go when it has returned.
    QTimer::singleShot(0, [] { kept()->program.reset(); });
    page::tellEnded(status);
}

}  // namespace

int withApplication(int& argc, char** argv, const std::function<int()>& body) {
    new QApplication(argc, argv);  // lives as long as the page
    return body();
}

void show(QWidget* window) {
    // Qt's own scaling, set before the window has a native window: sizes,
    // clicks and taps stay in step, and the backing store gets the device
    // pixels the scaled window covers, so it is sharp at any device ratio.
    const double scale = page::fitScale(window->size());
    QHighDpiScaling::setGlobalFactor(scale);
    // Rounded up, so the window keeps every row and column at any scale.
    page::fitScreen(QSize(qCeil(window->width() * scale), qCeil(window->height() * scale)));
    window->showFullScreen();
}

int run(std::unique_ptr<Run> run) {
    // Even after an end while loading: a report still open needs the event
    // loop, and the page hears of the end from end(). A return from main
    // would make Qt's loader take the page for exited and hide the canvas,
    // with the report in it.
    kept() = std::move(run);
    return QApplication::exec();
}

void end(int status) {
    if (g_openReport) {
        QObject::connect(g_openReport, &QDialog::finished, [status] { endInPage(status); });
    } else {
        endInPage(status);
    }
}

void report(const QString& title, const QString& message, QWidget* window) {
    g_openReport = new QMessageBox(QMessageBox::Critical, title, message, QMessageBox::Ok, window);
    g_openReport->setAttribute(Qt::WA_DeleteOnClose);
    g_openReport->open();
}

}  // namespace qt::shell
