// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The harness's Xvfb with what only the benchmark asks of it: moving a
// window as a window manager would, and the time until regions of a window
// are drawn again, from the DAMAGE events the harness already receives.
#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <initializer_list>

#include "x11desktop.h"

class BenchDesktop : public X11Desktop {
public:
    explicit BenchDesktop(Backend backend) : X11Desktop(backend) {}

    void moveTo(const Program& p, QPoint screenPoint);
    // Forgets the damage reported so far.
    void discardDamage();
    // Milliseconds from `since` until every region was drawn again; -1 if
    // not within `timeoutMs`.
    double awaitRepaint(const Program& p, std::initializer_list<QRect> regions,
                        const QElapsedTimer& since, int timeoutMs);

protected:
    void track(void* event) override;

private:
    std::uint32_t m_damagedWindow = 0;  // the last damage seen
    QRect m_damagedArea;
};
