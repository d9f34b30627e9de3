// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The Qt front end's window: the controls as widgets, clicked at real
// positions with real mouse buttons, the keyboard's focus, the window's
// frame and the error report's box. (What the game does with a click or a
// tick is tested without a toolkit, tst_game.)
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "cells.h"
#include "playedgame.h"

using window::ControlId;
using window::Name;

class tst_Window : public QObject {
    Q_OBJECT

private slots:
    void startUpShouldShowWindowAtLayoutSize();
    void clickShouldReachOnlyShownControls_data();
    void clickShouldReachOnlyShownControls();
    void squareDarkMidClickShouldNotCount();
    void overlappingControlsShouldStackAsListed();
    void closingWindowShouldEndProgram();
    void keyboardShouldPressFocusedButton();
    void hiddenButtonsShouldTakeNoKeys();
    void strayInputShouldChangeNothing_data();
    void strayInputShouldChangeNothing();
    void errorReportShouldBelongToTheWindow();
    void undecodablePictureShouldBeReportedWhenUncovered();
    void wholeGameShouldPlayThroughToTheEnd();
};

/** The window comes up titled Klikoman at the layout's size, the focus on
 *  Start. */
void tst_Window::startUpShouldShowWindowAtLayoutSize() {
    PlayedGame g;
    QCOMPARE(g.windowWidget()->windowTitle(), QStringLiteral("Klikoman"));
    QCOMPARE(g.windowWidget()->size(), clientSize());
    QCOMPARE(QApplication::focusWidget(), g.widget(g.control<ControlId::Command1>()));
}

/** Only a primary click on a control that is shown reaches its handler: not
 *  a dark square, not another mouse button, not a picture of height 0. The
 *  outline over a square never takes its clicks. */
void tst_Window::clickShouldReachOnlyShownControls_data() {
    QTest::addColumn<int>("lit");  // ticks of Timer1 after Start
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("score");
    const QPoint square6 = centreOf(Name::Label1, 6);  // bottom right cell
    const QPoint picture = pixelRect(Name::Image1).topLeft();
    QTest::newRow("dark square") << 0 << square6 << int(Qt::LeftButton) << "0";
    QTest::newRow("lit square") << 1 << square6 << int(Qt::LeftButton) << "1";
    QTest::newRow("on the outline")
        << 1 << pixelRect(Name::Label1, 6).topLeft() + QPoint(1, 1) << int(Qt::LeftButton) << "1";
    QTest::newRow("right button") << 1 << square6 << int(Qt::RightButton) << "0";
    QTest::newRow("middle button") << 1 << square6 << int(Qt::MiddleButton) << "0";
    QTest::newRow("covered picture") << 1 << picture + QPoint(8, 12) << int(Qt::LeftButton) << "0";
    QTest::newRow("score label") << 1 << centreOf(Name::Label3) << int(Qt::LeftButton) << "0";
    QTest::newRow("window background") << 1 << backgroundSpot() << int(Qt::LeftButton) << "0";
}

void tst_Window::clickShouldReachOnlyShownControls() {
    QFETCH(int, lit);
    QFETCH(QPoint, point);
    QFETCH(int, button);
    QFETCH(QString, score);
    PlayedGame g;
    g.startAndLight(lit);
    g.clickAt(point, Qt::MouseButton(button));
    QCOMPARE(qt::fromUtf8(g.control<ControlId::Label3>().caption()), score);
    QVERIFY(!g.ended());
}

/** A square that goes dark between press and release was missed, even if it
 *  lights again before the button comes up. The release goes straight to the
 *  square: whether Qt would route it there depends on the window system, and
 *  the square must not count it either way. */
void tst_Window::squareDarkMidClickShouldNotCount() {
    PlayedGame g;
    g.startAndLight(1);  // the first square, which the sixth draw lights again
    runtime::Label& lit = g.square(kFirstSquares[0]);
    QWidget* square = g.widget(lit);
    const QPoint centre = square->rect().center();
    QTest::mousePress(square, Qt::LeftButton, Qt::NoModifier, centre);
    g.tickTimer2();
    for (int i = 0; i < 5; ++i) {
        g.tickTimer1();
    }
    QVERIFY(lit.visible());
    QTest::mouseRelease(square, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(g.control<ControlId::Label3>().caption(), std::string("0"));
}

/** Where controls overlap, the one listed first lies on top: the buttons
 *  over the picture, each outline over its square, the end message over the
 *  instructions. (The last of a window's children lies on top.) */
void tst_Window::overlappingControlsShouldStackAsListed() {
    PlayedGame g;
    const QObjectList order = g.windowWidget()->children();
    const auto above = [&](const runtime::Control& top, const runtime::Control& below) {
        return order.indexOf(g.widget(top)) > order.indexOf(g.widget(below));
    };
    const runtime::Image& picture = g.control<ControlId::Image1>();
    QVERIFY(above(g.control<ControlId::Command1>(), picture));
    QVERIFY(above(g.control<ControlId::Command2>(), picture));
    QVERIFY(above(g.control<ControlId::Command3>(), picture));
    QVERIFY(above(g.control<ControlId::Label7>(), g.control<ControlId::Label5>()));
    for (int square = 0; square < window::kSquareCount; ++square) {
        const auto outline = window::idOf(Name::Shape1, window::outlineOf(square));
        QVERIFY(
            above(*static_cast<runtime::Control*>(g.frontend().components.at(std::size_t(outline))),
                  g.square(square)));
    }
}

/** Closing the only window ends the event loop; nothing asks or saves. */
void tst_Window::closingWindowShouldEndProgram() {
    PlayedGame g;
    g.startAndLight(1);
    QWidget* w = g.windowWidget();
    QTimer::singleShot(0, w, [w] { w->close(); });
    // A guard only: a loop that the close fails to end is stopped with 99.
    QTimer guard;
    guard.callOnTimeout([] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QApplication::exec(), 0);
}

/** The focused button clicks from the keyboard; Tab goes Start, Stop, Konec. */
void tst_Window::keyboardShouldPressFocusedButton() {
    PlayedGame g;
    QTest::keyClick(g.window(), Qt::Key_Space);
    QVERIFY(g.control<ControlId::Timer1>().enabled());
    // Start disabled itself, so the focus has moved on to Stop.
    QCOMPARE(QApplication::focusWidget(), g.widget(g.control<ControlId::Command2>()));
    QTest::keyClick(g.window(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), g.widget(g.control<ControlId::Command3>()));
    QTest::keyClick(g.window(), Qt::Key_Space);
    QVERIFY(g.ended());
}

/** Once the dot has hidden the buttons, no key presses one of them. */
void tst_Window::hiddenButtonsShouldTakeNoKeys() {
    PlayedGame g;
    g.click(g.control<ControlId::Label2>());
    QCOMPARE(QApplication::focusWidget(), nullptr);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space}) {
        QTest::keyClick(g.window(), key);
    }
    QVERIFY(!g.ended());
    QVERIFY(!g.control<ControlId::Timer1>().enabled());
}

// Everything a player can see of the game, to compare before and after.
QString snapshot(PlayedGame& g) {
    QString s = QStringLiteral("%1 %2 %3%4%5 %6%7 %8 ")
                    .arg(qt::fromUtf8(g.control<ControlId::Label3>().caption()))
                    .arg(g.control<ControlId::Image1>().height())
                    .arg(g.control<ControlId::Command1>().visible())
                    .arg(g.control<ControlId::Command1>().enabled())
                    .arg(g.control<ControlId::Command2>().enabled())
                    .arg(g.control<ControlId::Timer1>().enabled())
                    .arg(g.control<ControlId::Label7>().visible())
                    .arg(g.ended());
    for (int i = 0; i < window::kSquareCount; ++i) {
        s += g.square(i).visible() ? QLatin1Char('#') : QLatin1Char('.');
    }
    return s;
}

/** Other mouse buttons anywhere and keys other than Space and Tab do
 *  nothing, in every state of the game. */
void tst_Window::strayInputShouldChangeNothing_data() {
    QTest::addColumn<int>("hits");     // after Start and one tick; -1: not started
    QTest::addColumn<bool>("paused");  // Stop pressed
    QTest::addColumn<bool>("dot");     // the buttons hidden
    QTest::newRow("ready") << -1 << false << false;
    QTest::newRow("running, a square lit") << 0 << false << false;
    QTest::newRow("paused") << 0 << true << false;
    QTest::newRow("finished") << 30 << false << false;
    QTest::newRow("buttons hidden") << 0 << false << true;
}

void tst_Window::strayInputShouldChangeNothing() {
    QFETCH(int, hits);
    QFETCH(bool, paused);
    QFETCH(bool, dot);
    PlayedGame g;
    if (hits >= 0) {
        g.startAndLight(1);
    }
    for (int i = 0; i < hits; ++i) {
        QVERIFY(g.hitLitSquare());
    }
    if (paused) {
        g.click(g.control<ControlId::Command2>());
    }
    if (dot) {
        g.click(g.control<ControlId::Label2>());
    }
    const QString before = snapshot(g);
    QList<QPoint> points{backgroundSpot(), pixelRect(Name::Image1).topLeft() + QPoint(2, 2)};
    for (const auto& r : window::kLayout) {
        if (r.kind != window::Kind::Timer) {
            points << centreOf(r.name, r.index);
        }
    }
    for (const QPoint& p : points) {
        for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton, Qt::BackButton}) {
            g.clickAt(p, b);
            QTest::mouseDClick(g.window(), b, Qt::NoModifier, p);
        }
    }
    for (int key :
         {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_F1, Qt::Key_Delete,
          Qt::Key_Backspace, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
        QTest::keyClick(g.window(), Qt::Key(key));
    }
    QCOMPARE(snapshot(g), before);
}

/** The run-time error report is a message box of the game's window: centred
 *  on it, and on Wayland no window of its own. */
void tst_Window::errorReportShouldBelongToTheWindow() {
    PlayedGame g;
    g.frontend().showReport = true;  // the real message box, closed once it shows
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
    // A run-time error: the picture cannot be decoded when first uncovered.
    static const unsigned char kNotAJpeg[] = {'n', 'o'};
    g.control<ControlId::Image1>().setPicture(kNotAJpeg);
    QVERIFY(g.hitLitSquare());
    QCOMPARE(owner, g.windowWidget());
}

/** The picture is decoded only when first uncovered; one that cannot be (a
 *  broken build) ends the program there with the run-time error report. */
void tst_Window::undecodablePictureShouldBeReportedWhenUncovered() {
    PlayedGame g;
    static const unsigned char kNotAJpeg[] = {0xFF, 0xD8, 0xFF, 0x00};
    g.control<ControlId::Image1>().setPicture(kNotAJpeg);
    QVERIFY(!g.ended());
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    QCOMPARE(g.errorReport(), QStringLiteral("Chyba za běhu 2:\n\nObrázek nelze načíst"));
    QCOMPARE(g.exitStatus(), 1);
}

/** One game from start-up to the end as a player plays it: pause, thirty
 *  hits and two more, every hidden control, and the picture click. Also run
 *  under valgrind, so it goes through every part of the front end. */
void tst_Window::wholeGameShouldPlayThroughToTheEnd() {
    PlayedGame g;
    g.startAndLight(2);
    QVERIFY(g.hitLitSquare());
    g.click(g.control<ControlId::Command2>());
    g.tickTimer2();
    g.startAndLight(1);
    for (int hits = 2; hits <= 32; ++hits) {
        g.tickTimer1();
        QVERIFY(g.hitLitSquare());
        if (hits % 5 == 0 && hits < 30) {
            g.tickTimer2();
            g.tickTimer1();
        }
    }
    QCOMPARE(g.control<ControlId::Label3>().caption(), std::string("32"));
    QVERIFY(g.control<ControlId::Label7>().visible());
    g.click(g.control<ControlId::Label8>());
    g.click(g.control<ControlId::Label2>());
    QCOMPARE(g.control<ControlId::Image1>().height(), 5955.0f);
    QVERIFY(!g.ended());
    g.click(g.control<ControlId::Image1>());
    QVERIFY(g.ended());
    QCOMPARE(g.exitStatus(), 0);
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
