// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What assistive technology sees of a window: its controls in reading order
// (top to bottom, then left to right, as a sighted player reads them, not in
// the order they are stacked), each with the role it plays, and nothing of
// the controls a reader should not hear about. The work is done only once a
// screen reader or another client listens.
#pragma once

#include <QAccessible>
#include <functional>

class QWidget;

namespace runtime {

// Marks a window whose controls are read in reading order.
void readInReadingOrder(QWidget* window);
// Gives a control the role a reader announces it with.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);
// Leaves a control out of what a reader hears: decoration that another
// control already tells, or a spot a sighted player finds only by chance.
void hideFromReaders(QWidget* widget);

class RunWhenReaderListens : private QAccessible::ActivationObserver {
public:
    // Runs `describe` now if a client is listening, else once one starts to.
    explicit RunWhenReaderListens(std::function<void()> describe);
    ~RunWhenReaderListens() override;
    RunWhenReaderListens(const RunWhenReaderListens&) = delete;
    RunWhenReaderListens& operator=(const RunWhenReaderListens&) = delete;

private:
    void accessibilityActiveChanged(bool active) override;

    std::function<void()> m_describe;  // empty once it has run
};

}  // namespace runtime
