// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a screen reader hears, read from Qt's accessibility interfaces: the
// window in reading order, the hidden controls kept hidden, the score read
// with what it counts. What a reader is told as the game goes on is checked
// through the real accessibility bus (tests/atspi).
#include <QAccessible>
#include <QTest>
#include <QWidget>

#include "playedgame.h"

namespace {

// A game whose window a screen reader listens to.
struct AssistedGame : PlayedGame {
    AssistedGame() { QAccessible::setActive(true); }
    QAccessibleInterface* windowInterface() {
        return QAccessible::queryAccessibleInterface(windowWidget());
    }
};

}  // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void windowShouldReadInReadingOrder();
    void scoreShouldReadWithWhatItCounts();
    void hiddenLabelShouldBeFoundNeitherByReadingNorByPointing();
};

/** The window is read top to bottom, then left to right, as the list the
 *  real accessibility bus is checked against says: the picture, the squares
 *  by cell, the buttons, the texts, the score read once with what it counts,
 *  and the dot as a dot. The outlines and the caption, which repeat the
 *  squares and the score, and the hidden spot are not read. */
void tst_Accessibility::windowShouldReadInReadingOrder() {
    AssistedGame g;
    QAccessibleInterface* w = g.windowInterface();
    QCOMPARE(w->role(), QAccessible::Window);
    // The roles AT-SPI gives Qt's.
    const QMap<QAccessible::Role, QString> roles{{QAccessible::Graphic, "IMAGE"},
                                                 {QAccessible::StaticText, "LABEL"},
                                                 {QAccessible::Button, "PUSH_BUTTON"},
                                                 {QAccessible::AlertMessage, "ALERT"}};
    QStringList read;
    for (int i = 0; i < w->childCount(); ++i) {
        read << roles.value(w->child(i)->role()) + u'\t' + w->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(read, readingOrder());
}

/** The score reads with what it counts, after every hit. */
void tst_Accessibility::scoreShouldReadWithWhatItCounts() {
    AssistedGame g;
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    QAccessibleInterface* score =
        QAccessible::queryAccessibleInterface(g.widget(g.control<window::ControlId::Label3>()));
    QCOMPARE(score->text(QAccessible::Name), QStringLiteral("Počet zásahů: 1"));
    // As the window reads it, in the reading order's place for the score.
    const int place = int(readingOrder().indexOf(QStringLiteral("LABEL\tPočet zásahů: 0")));
    QCOMPARE(g.windowInterface()->child(place)->object(),
             g.widget(g.control<window::ControlId::Label3>()));
}

/** A label the runtime hides keeps a shown widget, so it must read as
 *  hidden and have no extents: pointing at a dark square, or at the end
 *  message's place before the end, finds no square and no end message. What
 *  lies on top is what pointing finds: Start, not the picture beneath it.
 *  (What the reader is told when a square lights and goes dark is heard on
 *  the real bus, tests/atspi.) */
void tst_Accessibility::hiddenLabelShouldBeFoundNeitherByReadingNorByPointing() {
    AssistedGame g;
    QAccessibleInterface* w = g.windowInterface();
    QWidget* window = g.windowWidget();
    const auto pointedAt = [&](runtime::Control& c) {
        QAccessibleInterface* found = w->childAt(window->mapToGlobal(g.centreOf(c)).x(),
                                                 window->mapToGlobal(g.centreOf(c)).y());
        return found ? found->object() : nullptr;
    };
    QAccessibleInterface* square = QAccessible::queryAccessibleInterface(g.widget(g.square(6)));
    QVERIFY(w->indexOfChild(square) >= 0);
    QVERIFY(square->state().invisible);
    QVERIFY(pointedAt(g.square(6)) != g.widget(g.square(6)));
    QCOMPARE(pointedAt(g.control<window::ControlId::Label7>()),
             g.widget(g.control<window::ControlId::Label5>()));
    QCOMPARE(pointedAt(g.control<window::ControlId::Command1>()),
             g.widget(g.control<window::ControlId::Command1>()));
    g.startAndLight(1);  // lights square 6
    QVERIFY(!square->state().invisible);
    QCOMPARE(pointedAt(g.square(6)), g.widget(g.square(6)));
    g.tickTimer2();
    QVERIFY(square->state().invisible);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
