// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A game started for a test as the program starts it, on a manual clock: the
// test ticks the timers itself and clicks the real window at real positions,
// so the window's own hit-testing decides which control a click reaches.
// The end of the program and the error report are caught, not carried out.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/program.h"

class QWindow;

// What a screen reader reads of the window at the start, in reading order:
// "ROLE\tname" a line (tests/readingorder.txt).
QStringList readingOrder();

class PlayedGame {
public:
    PlayedGame();
    ~PlayedGame();

    app::Program& program() { return *m_program; }
    window::Form1& form() { return m_program->form(); }
    game::GameState& state() { return m_program->state(); }
    QWindow* window() const;

    // Presses and releases a mouse button at a point of the client area.
    void clickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton);
    // Clicks the centre of a control, wherever it is drawn.
    void click(runtime::Control& control, Qt::MouseButton button = Qt::LeftButton);
    QPoint centreOf(runtime::Control& control) const;

    void tickTimer1() { form().Timer1().tick(); }
    void tickTimer2() { form().Timer2().tick(); }

    // Presses Start and lights the squares the next n draws choose.
    void startAndLight(int ticks);
    // Clicks the first lit square; false if none is lit.
    bool hitLitSquare();
    runtime::Label* litSquare();

    bool ended() const;
    int exitStatus() const;              // -1 while the program runs
    const QString& errorReport() const;  // the message shown, if any

private:
    std::unique_ptr<app::Program> m_program;
};
