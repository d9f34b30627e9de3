// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game's rules on their own, without a window: counting, the score text,
// the end test, the growth of the picture and the choice of a square.
#include <QTest>
#include <limits>

#include "game/gamestate.h"
#include "game/rules.h"
#include "runtime/errors.h"

using namespace game;

class tst_Rules : public QObject {
    Q_OBJECT

private slots:
    void hitShouldCountOne_data();
    void hitShouldCountOne();
    void hitAtLimitShouldOverflowAndKeepCount();
    void endTestShouldHoldOnlyAtThirty_data();
    void endTestShouldHoldOnlyAtThirty();
    void pictureShouldGrowByOneStep_data();
    void pictureShouldGrowByOneStep();
    void thirtyHitsShouldUncoverWholePicture();
    void squareShouldBeWholeAndBelowNine_data();
    void squareShouldBeWholeAndBelowNine();
};

void tst_Rules::hitShouldCountOne_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("score");
    QTest::newRow("first") << 0 << 1 << "1";
    QTest::newRow("thirtieth") << 29 << 30 << "30";
    QTest::newRow("after the end") << 30 << 31 << "31";
    QTest::newRow("last that fits") << 32766 << 32767 << "32767";
}

void tst_Rules::hitShouldCountOne() {
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QString, score);
    const std::int16_t count = countHit(static_cast<std::int16_t>(before));
    QCOMPARE(count, after);
    QCOMPARE(scoreText(count), score);
}

/** The hit after 32767 overflows instead of wrapping to -32768. */
void tst_Rules::hitAtLimitShouldOverflowAndKeepCount() {
    try {
        countHit(std::numeric_limits<std::int16_t>::max());
        QFAIL("no overflow raised");
    } catch (const runtime::RuntimeError& e) {
        QCOMPARE(e.number(), runtime::kOverflowError);
    }
}

/** The game ends once, on the thirtieth hit, never again after it. */
void tst_Rules::endTestShouldHoldOnlyAtThirty_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("holds");
    QTest::newRow("start") << 0 << false;
    QTest::newRow("29") << 29 << false;
    QTest::newRow("30") << 30 << true;
    QTest::newRow("31") << 31 << false;
    QTest::newRow("32") << 32 << false;
}

void tst_Rules::endTestShouldHoldOnlyAtThirty() {
    QFETCH(int, count);
    QFETCH(bool, holds);
    QCOMPARE(endTestHolds(static_cast<std::int16_t>(count)), holds);
}

/** Each hit adds exactly 198.5 twips to the height read back. */
void tst_Rules::pictureShouldGrowByOneStep_data() {
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("grown");
    QTest::newRow("covered") << 0.0f << 198.5f;
    QTest::newRow("one step") << 198.5f << 397.0f;
    QTest::newRow("a rounded height") << 195.0f << 393.5f;
    QTest::newRow("whole picture") << 5955.0f << 6153.5f;
}

void tst_Rules::pictureShouldGrowByOneStep() {
    QFETCH(float, height);
    QFETCH(float, grown);
    QCOMPARE(revealStep(kFullPictureHeight), 198.5);
    QCOMPARE(grownHeight(height, kFullPictureHeight), grown);
}

/** Thirty steps land on the full 5955 twips with no drift; a 31st passes it. */
void tst_Rules::thirtyHitsShouldUncoverWholePicture() {
    float height = 0.0f;
    for (int hit = 1; hit <= HitsToWin; ++hit) {
        height = grownHeight(height, kFullPictureHeight);
        QCOMPARE(height, static_cast<float>(198.5 * hit));
    }
    QCOMPARE(height, 5955.0f);
    // Before the window loads the height is empty, and empty counts as 0.
    QCOMPARE(grownHeight(10.0f, std::nullopt), 10.0f);
}

/** Every draw below 1 lights one of the nine squares, the top draw square 8. */
void tst_Rules::squareShouldBeWholeAndBelowNine_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("square");
    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("first draw") << 0.7055475f << 6;
    QTest::newRow("just under a ninth") << 0.11111f << 0;
    QTest::newRow("a ninth") << 0.11111112f << 1;
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 8;
}

void tst_Rules::squareShouldBeWholeAndBelowNine() {
    QFETCH(float, r);
    QFETCH(int, square);
    const float lit = chooseSquare(r);
    QCOMPARE(lit, static_cast<float>(square));
    QCOMPARE(squareIndex(lit), square);
}

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"
