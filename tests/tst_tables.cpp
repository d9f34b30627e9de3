// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The two tables the program is made of: the window's layout and the event
// table. A slip in either shows as a square in the wrong cell, a control
// stacked wrongly, or a click that reaches the wrong handler.
#include <QRect>
#include <QSet>
#include <QTest>

#include "app/eventtable.h"
#include "cells.h"

using window::kLayout;
using window::Name;

class tst_Tables : public QObject {
    Q_OBJECT

private slots:
    void squaresShouldSitInTheirCells_data();
    void squaresShouldSitInTheirCells();
    void buttonsShouldLieOverThePicture();
};

/** The index order of the squares is not the reading order; each square and
 *  the outline of its cell share exact bounds. */
void tst_Tables::squaresShouldSitInTheirCells_data() {
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("outline");  // outlines go in reading order
    QTest::addColumn<QRect>("cell");
    const int x[] = {40, 184, 320};
    const int y[] = {32, 104, 176};
    QTest::newRow("0: top left") << 0 << 0 << QRect(x[0], y[0], 81, 33);
    QTest::newRow("1: top middle") << 1 << 1 << QRect(x[1], y[0], 81, 33);
    QTest::newRow("2: top right") << 2 << 2 << QRect(x[2], y[0], 81, 33);
    QTest::newRow("3: middle left") << 3 << 3 << QRect(x[0], y[1], 81, 33);
    QTest::newRow("4: centre") << 4 << 4 << QRect(x[1], y[1], 81, 33);
    QTest::newRow("8: middle right") << 8 << 5 << QRect(x[2], y[1], 81, 33);
    QTest::newRow("7: bottom left") << 7 << 6 << QRect(x[0], y[2], 81, 33);
    QTest::newRow("5: bottom middle") << 5 << 7 << QRect(x[1], y[2], 81, 33);
    QTest::newRow("6: bottom right") << 6 << 8 << QRect(x[2], y[2], 81, 33);
}

void tst_Tables::squaresShouldSitInTheirCells() {
    QFETCH(int, square);
    QFETCH(int, outline);
    QFETCH(QRect, cell);
    QCOMPARE(window::outlineOf(square), outline);
    const auto& sq = window::record(Name::Label1, square);
    const auto& ol = window::record(Name::Shape1, outline);
    QCOMPARE(pixelRect(Name::Label1, square), cell);
    QCOMPARE(pixelRect(Name::Shape1, outline), cell);
    // Drawn above its square, so the frame shows whether the square is lit.
    QVERIFY(&ol < &sq);
}

/** The buttons are drawn over the picture; the dot and the hidden spot lie
 *  right of it, and the whole layout fits the 776 x 421 client area. */
void tst_Tables::buttonsShouldLieOverThePicture() {
    const QRect picture = pixelRect(Name::Image1);
    for (Name id : {Name::Command1, Name::Command2, Name::Command3}) {
        QVERIFY(picture.contains(pixelRect(id)));
    }
    for (Name id : {Name::Label2, Name::Label8}) {
        QVERIFY(pixelRect(id).left() > picture.right());
    }
    const QRect client(QPoint(), clientSize());
    for (const auto& r : kLayout) {
        if (r.interval == 0) {  // timers are never drawn
            QVERIFY(client.contains(pixelRect(r.name, r.index)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_Tables)
#include "tst_tables.moc"
