// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game played through its real window: clicks at real positions, timer
// ticks driven by the test, and the state the window shows after each step.
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "cells.h"
#include "playedgame.h"
#include "runtime/eventloop.h"

using window::Name;

class tst_Window : public QObject {
    Q_OBJECT

private slots:
    void startUpShouldShowReadyGame();
    void ticksShouldLightPredictedSquaresUntilTimer2();
    void clickOnLitSquareShouldScoreAndUncover();
    void clickShouldReachOnlyShownControls_data();
    void clickShouldReachOnlyShownControls();
    void squareDarkMidClickShouldNotCount();
    void overlappingControlsShouldStackAsListed();
    void stopThenStartShouldContinueCount();
    void thirtiethHitShouldFinishGame();
    void hitsAfterFinishShouldCountOn();
    void hiddenSpotShouldUncoverWholePicture();
    void dotShouldHideButtonsForGood();
    void endingClickShouldEndProgram_data();
    void endingClickShouldEndProgram();
    void closingWindowShouldEndProgram();
    void keyboardShouldPressFocusedButton();
    void hitAtLimitShouldReportOverflowAndEnd();
    void errorReportShouldBelongToTheWindow();
    void undecodablePictureShouldBeReportedWhenUncovered();
    void wholeGameShouldPlayThroughToTheEnd();
};

/** Right after start-up nothing is lit, the end message and the picture are
 *  hidden though the table creates them shown, and only Timer2 runs. */
void tst_Window::startUpShouldShowReadyGame() {
    PlayedGame g;
    window::Form1& f = g.form();
    for (std::int16_t i = 0; i < 9; ++i) {
        QVERIFY(!f.Label1(i).visible());
    }
    QVERIFY(!f.Label7().visible());
    QVERIFY(f.Label5().visible());
    QCOMPARE(f.Label3().caption(), QStringLiteral("0"));
    QCOMPARE(f.Image1().height(), 0.0f);
    QCOMPARE(f.Image1().widget()->height(), 0);
    QVERIFY(!f.Timer1().enabled());
    QVERIFY(f.Timer2().enabled());
    // A player sees these two periods: a square lit every 400 ms, all dark every 600.
    QCOMPARE(f.Timer1().interval(), 400);
    QCOMPARE(f.Timer2().interval(), 600);
    QVERIFY(f.Command1().enabled() && f.Command2().enabled());
    QVERIFY(!g.state().LitSquare.has_value());
    QWidget* w = f.window().widget();
    QCOMPARE(w->windowTitle(), QStringLiteral("Klikoman"));
    QCOMPARE(w->size(), clientSize());
    QCOMPARE(QApplication::focusWidget(), f.Command1().widget());
    // Timer1 is off, so its clock has nothing to deliver before Start.
    g.tickTimer1();
    g.tickTimer2();
    QVERIFY(g.litSquare() == nullptr);
}

/** Start lights the squares the fixed sequence chooses, several may be lit
 *  at once, and Timer2 darkens them all. */
void tst_Window::ticksShouldLightPredictedSquaresUntilTimer2() {
    PlayedGame g;
    g.startAndLight(3);
    const int* first = kFirstSquares;
    for (std::int16_t i = 0; i < 9; ++i) {
        QCOMPARE(g.form().Label1(i).visible(), i == first[0] || i == first[1] || i == first[2]);
    }
    QCOMPARE(g.state().LitSquare, std::optional<float>(float(first[2])));
    QVERIFY(!g.form().Label5().visible());
    QVERIFY(!g.form().Command1().enabled());
    g.tickTimer2();
    QVERIFY(g.litSquare() == nullptr);
    g.tickTimer1();
    QVERIFY(g.form().Label1(std::int16_t(first[3])).visible());
}

/** A hit counts, shows the score, uncovers 198.5 twips and leaves the square
 *  lit to be clicked again. */
void tst_Window::clickOnLitSquareShouldScoreAndUncover() {
    PlayedGame g;
    g.startAndLight(1);
    runtime::Label& square = g.form().Label1(6);
    g.click(square);
    QCOMPARE(g.state().HitCount, 1);
    QCOMPARE(g.form().Label3().caption(), QStringLiteral("1"));
    QCOMPARE(g.form().Image1().height(), 198.5f);
    QVERIFY(square.visible());
    g.click(square);
    QCOMPARE(g.state().HitCount, 2);
    QCOMPARE(g.form().Image1().height(), 397.0f);
}

/** Only a primary click on a control that is shown reaches its handler: not
 *  a dark square, not another mouse button, not a picture of height 0. The
 *  outline over a square never takes its clicks. */
void tst_Window::clickShouldReachOnlyShownControls_data() {
    QTest::addColumn<int>("lit");  // ticks of Timer1 after Start
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("hits");
    const QPoint square6 = centreOf(Name::Label1, 6);  // bottom right cell
    const QPoint picture = pixelRect(Name::Image1).topLeft();
    QTest::newRow("dark square") << 0 << square6 << int(Qt::LeftButton) << 0;
    QTest::newRow("lit square") << 1 << square6 << int(Qt::LeftButton) << 1;
    QTest::newRow("on the outline")
        << 1 << pixelRect(Name::Label1, 6).topLeft() + QPoint(1, 1) << int(Qt::LeftButton) << 1;
    QTest::newRow("right button") << 1 << square6 << int(Qt::RightButton) << 0;
    QTest::newRow("middle button") << 1 << square6 << int(Qt::MiddleButton) << 0;
    QTest::newRow("covered picture") << 1 << picture + QPoint(8, 12) << int(Qt::LeftButton) << 0;
    QTest::newRow("score label") << 1 << centreOf(Name::Label3) << int(Qt::LeftButton) << 0;
    QTest::newRow("window background") << 1 << backgroundSpot() << int(Qt::LeftButton) << 0;
}

void tst_Window::clickShouldReachOnlyShownControls() {
    QFETCH(int, lit);
    QFETCH(QPoint, point);
    QFETCH(int, button);
    QFETCH(int, hits);
    PlayedGame g;
    g.startAndLight(lit);
    g.clickAt(point, Qt::MouseButton(button));
    QCOMPARE(int(g.state().HitCount), hits);
    QVERIFY(!g.ended());
}

/** A square that goes dark between press and release was missed, even if it
 *  lights again before the button comes up. The release goes straight to the
 *  square: whether Qt would route it there depends on the window system, and
 *  the square must not count it either way. */
void tst_Window::squareDarkMidClickShouldNotCount() {
    PlayedGame g;
    g.startAndLight(1);  // the first square, which the sixth draw lights again
    runtime::Label& lit = g.form().Label1(std::int16_t(kFirstSquares[0]));
    QWidget* square = lit.widget();
    const QPoint centre = square->rect().center();
    QTest::mousePress(square, Qt::LeftButton, Qt::NoModifier, centre);
    g.tickTimer2();
    for (int i = 0; i < 5; ++i) {
        g.tickTimer1();
    }
    QVERIFY(lit.visible());
    QTest::mouseRelease(square, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(g.state().HitCount, 0);
}

/** Where controls overlap, the one listed first lies on top: the buttons
 *  over the picture, each outline over its square, the end message over the
 *  instructions. (The last of a window's children lies on top.) */
void tst_Window::overlappingControlsShouldStackAsListed() {
    PlayedGame g;
    window::Form1& f = g.form();
    const QObjectList order = f.window().widget()->children();
    const auto above = [&](runtime::Control& top, runtime::Control& below) {
        return order.indexOf(top.widget()) > order.indexOf(below.widget());
    };
    QVERIFY(above(f.Command1(), f.Image1()));
    QVERIFY(above(f.Command2(), f.Image1()));
    QVERIFY(above(f.Command3(), f.Image1()));
    QVERIFY(above(f.Label7(), f.Label5()));
    for (std::int16_t square = 0; square < window::kSquareCount; ++square) {
        QVERIFY(above(f.Shape1(window::outlineOf(square)), f.Label1(square)));
    }
}

/** Stop pauses without losing anything; Start goes on from the same count
 *  and the instructions stay hidden. Stop in the ready state changes nothing. */
void tst_Window::stopThenStartShouldContinueCount() {
    PlayedGame g;
    window::Form1& f = g.form();
    g.click(f.Command2());
    QVERIFY(!f.Timer1().enabled());
    QVERIFY(f.Label5().visible());
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    g.click(f.Command2());
    QVERIFY(!f.Timer1().enabled());
    QVERIFY(f.Command1().enabled());
    QVERIFY(g.litSquare() != nullptr);  // lit until Timer2 ticks
    g.tickTimer1();
    g.tickTimer2();
    QVERIFY(g.litSquare() == nullptr);
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    QCOMPARE(g.state().HitCount, 2);
    QCOMPARE(f.Label3().caption(), QStringLiteral("2"));
    QVERIFY(!f.Label5().visible());
}

/** The 30th hit shows "Konec" in place of "30", brings up the end message,
 *  stops the lighting, disables Start and Stop and still grows the picture. */
void tst_Window::thirtiethHitShouldFinishGame() {
    PlayedGame g;
    window::Form1& f = g.form();
    g.startAndLight(1);
    for (int i = 0; i < 29; ++i) {
        QVERIFY(g.hitLitSquare());
    }
    QCOMPARE(f.Label3().caption(), QStringLiteral("29"));
    QVERIFY(!f.Label7().visible());
    QVERIFY(g.hitLitSquare());
    QCOMPARE(g.state().HitCount, 30);
    QCOMPARE(f.Label3().caption(), QStringLiteral("Konec"));
    QVERIFY(f.Label7().visible());
    QVERIFY(!f.Timer1().enabled());
    QVERIFY(!f.Command1().enabled());
    QVERIFY(!f.Command2().enabled());
    QCOMPARE(f.Image1().height(), 5955.0f);
    QCOMPARE(f.Image1().widget()->height(), 397);
    g.click(f.Command1());  // disabled: nothing restarts the game
    QVERIFY(!f.Timer1().enabled());
}

/** Squares still lit at the end count as hits 31 and 32 and the picture keeps
 *  growing; once Timer2 darkens them nothing lights again. */
void tst_Window::hitsAfterFinishShouldCountOn() {
    PlayedGame g;
    g.startAndLight(1);
    for (int i = 0; i < 32; ++i) {
        QVERIFY(g.hitLitSquare());
    }
    QCOMPARE(g.form().Label3().caption(), QStringLiteral("32"));
    QCOMPARE(g.form().Image1().height(), 6352.0f);
    QVERIFY(g.form().Label7().visible());
    g.tickTimer2();
    g.tickTimer1();
    QVERIFY(g.litSquare() == nullptr);
}

/** The hidden spot uncovers the whole picture at once without scoring; the
 *  next hit makes the control one step taller than the picture. */
void tst_Window::hiddenSpotShouldUncoverWholePicture() {
    PlayedGame g;
    window::Form1& f = g.form();
    g.click(f.Label8());
    QCOMPARE(f.Image1().height(), 5955.0f);
    QCOMPARE(f.Image1().width(), 3750.0f);
    QCOMPARE(g.state().HitCount, 0);
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    QCOMPARE(f.Image1().height(), 6153.5f);
    QCOMPARE(f.Label3().caption(), QStringLiteral("1"));
}

/** The dot hides all three buttons and nothing shows them again, not even to
 *  the keyboard; a click where Start was then lands on the picture. */
void tst_Window::dotShouldHideButtonsForGood() {
    PlayedGame g;
    window::Form1& f = g.form();
    const QPoint start = g.centreOf(f.Command1());
    g.click(f.Label2());
    QVERIFY(!f.Command1().visible() && !f.Command2().visible() && !f.Command3().visible());
    // Nothing is left to take the focus; keys must not press a hidden button.
    QTest::keyClick(g.window(), Qt::Key_Space);
    QTest::keyClick(g.window(), Qt::Key_Return);
    QVERIFY(!g.ended());
    g.click(f.Label8());
    QVERIFY(!f.Command1().visible());
    QVERIFY(!g.ended());
    g.clickAt(start);
    QVERIFY(g.ended());
    QCOMPARE(g.exitStatus(), 0);
}

/** Konec and the picture end the program with status 0, in the middle of a
 *  game too, and below the picture when the control has grown past it. */
void tst_Window::endingClickShouldEndProgram_data() {
    QTest::addColumn<int>("hits");
    QTest::addColumn<QPoint>("point");
    const QPoint picture = pixelRect(Name::Image1).topLeft();
    QTest::newRow("Konec") << 0 << centreOf(Name::Command3);
    QTest::newRow("picture after one hit") << 1 << picture + QPoint(8, 4);
    QTest::newRow("below the picture") << 31 << picture + QPoint(8, 400);
}

void tst_Window::endingClickShouldEndProgram() {
    QFETCH(int, hits);
    QFETCH(QPoint, point);
    PlayedGame g;
    g.startAndLight(1);
    for (int i = 0; i < hits; ++i) {
        QVERIFY(g.hitLitSquare());
    }
    g.clickAt(point);
    QVERIFY(g.ended());
    QCOMPARE(g.exitStatus(), 0);
    // Nothing reaches a handler after the end.
    const std::int16_t count = g.state().HitCount;
    g.tickTimer2();
    QVERIFY(g.litSquare() != nullptr);  // Timer2 did not darken it
    QVERIFY(g.hitLitSquare());
    QCOMPARE(g.state().HitCount, count);
}

/** Closing the only window ends the event loop; nothing asks or saves. */
void tst_Window::closingWindowShouldEndProgram() {
    PlayedGame g;
    g.startAndLight(1);
    QWidget* w = g.form().window().widget();
    QTimer::singleShot(0, w, [w] { w->close(); });
    // A guard only: a loop that the close fails to end is stopped with 99.
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(runtime::runEventLoop(), 0);
    QVERIFY(g.ended());
}

/** The focused button clicks from the keyboard; Tab goes Start, Stop, Konec. */
void tst_Window::keyboardShouldPressFocusedButton() {
    PlayedGame g;
    window::Form1& f = g.form();
    QTest::keyClick(g.window(), Qt::Key_Space);
    QVERIFY(f.Timer1().enabled());
    // Start disabled itself, so the focus has moved on to Stop.
    QCOMPARE(QApplication::focusWidget(), f.Command2().widget());
    QTest::keyClick(g.window(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.Command3().widget());
    QTest::keyClick(g.window(), Qt::Key_Space);
    QVERIFY(g.ended());
}

/** The count cannot wrap: a hit at 32767 is reported as an overflow and
 *  ends the program with a failure status, leaving the count as it was. */
void tst_Window::hitAtLimitShouldReportOverflowAndEnd() {
    PlayedGame g;
    g.startAndLight(1);
    g.state().HitCount = 32767;
    QVERIFY(g.hitLitSquare());
    QCOMPARE(g.state().HitCount, 32767);
    QCOMPARE(g.errorReport(), QStringLiteral("Chyba za běhu 1:\n\nPřetečení"));
    QCOMPARE(g.exitStatus(), 1);
    QCOMPARE(g.form().Image1().height(), 0.0f);  // nothing else of the hit happened
}

/** The run-time error report is a message box of the game's window: centred
 *  on it, and on Wayland no window of its own. */
void tst_Window::errorReportShouldBelongToTheWindow() {
    PlayedGame g;
    runtime::setReportHook({});  // the real message box, closed once it shows
    QWidget* owner = nullptr;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            owner = box->parentWidget();
            box->close();
            closer.stop();
        }
    });
    closer.start(0);
    g.startAndLight(1);
    g.state().HitCount = 32767;
    QVERIFY(g.hitLitSquare());
    QCOMPARE(owner, g.form().window().widget());
}

/** The picture is decoded only when first uncovered; one that cannot be (a
 *  broken build) ends the program there with the run-time error report. */
void tst_Window::undecodablePictureShouldBeReportedWhenUncovered() {
    PlayedGame g;
    g.form().Image1().setPicture(QStringLiteral(":/klikoman/no-such-picture.jpg"));
    QVERIFY(!g.ended());
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    QCOMPARE(g.errorReport(), QStringLiteral("Chyba za běhu 2:\n\nObrázek nelze načíst"));
    QCOMPARE(g.exitStatus(), 1);
}

/** One game from start-up to the end as a player plays it: pause, thirty
 *  hits and two more, every hidden control, and the picture click. Also run
 *  under valgrind, so it touches every handler. */
void tst_Window::wholeGameShouldPlayThroughToTheEnd() {
    PlayedGame g;
    window::Form1& f = g.form();
    g.startAndLight(2);
    QVERIFY(g.hitLitSquare());
    g.click(f.Command2());
    g.tickTimer2();
    g.startAndLight(1);
    while (g.state().HitCount < 32) {
        g.tickTimer1();
        QVERIFY(g.hitLitSquare());
        if (g.state().HitCount % 5 == 0 && g.state().HitCount < 30) {
            g.tickTimer2();
            g.tickTimer1();
        }
    }
    QCOMPARE(f.Label3().caption(), QStringLiteral("32"));
    QVERIFY(f.Label7().visible());
    g.click(f.Label8());
    g.click(f.Label2());
    QCOMPARE(f.Image1().height(), 5955.0f);
    QVERIFY(!g.ended());
    g.click(f.Image1());
    QVERIFY(g.ended());
    QCOMPARE(g.exitStatus(), 0);
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
