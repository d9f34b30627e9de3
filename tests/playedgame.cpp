// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The test harness that starts and plays a game.
#include "playedgame.h"

#include <QFile>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "runtime/eventloop.h"
#include "runtime/random.h"
#include "runtime/timer.h"

namespace {
int g_exitStatus = -1;
QString g_report;
}  // namespace

QStringList readingOrder() {
    QFile list(QStringLiteral(KLIKOMAN_READING_ORDER));
    QStringList lines;
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString& line :
             QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            if (!line.startsWith(u'#')) {
                lines << line;
            }
        }
    }
    return lines;
}

PlayedGame::PlayedGame() {
    static const bool prepared = [] {
        runtime::prepareApplication(app::kProject);
        runtime::Timer::setManualClock(true);
        return true;
    }();
    Q_UNUSED(prepared);
    runtime::setExitHook([](int status) { g_exitStatus = status; });
    runtime::setReportHook([](const QString&, const QString& message) { g_report = message; });
    runtime::resetEnd();
    runtime::randomGenerator() = runtime::Random{};
    g_exitStatus = -1;
    g_report.clear();
    m_program = std::make_unique<app::Program>();
    m_program->load();
    m_program->show();
    QWidget* w = form().window().widget();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w)) {
        qWarning("the game's window was not exposed");
    }
}

PlayedGame::~PlayedGame() = default;

QWindow* PlayedGame::window() const {
    return m_program->form().window().widget()->windowHandle();
}

void PlayedGame::clickAt(QPoint point, Qt::MouseButton button) {
    QTest::mouseClick(window(), button, Qt::NoModifier, point);
}

QPoint PlayedGame::centreOf(runtime::Control& control) const {
    QWidget* w = control.widget();
    return w->mapTo(w->window(), w->rect().center());
}

void PlayedGame::click(runtime::Control& control, Qt::MouseButton button) {
    clickAt(centreOf(control), button);
}

void PlayedGame::startAndLight(int ticks) {
    click(form().Command1());
    for (int i = 0; i < ticks; ++i) {
        tickTimer1();
    }
}

runtime::Label* PlayedGame::litSquare() {
    for (std::int16_t i = 0; i < 9; ++i) {
        if (form().Label1(i).visible()) {
            return &form().Label1(i);
        }
    }
    return nullptr;
}

bool PlayedGame::hitLitSquare() {
    runtime::Label* square = litSquare();
    if (square == nullptr) {
        return false;
    }
    click(*square);
    return true;
}

bool PlayedGame::ended() const {
    return runtime::hasEnded();
}

int PlayedGame::exitStatus() const {
    return g_exitStatus;
}

const QString& PlayedGame::errorReport() const {
    return g_report;
}
