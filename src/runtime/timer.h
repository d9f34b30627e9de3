// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The timer control: while enabled, one tick every interval on the user
// interface thread, delivered like a click. Turning it on starts a fresh
// period. Tests switch the whole program to a manual clock and tick timers
// themselves, so nothing depends on how fast the machine is.
#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace runtime {

class Timer {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;  // its QTimer calls back into this one
    Timer& operator=(const Timer&) = delete;

    void setInterval(int milliseconds);
    int interval() const { return m_interval; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    void setTickHandler(std::function<void()> handler);

    // Delivers one tick now, as if the interval had passed; nothing while off.
    void tick();

    // Tests only: with a manual clock no timer runs by itself.
    static void setManualClock(bool manual);

private:
    void restart();

    std::unique_ptr<QTimer> m_timer;
    std::function<void()> m_handler;
    int m_interval = 0;  // 0 never ticks
    bool m_enabled = true;
};

}  // namespace runtime
