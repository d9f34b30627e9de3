// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a screen reader hears, read from Qt's accessibility interfaces: the
// window in reading order, the hidden controls kept hidden, the score read
// with what it counts. What a reader is told as the game goes on is checked
// through the real accessibility bus (tests/atspi).
#include <QAccessible>
#include <QFile>
#include <QTest>
#include <QWidget>

#include "playedgame.h"

namespace {

// A game whose window a screen reader listens to.
struct AssistedGame : PlayedGame {
    AssistedGame() { QAccessible::setActive(true); }
    QAccessibleInterface* windowInterface() {
        return QAccessible::queryAccessibleInterface(form().form().widget());
    }
};

}  // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void nothingShouldBeDoneBeforeAReaderListens();
    void windowShouldReadInReadingOrder();
    void scoreShouldReadWithWhatItCounts();
    void squareShouldReadAsHiddenWhileDark();
};

/** Naming controls waits until an assistive client listens. */
void tst_Accessibility::nothingShouldBeDoneBeforeAReaderListens() {
    PlayedGame g;
    QCOMPARE(g.form().Image1().widget()->accessibleName(), QString());
    QAccessible::setActive(true);
    QCOMPARE(g.form().Image1().widget()->accessibleName(), QStringLiteral("Obrázek"));
}

/** The window is read top to bottom, then left to right, as the list the
 *  real accessibility bus is checked against says: the picture, the squares
 *  by cell, the buttons, the texts, the score read once with what it counts,
 *  and the dot as a dot. The outlines and the caption, which repeat the
 *  squares and the score, and the hidden spot are not read. */
void tst_Accessibility::windowShouldReadInReadingOrder() {
    AssistedGame g;
    QAccessibleInterface* w = g.windowInterface();
    QCOMPARE(w->role(), QAccessible::Window);
    // The roles as AT-SPI names them.
    const QMap<QAccessible::Role, QString> roles{{QAccessible::Graphic, "image"},
                                                 {QAccessible::StaticText, "label"},
                                                 {QAccessible::Button, "push button"},
                                                 {QAccessible::AlertMessage, "alert"}};
    QStringList read;
    for (int i = 0; i < w->childCount(); ++i) {
        read << roles.value(w->child(i)->role()) + u'\t' + w->child(i)->text(QAccessible::Name);
    }
    QFile list(QStringLiteral(KLIKOMAN_READING_ORDER));
    QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList expected;
    for (const QString& line : QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'#')) {
            expected << line;
        }
    }
    QCOMPARE(read, expected);
}

/** The score reads with what it counts, after every hit. */
void tst_Accessibility::scoreShouldReadWithWhatItCounts() {
    AssistedGame g;
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    QCOMPARE(g.windowInterface()->child(14)->text(QAccessible::Name),
             QStringLiteral("Počet zásahů: 1"));
}

/** A square's widget stays shown while the square is dark, so the square
 *  itself must read as hidden while dark. (What the reader is told when it
 *  lights and goes dark is heard on the real bus, tests/atspi.) */
void tst_Accessibility::squareShouldReadAsHiddenWhileDark() {
    AssistedGame g;
    QAccessibleInterface* square = g.windowInterface()->child(9);  // bottom right
    QCOMPARE(square->object(), g.form().Label1(6).widget());
    QVERIFY(square->state().invisible);
    g.startAndLight(1);  // lights square 6
    QVERIFY(!square->state().invisible);
    g.tickTimer2();
    QVERIFY(square->state().invisible);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
