// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The start operation from the outside: a program whose window ends it, by
// End or by a run-time error, before the event loop ever runs, on the Qt
// front end. start() makes its own application, so this test makes none.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "runtime/application.h"
#include "runtime/errors.h"
#include "runtime/loadedprogram.h"
#include "runtime/session.h"

namespace {

enum class Ending { EndWhileLoading, ErrorWhileLoading, ErrorWhileBuilding };
Ending g_ending;

std::unique_ptr<runtime::LoadedProgram> endingStartUp(runtime::Session& session) {
    // The report's message box is closed as soon as it shows.
    auto* closer = new QTimer(qApp);
    QObject::connect(closer, &QTimer::timeout, [closer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
            closer->stop();
        }
    });
    closer->start(10);
    if (g_ending == Ending::ErrorWhileBuilding) {
        runtime::raiseOverflow();
    }
    auto program = std::make_unique<runtime::LoadedProgram>();
    session.deliver([] {
        if (g_ending == Ending::EndWhileLoading) {
            runtime::End();
        }
        runtime::raiseOverflow();
    });
    return program;
}

const runtime::ProjectDescription kEndingProject{"Klikoman", KLIKOMAN_DISPLAY_VERSION, "klikoman",
                                                 &endingStartUp};

}  // namespace

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void endBeforeTheEventLoopShouldEndWithItsStatus_data();
    void endBeforeTheEventLoopShouldEndWithItsStatus();
};

/** End or a run-time error while the window is built or loaded ends the
 *  program with its status; the event loop, which would never be asked to
 *  quit, is not entered (a hang here is the fault). */
void tst_Startup::endBeforeTheEventLoopShouldEndWithItsStatus_data() {
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("status");
    QTest::newRow("End while loading") << Ending::EndWhileLoading << 0;
    QTest::newRow("error while loading") << Ending::ErrorWhileLoading << 1;
    QTest::newRow("error while building") << Ending::ErrorWhileBuilding << 1;
}

void tst_Startup::endBeforeTheEventLoopShouldEndWithItsStatus() {
    QFETCH(Ending, ending);
    QFETCH(int, status);
    g_ending = ending;
    QCOMPARE(runtime::start(kEndingProject), status);
}

QTEST_APPLESS_MAIN(tst_Startup)
#include "tst_startup.moc"
