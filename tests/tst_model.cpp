// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Random play against a reference model. The model is the game as a player
// knows it from the rules (what each click and tick does in the ready,
// running, paused and finished states), written here on its own, apart from
// the program's code. Thousands of random events go through the real window
// offscreen; after each one the window must show what the model says. A
// failing sequence is cut down to the fewest events that still fail and
// printed, so it can be replayed by hand.
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cmath>
#include <random>

#include "gamemodel.h"
#include "playedgame.h"

using namespace model;

namespace {

void play(PlayedGame& g, const Model& m, const Event& e) {
    auto square = [&](int i) { return centreOf(window::Name::Label1, i); };
    switch (e.kind) {
        case Ev::Square:
            g.clickAt(square(e.arg));
            break;
        case Ev::Outline:
            g.clickAt(pixelRect(window::Name::Label1, e.arg).topLeft() + QPoint(1, 1));
            break;
        case Ev::OtherButton:
            g.clickAt(square(e.arg), e.arg % 2 ? Qt::RightButton : Qt::MiddleButton);
            break;
        case Ev::Double:
            QTest::mouseDClick(g.window(), Qt::LeftButton, Qt::NoModifier, square(e.arg));
            break;
        case Ev::PressDarkRelease:
            QTest::mousePress(g.window(), Qt::LeftButton, Qt::NoModifier, square(e.arg));
            g.tickTimer2();
            QTest::mouseRelease(g.window(), Qt::LeftButton, Qt::NoModifier, square(e.arg));
            break;
        case Ev::Start:
            g.clickAt(kStart);
            break;
        case Ev::Stop:
            g.clickAt(kStop);
            break;
        case Ev::Konec:
            g.clickAt(kKonec);
            break;
        case Ev::Dot:
            g.clickAt(kDot);
            break;
        case Ev::Spot:
            g.clickAt(kSpot);
            break;
        case Ev::Score:
            g.clickAt(kScore);
            break;
        case Ev::Background:
            g.clickAt(kBackground);
            break;
        case Ev::Picture:
            g.clickAt(kPicture);
            break;
        case Ev::Tick1:
            g.tickTimer1();
            break;
        case Ev::Tick2:
            g.tickTimer2();
            break;
        case Ev::Key:
            QTest::keyClick(g.window(), Qt::Key_Space);
            break;
        case Ev::Tab:
            QTest::keyClick(g.window(), Qt::Key_Tab);
            break;
        case Ev::Aim:
            g.clickAt(square(m.aimedSquare(e.arg)));
            break;
        case Ev::Count:
            break;
    }
}

QString describe(const Event& e) {
    static const char* names[] = {
        "square",     "outline", "other-button", "double", "press-dark-release",
        "Start",      "Stop",    "dot",          "spot",   "score",
        "background", "tick1",   "tick2",        "key",    "tab",
        "aim",        "Konec",   "picture"};
    QString s = QString::fromLatin1(names[int(e.kind)]);
    if (e.kind <= Ev::PressDarkRelease || e.kind == Ev::Aim) {
        s += QStringLiteral("(%1)").arg(e.arg);
    }
    return s;
}

// Compares the window with the model; returns what differs, or nothing.
QString mismatch(PlayedGame& g, const Model& m) {
    window::Form1& f = g.form();
    QStringList d;
    auto check = [&](const char* what, auto actual, auto expected) {
        if (actual != expected) {
            d << QStringLiteral("%1 is %2, model says %3").arg(what).arg(actual).arg(expected);
        }
    };
    check("ended", g.ended(), m.ended);
    if (m.ended) {
        check("exit status", g.exitStatus(), 0);
        return d.join(QStringLiteral("; "));
    }
    check("hit count", int(g.state().HitCount), m.hits);
    check("score", f.Label3().caption(), m.score);
    check("picture height", double(f.Image1().height()), m.height);
    for (std::int16_t i = 0; i < 9; ++i) {
        if (f.Label1(i).visible() != m.lit[i]) {
            d << QStringLiteral("square %1 lit is %2").arg(i).arg(f.Label1(i).visible());
        }
    }
    check("Start shown", f.Command1().visible(), m.buttonsShown);
    check("Stop shown", f.Command2().visible(), m.buttonsShown);
    check("Konec shown", f.Command3().visible(), m.buttonsShown);
    check("Start enabled", f.Command1().enabled(), m.startEnabled);
    check("Stop enabled", f.Command2().enabled(), m.stopEnabled);
    check("Timer1 on", f.Timer1().enabled(), m.timer1);
    check("instructions shown", f.Label5().visible(), m.instructions);
    check("end message shown", f.Label7().visible(), m.endMessage);
    QWidget* const buttons[] = {f.Command1().widget(), f.Command2().widget(),
                                f.Command3().widget(), nullptr};
    check("focus on button", int(std::find(std::begin(buttons), std::end(buttons),
                                            QApplication::focusWidget()) -
                                  std::begin(buttons)),
          m.focus);
    return d.join(QStringLiteral("; "));
}

// Plays a sequence on a fresh game; returns the first mismatch and where.
QString run(const std::vector<Event>& events, int* failedAt = nullptr) {
    PlayedGame g;
    Model m;
    for (size_t i = 0; i < events.size(); ++i) {
        play(g, m, events[i]);
        m.apply(events[i]);
        const QString d = mismatch(g, m);
        if (!d.isEmpty()) {
            if (failedAt) {
                *failedAt = int(i);
            }
            return d;
        }
        if (m.ended) {
            break;
        }
    }
    return {};
}

// Drops events one at a time while the sequence still fails.
std::vector<Event> shorten(std::vector<Event> events) {
    int at = 0;
    run(events, &at);
    events.resize(size_t(at) + 1);
    for (size_t i = 0; i < events.size();) {
        std::vector<Event> fewer = events;
        fewer.erase(fewer.begin() + long(i));
        if (!run(fewer).isEmpty()) {
            events = fewer;
        } else {
            ++i;
        }
    }
    return events;
}

std::vector<Event> randomSequence(std::mt19937& rng, int length, bool steady) {
    // Ticks and square clicks dominate, as in play; a sequence may end with
    // one of the events that end the program. A steady player leaves the dot
    // and the keyboard alone, so the game lasts past thirty hits.
    std::discrete_distribution<int> kind(
        steady ? std::initializer_list<double>{4, 1, 1, 1, 1, 2, 1, 0, 1, 1, 1, 16, 10, 0, 0, 20}
               : std::initializer_list<double>{8, 2, 2, 2, 2, 3, 2, 1, 1, 1, 1, 16, 10, 2, 1, 12});
    std::uniform_int_distribution<int> square(0, 8);
    std::vector<Event> events;
    for (int i = 0; i < length; ++i) {
        events.push_back({Ev(kind(rng)), square(rng)});
    }
    switch (rng() % 4) {
        case 0:
            events.push_back({Ev::Konec});
            break;
        case 1:
            events.push_back({Ev::Picture});
            break;
        default:
            break;
    }
    return events;
}

}  // namespace

class tst_Model : public QObject {
    Q_OBJECT

private slots:
    void randomPlayShouldMatchModel_data();
    void randomPlayShouldMatchModel();
    void strayInputShouldChangeNothing_data();
    void strayInputShouldChangeNothing();
};

void tst_Model::randomPlayShouldMatchModel_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("sequences");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("steady");
    QTest::newRow("short games") << 1u << 300 << 20 << false;
    QTest::newRow("long games") << 2u << 60 << 150 << false;
    QTest::newRow("to the end and past") << 3u << 30 << 400 << true;
}

/** Whatever is clicked, pressed or ticked in whatever state, the window does
 *  what the rules say. */
void tst_Model::randomPlayShouldMatchModel() {
    QFETCH(unsigned, seed);
    QFETCH(int, sequences);
    QFETCH(int, length);
    QFETCH(bool, steady);
    std::mt19937 rng(seed);
    for (int s = 0; s < sequences; ++s) {
        const std::vector<Event> events = randomSequence(rng, length, steady);
        const QString failure = run(events);
        if (!failure.isEmpty()) {
            const std::vector<Event> shortest = shorten(events);
            QStringList steps;
            for (const Event& e : shortest) {
                steps << describe(e);
            }
            QFAIL(qPrintable(QStringLiteral("sequence %1 of seed %2: %3\n  after: %4")
                                 .arg(s)
                                 .arg(seed)
                                 .arg(run(shortest), steps.join(QStringLiteral(", ")))));
        }
    }
}

// Everything a player can see of the game, to compare before and after.
QString snapshot(PlayedGame& g) {
    window::Form1& f = g.form();
    QString s = QStringLiteral("%1 %2 %3 %4%5%6 %7%8 %9")
                    .arg(g.state().HitCount)
                    .arg(f.Label3().caption())
                    .arg(f.Image1().height())
                    .arg(f.Command1().visible())
                    .arg(f.Command1().enabled())
                    .arg(f.Command2().enabled())
                    .arg(f.Timer1().enabled())
                    .arg(f.Label7().visible())
                    .arg(g.ended());
    for (std::int16_t i = 0; i < 9; ++i) {
        s += f.Label1(i).visible() ? QLatin1Char('#') : QLatin1Char('.');
    }
    return s;
}

/** Other mouse buttons anywhere and keys other than Space do nothing, in
 *  every state of the game. */
void tst_Model::strayInputShouldChangeNothing_data() {
    QTest::addColumn<QList<int>>("setup");  // Ev values played first
    const int start = int(Ev::Start), tick1 = int(Ev::Tick1), aim = int(Ev::Aim);
    QTest::newRow("ready") << QList<int>{};
    QTest::newRow("running, squares lit") << QList<int>{start, tick1, tick1, tick1};
    QTest::newRow("paused") << QList<int>{start, tick1, int(Ev::Stop)};
    QList<int> finished{start, tick1};
    for (int i = 0; i < 30; ++i) {
        finished << aim;
    }
    QTest::newRow("finished") << finished;
    QTest::newRow("buttons hidden") << QList<int>{start, tick1, int(Ev::Dot), int(Ev::Spot)};
}

void tst_Model::strayInputShouldChangeNothing() {
    QFETCH(QList<int>, setup);
    PlayedGame g;
    Model m;
    for (int e : setup) {
        play(g, m, {Ev(e)});
        m.apply({Ev(e)});
    }
    const QString before = snapshot(g);
    QList<QPoint> points{kStart, kStop, kKonec, kDot, kSpot, kScore, kBackground, kPicture};
    for (int square = 0; square < window::kSquareCount; ++square) {
        points << centreOf(window::Name::Label1, square);
    }
    for (const QPoint& p : points) {
        for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton, Qt::BackButton}) {
            g.clickAt(p, b);
            QTest::mouseDClick(g.window(), b, Qt::NoModifier, p);
        }
    }
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_F1,
                    Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                    Qt::Key_Right, Qt::Key_Backtab}) {
        QTest::keyClick(g.window(), Qt::Key(key));
    }
    QCOMPARE(snapshot(g), before);
}

QTEST_MAIN(tst_Model)
#include "tst_model.moc"
