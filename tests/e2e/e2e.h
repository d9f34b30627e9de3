// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The built game in a real window, played as a player plays it, on the
// backend KLIKOMAN_BACKEND names: Xvfb (the default), a headless sway under
// Wayland, the Windows build under Wine, or the browser build in Chromium
// or Firefox (the window is the page's #window). The checks are written
// once; a backend without a pointer skips those that need one. Waits poll
// with generous limits and return as soon as the screen shows what is
// expected, so a loaded machine only makes them slower. The play's checks
// are in tst_e2e.cpp, those of what lies around the game (start-up options,
// the screen's scale, screen readers) in platformchecks.cpp.
#pragma once

#include <QImage>
#include <QTest>
#include <memory>

#include "cells.h"
#include "desktop.h"
#include "window/layout.h"

constexpr int kWait = 30000;  // ms; an upper limit, never a fixed pause

// What a watch of the squares after Start saw: the squares as they newly
// lit, in order, and when a lit square went dark (only Timer2 darkens one).
struct Watched {
    QList<int> lit;
    QList<qint64> darkened;  // ms since the watch began
    qint64 look = 0;         // how long a look at the screen took, median, ms
};

// A check that clicks is skipped where the backend has no pointer.
#define NEEDS_POINTER()                                     \
    if (!m_desktop->hasPointer()) {                         \
        QSKIP("this backend has no pointer to click with"); \
    }

class tst_E2E : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowShouldShowReadyGame();
    void startShouldLightPredictedSquares();
    void timer2ShouldDarkenEvery600Ms();
    void hitsShouldUncoverThePictureAndEndAtThirty();
    void spaceShouldPressTheFocusedButton();
    void endingShouldExitWithZero_data();
    void endingShouldExitWithZero();
    void hostileStartShouldChangeNothing();
    void scaleTwoShouldDrawTwiceThePixels();
    void screenReaderShouldHearAWholeGame();

private:
    void launch(const QStringList& arguments = {}, const QProcessEnvironment& env = {});
    QImage grab() { return m_desktop->grab(m_game); }
    void click(QPoint point) { m_desktop->click(m_game, point); }
    void pressStart();
    bool pressSpaceUntilStartChanges();
    Watched watchSquares(int darkenings);
    void readerShouldFindWhatIsShownInReadingOrder();
    QList<int> litSquares(const QImage& shot) const;
    int pictureRowsShown(const QImage& shot) const;
    bool shows(const QImage& shot, QPoint point) const;

    std::unique_ptr<Desktop> m_desktop;
    Desktop::Program m_game;
    QImage m_picture;
    QPoint m_pictureOrigin = pixelRect(window::Name::Image1).topLeft();
    QRgb m_background = 0;
};
