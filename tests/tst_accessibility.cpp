// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a screen reader hears: Czech names for every control a player can
// use, the score read as the score, and each cell saying whether it is lit.
#include <QAccessible>
#include <QTest>
#include <QWidget>

#include "playedgame.h"

namespace {
QString nameOf(runtime::Control& c) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.widget());
    return a ? a->text(QAccessible::Name) : QString();
}
// A game whose window a screen reader has started to listen to.
struct AssistedGame : PlayedGame {
    AssistedGame() { QAccessible::setActive(true); }
};
}  // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void controlsShouldHaveCzechNames_data();
    void controlsShouldHaveCzechNames();
    void cellsShouldSayWhetherLit();
    void scoreShouldReadAsScore();
};

using ControlOf = runtime::Control& (*)(window::Form1&);

void tst_Accessibility::controlsShouldHaveCzechNames_data() {
    QTest::addColumn<ControlOf>("control");
    QTest::addColumn<QString>("name");
    using F = window::Form1;
    using C = runtime::Control&;
    QTest::newRow("Start") << ControlOf([](F& f) -> C { return f.Command1(); }) << "Start";
    QTest::newRow("Stop") << ControlOf([](F& f) -> C { return f.Command2(); }) << "Stop";
    QTest::newRow("Konec") << ControlOf([](F& f) -> C { return f.Command3(); }) << "Konec";
    QTest::newRow("picture") << ControlOf([](F& f) -> C { return f.Image1(); }) << "Obrázek";
    QTest::newRow("dot") << ControlOf([](F& f) -> C { return f.Label2(); }) << "Skrýt tlačítka";
    QTest::newRow("hidden spot") << ControlOf([](F& f) -> C { return f.Label8(); })
                                 << "Odkrýt celý obrázek";
    QTest::newRow("square 8") << ControlOf([](F& f) -> C { return f.Label1(8); })
                              << "Čtverec vpravo uprostřed";
    QTest::newRow("square 5") << ControlOf([](F& f) -> C { return f.Label1(5); })
                              << "Čtverec uprostřed dole";
}

void tst_Accessibility::controlsShouldHaveCzechNames() {
    QFETCH(ControlOf, control);
    QFETCH(QString, name);
    PlayedGame g;
    QCOMPARE(nameOf(g.form().Image1()), QString());  // nothing is named before a client listens
    QAccessible::setActive(true);
    QCOMPARE(nameOf(control(g.form())), name);
}

/** The outline of the cell whose square lights says so, and says when it
 *  goes dark again. */
void tst_Accessibility::cellsShouldSayWhetherLit() {
    AssistedGame g;
    runtime::Shape& bottomRight = g.form().Shape1(8);  // square 6's cell
    QCOMPARE(nameOf(bottomRight), QStringLiteral("Políčko vpravo dole: nesvítí"));
    g.startAndLight(1);
    QCOMPARE(nameOf(bottomRight), QStringLiteral("Políčko vpravo dole: svítí"));
    QCOMPARE(nameOf(g.form().Shape1(0)), QStringLiteral("Políčko vlevo nahoře: nesvítí"));
    g.tickTimer2();
    QCOMPARE(nameOf(bottomRight), QStringLiteral("Políčko vpravo dole: nesvítí"));
}

void tst_Accessibility::scoreShouldReadAsScore() {
    AssistedGame g;
    QCOMPARE(nameOf(g.form().Label3()), QStringLiteral("Počet zásahů: 0"));
    g.startAndLight(1);
    QVERIFY(g.hitLitSquare());
    QCOMPARE(nameOf(g.form().Label3()), QStringLiteral("Počet zásahů: 1"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
