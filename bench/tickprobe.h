// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Records, from inside a process, the moment each of its timers fires, keyed
// by the timer's interval. The benchmark runs the game and the baseline
// window with it to measure how punctual their 400 and 600 ms ticks are.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstdio>
#include <map>
#include <vector>

class TickProbe : public QObject {
public:
    TickProbe();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // One line per interval: the interval, then every tick in microseconds.
    void print(std::FILE* out) const;

private:
    QElapsedTimer m_clock;
    std::map<int, std::vector<qint64>> m_ticks;
};

// Installs a probe, quits after `seconds` and prints the ticks on the way out.
void probeFor(int seconds);
