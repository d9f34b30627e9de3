// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The tick probe.
#include "tickprobe.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

TickProbe::TickProbe() {
    m_clock.start();
}

bool TickProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer) {
        auto* timer = qobject_cast<QTimer*>(watched);
        if (timer && static_cast<QTimerEvent*>(event)->timerId() == timer->timerId()) {
            m_ticks[timer->interval()].push_back(m_clock.nsecsElapsed() / 1000);
        }
    }
    return false;
}

void TickProbe::print(std::FILE* out) const {
    for (const auto& [interval, ticks] : m_ticks) {
        std::fprintf(out, "%d", interval);
        for (qint64 t : ticks) {
            std::fprintf(out, " %lld", static_cast<long long>(t));
        }
        std::fprintf(out, "\n");
    }
    std::fflush(out);
}

void probeFor(int seconds) {
    auto* probe = new TickProbe;
    QCoreApplication::instance()->installEventFilter(probe);
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [probe] {
        probe->print(stdout);
        QCoreApplication::exit(0);
    });
}
