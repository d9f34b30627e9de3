// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The soak run: one million timer ticks and a hundred thousand real clicks on
// the controls, offscreen, with repaints in between as the event loop would
// do them. Resident memory is read after a warm-up and at the end; it
// must not grow. Reports the cost of a tick, a click and a repaint. Clicks go
// only where a player can click and play on: lit squares, Start, Stop and
// the hidden spot (not the dot, after which nothing starts a game again).
// A new game starts when one is finished, as a player would.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <random>

#include "playedgame.h"

using window::ControlId;

namespace {

// Resident memory in KiB, after handing free heap pages back to the system so
// that only memory in use is counted, not the allocator's spare capacity.
double residentKiB() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble();
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    constexpr long kTicks = 1'000'000;
    constexpr long kClicks = 100'000;
    constexpr long kWarmUp = kTicks / 10;
    std::mt19937 rng(7);
    auto game = std::make_unique<PlayedGame>();
    game->click(game->control<ControlId::Command1>());

    QElapsedTimer clock;
    qint64 tickNs = 0, clickNs = 0, paintNs = 0;
    long ticks = 0, clicks = 0, hits = 0, games = 1, paints = 0;
    double warmRss = -1;
    // Virtual time in ms: Timer1 every 400, Timer2 every 600, and a click at
    // a random step, one for every ten ticks on average.
    for (long t = 0; ticks < kTicks || clicks < kClicks; t += 200) {
        // Each timer ticks as the event loop ticks it: Timer1 only while on.
        for (auto [timer, period] : {std::pair{&game->control<ControlId::Timer1>(), 400},
                                     std::pair{&game->control<ControlId::Timer2>(), 600}}) {
            if (t % period == 0 && ticks < kTicks && timer->enabled()) {
                clock.start();
                timer->tick();
                tickNs += clock.nsecsElapsed();
                ++ticks;
            }
        }
        if (clicks < kClicks && rng() % 12 == 0) {
            auto& start = game->control<ControlId::Command1>();
            auto& stop = game->control<ControlId::Command2>();
            const int choice = int(rng() % 50);
            clock.start();
            if (choice == 0 && stop.enabled()) {
                game->click(stop);
            } else if (choice < 10 && start.enabled()) {
                game->click(start);
            } else if (choice == 10) {
                game->click(game->control<ControlId::Label8>());
            } else if (game->hitLitSquare()) {
                ++hits;
            }
            clickNs += clock.nsecsElapsed();
            ++clicks;
        }
        if (t % 1000 == 0) {  // the repaints the event loop would do
            clock.start();
            QCoreApplication::processEvents();
            paintNs += clock.nsecsElapsed();
            ++paints;
        }
        // Only the 30th hit turns Stop off.
        if (!game->control<ControlId::Command2>().enabled()) {
            game.reset();  // one window at a time, as in play
            game = std::make_unique<PlayedGame>();
            game->click(game->control<ControlId::Command1>());
            ++games;
        }
        if (warmRss < 0 && ticks >= kWarmUp) {
            warmRss = residentKiB();
        }
    }
    const double endRss = residentKiB();
    const QString report =
        QStringLiteral(
            "| figure | value |\n|---|---|\n"
            "| timer ticks | %1 |\n| clicks (hits on lit squares) | %2 (%10) |\n| games played | "
            "%3 |\n"
            "| resident memory after warm-up | %4 KiB |\n| resident memory at the end | %5 KiB |\n"
            "| growth after warm-up | %6 KiB |\n| cost per tick | %7 us |\n"
            "| cost per click | %8 us |\n| cost per repaint pass | %9 us |\n")
            .arg(ticks)
            .arg(clicks)
            .arg(games)
            .arg(warmRss, 0, 'f', 0)
            .arg(endRss, 0, 'f', 0)
            .arg(endRss - warmRss, 0, 'f', 0)
            .arg(tickNs / 1000.0 / double(ticks), 0, 'f', 2)
            .arg(clickNs / 1000.0 / double(clicks), 0, 'f', 2)
            .arg(paintNs / 1000.0 / double(paints), 0, 'f', 1)
            .arg(hits);
    std::printf("%s", qPrintable(report));
    if (!out.isEmpty()) {
        QFile f(out);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QTextStream(&f) << "# Soak results\n\nMade by `make soak`: the game offscreen, driven "
                               "through real clicks and timer ticks on a manual clock.\n\n"
                            << report;
        }
    }
    return endRss - warmRss > 1024 ? 1 : 0;  // more than 1 MiB of growth is a leak
}
