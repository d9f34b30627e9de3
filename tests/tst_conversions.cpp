// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The runtime's arithmetic and conversions: the exact values they give and
// the run-time errors they raise at their limits.
#include <QTest>
#include <cmath>
#include <limits>

#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "runtime/twips.h"

class tst_Conversions : public QObject {
    Q_OBJECT

private slots:
    void integerTextShouldBeBareDigits_data();
    void integerTextShouldBeBareDigits();
    void toIntegerShouldRoundHalvesToEven_data();
    void toIntegerShouldRoundHalvesToEven();
    void toIntegerShouldOverflowOutsideRange_data();
    void toIntegerShouldOverflowOutsideRange();
    void wholePartShouldRoundDown_data();
    void wholePartShouldRoundDown();
    void toSingleShouldRoundOrOverflow();
    void twipsShouldCoverWholePixels_data();
    void twipsShouldCoverWholePixels();
    void pointsShouldBecomePixelsAt96Dpi_data();
    void pointsShouldBecomePixelsAt96Dpi();
};

/** The score shows no sign, blank or leading zero for a count. */
void tst_Conversions::integerTextShouldBeBareDigits_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("one digit") << 7 << "7";
    QTest::newRow("thirty") << 30 << "30";
    QTest::newRow("largest") << 32767 << "32767";
    QTest::newRow("negative") << -5 << "-5";
    QTest::newRow("smallest") << -32768 << "-32768";
}

void tst_Conversions::integerTextShouldBeBareDigits() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(runtime::integerText(static_cast<std::int16_t>(value)), text);
}

/** Whole values convert exactly; halves go to the even neighbour. */
void tst_Conversions::toIntegerShouldRoundHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("eight") << 8.0 << 8;
    QTest::newRow("half down to even") << 2.5 << 2;
    QTest::newRow("half up to even") << 3.5 << 4;
    QTest::newRow("negative half") << -0.5 << 0;
    QTest::newRow("negative half down to even") << -1.5 << -2;
    QTest::newRow("negative half up to even") << -2.5 << -2;
    QTest::newRow("bottom half up to even") << -32768.5 << -32768;
    QTest::newRow("near top") << 32767.4 << 32767;
    QTest::newRow("near bottom") << -32768.4 << -32768;
}

void tst_Conversions::toIntegerShouldRoundHalvesToEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(static_cast<int>(runtime::toInteger(value)), expected);
}

void tst_Conversions::toIntegerShouldOverflowOutsideRange_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("one past top") << 32768.0;
    QTest::newRow("rounds past top") << 32767.5;
    QTest::newRow("one past bottom") << -32769.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

void tst_Conversions::toIntegerShouldOverflowOutsideRange() {
    QFETCH(double, value);
    try {
        runtime::toInteger(value);
        QFAIL("no overflow raised");
    } catch (const runtime::RuntimeError& e) {
        QCOMPARE(e.number(), runtime::kOverflowError);
    }
}

void tst_Conversions::wholePartShouldRoundDown_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("just below 9") << 8.999999 << 8.0;
    QTest::newRow("whole") << 3.0 << 3.0;
    QTest::newRow("negative") << -0.5 << -1.0;
    QTest::newRow("negative whole") << -3.0 << -3.0;
    QTest::newRow("tiny negative") << -1e-300 << -1.0;
    QTest::newRow("beyond 2^53") << 0x1p53 + 2 << 0x1p53 + 2;
    QTest::newRow("beyond -2^63") << -0x1p64 << -0x1p64;
}

void tst_Conversions::wholePartShouldRoundDown() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(runtime::wholePart(value), expected);
}

/** A single plus a double is summed in double, and only then rounded to the
 *  nearest single; beyond single range the rounding overflows. */
void tst_Conversions::toSingleShouldRoundOrOverflow() {
    QCOMPARE(runtime::toSingle(198.5), 198.5f);
    QCOMPARE(runtime::toSingle(0.1), 0.1f);
    QVERIFY(runtime::add(0.1f, 0.2) != static_cast<double>(0.1f + 0.2f));
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, runtime::toSingle(1e39));
    QVERIFY(std::isinf(runtime::toSingle(std::numeric_limits<double>::infinity())));
}

/** A strip of the picture shows only the pixel rows it covers completely. */
void tst_Conversions::twipsShouldCoverWholePixels_data() {
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("nothing") << 0.0f << 0;
    QTest::newRow("under one pixel") << 14.9f << 0;
    QTest::newRow("one pixel") << 15.0f << 1;
    QTest::newRow("two hits") << 397.0f << 26;
    QTest::newRow("whole picture") << 5955.0f << 397;
    QTest::newRow("one step past") << 6153.5f << 410;
    QTest::newRow("window width") << 11640.0f << 776;
}

void tst_Conversions::twipsShouldCoverWholePixels() {
    QFETCH(float, twips);
    QFETCH(int, pixels);
    QCOMPARE(runtime::twipsToPixels(twips), pixels);
}

void tst_Conversions::pointsShouldBecomePixelsAt96Dpi_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("default") << 8.0 << 11;
    QTest::newRow("end message") << 12.0 << 16;
    QTest::newRow("hits caption") << 15.75 << 21;
    QTest::newRow("score") << 24.0 << 32;
}

void tst_Conversions::pointsShouldBecomePixelsAt96Dpi() {
    QFETCH(double, points);
    QFETCH(int, pixels);
    QCOMPARE(runtime::pointsToPixels(points), pixels);
}

QTEST_GUILESS_MAIN(tst_Conversions)
#include "tst_conversions.moc"
