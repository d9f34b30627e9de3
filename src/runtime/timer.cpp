// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The timer control over QTimer.
#include "timer.h"

#include <QTimer>
#include <utility>

#include "eventloop.h"

namespace runtime {

namespace {
bool g_manualClock = false;
}

Timer::Timer() : m_timer(std::make_unique<QTimer>()) {
    // Coarse timers may slip by 5%, which a player sees at 400 ms.
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { tick(); });
}

Timer::~Timer() = default;

void Timer::setInterval(int milliseconds) {
    m_interval = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled) {
        return;  // an enabled timer keeps its period
    }
    m_enabled = enabled;
    restart();
}

void Timer::setTickHandler(std::function<void()> handler) {
    m_handler = std::move(handler);
}

void Timer::tick() {
    if (m_handler && m_enabled) {  // a switched-off timer has nothing to deliver
        deliver(m_handler);
    }
}

void Timer::restart() {
    if (m_enabled && m_interval > 0 && !g_manualClock) {
        m_timer->start(m_interval);
    } else {
        m_timer->stop();
    }
}

void Timer::setManualClock(bool manual) {
    g_manualClock = manual;
}

}  // namespace runtime
