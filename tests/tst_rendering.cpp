// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What the window looks like, read from a grab of it: the lit colour in the
// right cell, the picture uncovered row by row, the texts fitting their
// labels in the faces that stand in for the layout's fonts.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QtMath>

#include "cells.h"
#include "playedgame.h"
#include "qt/fonts.h"
#include "window/picture.h"

namespace {
const QPoint kPictureOrigin = pixelRect(window::Name::Image1).topLeft();

QImage grab(PlayedGame& g) {
    return g.windowWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage picture() {
    return QImage::fromData(window::pictureJpeg().data(), int(window::pictureJpeg().size()))
        .convertToFormat(QImage::Format_RGB32);
}

// Whether row y of the picture shows at its place in the window.
bool pictureRowShows(const QImage& shot, const QImage& pic, int y) {
    for (int x = 0; x < pic.width(); x += 7) {
        if (shot.pixel(kPictureOrigin + QPoint(x, y)) != pic.pixel(x, y)) {
            return false;
        }
    }
    return true;
}

// Whether row y of the picture area shows only the window's background.
bool rowIsBackground(const QImage& shot, QRgb background, int y) {
    for (int x = 0; x < 250; x += 7) {
        if (shot.pixel(kPictureOrigin + QPoint(x, y)) != background) {
            return false;
        }
    }
    return true;
}

void requireFont(const QString& family) {
    if (!QFontDatabase::families().contains(family)) {
        QFAIL(qPrintable(family + " is not installed (Debian: fonts-liberation)"));
    }
}
}  // namespace

class tst_Rendering : public QObject {
    Q_OBJECT

private slots:
    void builtInPictureShouldDecode();
    void litSquareShouldFillItsCell_data();
    void litSquareShouldFillItsCell();
    void hitsShouldUncoverWholeRowsOnly_data();
    void hitsShouldUncoverWholeRowsOnly();
    void layoutFontsShouldResolveToMetricTwins_data();
    void layoutFontsShouldResolveToMetricTwins();
    void textsShouldFitTheirLabels_data();
    void textsShouldFitTheirLabels();
    void scaledWindowShouldStayWhole();
};

/** The picture is inside the program and Qt can decode it. */
void tst_Rendering::builtInPictureShouldDecode() {
    const QImage image = picture();
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(window::kPictureWidthPixels, window::kPictureHeightPixels));
}

/** The lit colour fills the inside of the cell the chosen square sits in,
 *  inside a 3-pixel black frame, and the other cells stay empty. */
void tst_Rendering::litSquareShouldFillItsCell_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("square");  // the one the fixed generator lights
    QTest::newRow("square 6, bottom right") << 1 << 6;
    QTest::newRow("square 4, centre") << 2 << 4;
}

void tst_Rendering::litSquareShouldFillItsCell() {
    QFETCH(int, ticks);
    QFETCH(int, square);
    const QPoint cell = pixelRect(window::Name::Label1, square).topLeft();
    PlayedGame g;
    g.click(g.control<window::ControlId::Command1>());
    for (int i = 0; i < ticks; ++i) {
        g.tickTimer2();  // only the last tick's square stays lit
        g.tickTimer1();
    }
    const QImage shot = grab(g);
    const QRgb lit = litColour();
    const QRgb background = shot.pixel(backgroundSpot());
    for (QPoint p : {QPoint(3, 3), QPoint(40, 16), QPoint(77, 29)}) {
        QCOMPARE(shot.pixel(cell + p), lit);
    }
    for (QPoint p : {QPoint(0, 0), QPoint(2, 16), QPoint(80, 32)}) {
        QCOMPARE(shot.pixel(cell + p), qRgb(0, 0, 0));
    }
    QCOMPARE(shot.pixel(centreOf(window::Name::Label1, 0)), background);  // top left, dark
}

/** One hit shows the top 13 rows and not the 14th; thirty all 397; the
 *  hidden spot all 397 at once. */
void tst_Rendering::hitsShouldUncoverWholeRowsOnly_data() {
    QTest::addColumn<int>("hits");
    QTest::addColumn<bool>("hiddenSpot");
    QTest::addColumn<int>("rows");
    QTest::newRow("no hit") << 0 << false << 0;
    QTest::newRow("one hit") << 1 << false << 13;
    QTest::newRow("two hits") << 2 << false << 26;
    QTest::newRow("thirty hits") << 30 << false << 397;
    QTest::newRow("hidden spot") << 0 << true << 397;
}

void tst_Rendering::hitsShouldUncoverWholeRowsOnly() {
    QFETCH(int, hits);
    QFETCH(bool, hiddenSpot);
    QFETCH(int, rows);
    PlayedGame g;
    g.startAndLight(1);
    for (int i = 0; i < hits; ++i) {
        QVERIFY(g.hitLitSquare());
    }
    if (hiddenSpot) {
        g.click(g.control<window::ControlId::Label8>());
    }
    g.click(g.control<window::ControlId::Label2>());  // buttons away, so every row can be seen
    const QImage shot = grab(g);
    const QImage pic = picture();
    const QRgb background = shot.pixel(backgroundSpot());
    for (int y = 0; y < rows; ++y) {
        QVERIFY2(pictureRowShows(shot, pic, y), qPrintable(QStringLiteral("row %1").arg(y)));
    }
    if (rows < pic.height()) {
        QVERIFY2(rowIsBackground(shot, background, rows), "the next row shows already");
    }
}

/** The layout's Windows faces are drawn with their metric twins. */
void tst_Rendering::layoutFontsShouldResolveToMetricTwins_data() {
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("family");
    QTest::newRow("default") << int(window::FontId::Plain) << "Liberation Sans";
    QTest::newRow("score") << int(window::FontId::Score) << "Liberation Sans";
    QTest::newRow("hits caption") << int(window::FontId::HitsCaption) << "Liberation Serif";
    QTest::newRow("end message") << int(window::FontId::EndMessage) << "Liberation Sans";
}

void tst_Rendering::layoutFontsShouldResolveToMetricTwins() {
    QFETCH(int, font);
    QFETCH(QString, family);
    PlayedGame g;  // installs the substitutions as the program does
    requireFont(family);
    const QFont qfont = qt::toQFont(window::kFonts[static_cast<std::size_t>(font)]);
    QCOMPARE(QFontInfo(qfont).family(), family);
}

/** Every text stays inside its label as the label draws it: the
 *  instructions wrap within theirs, and a text that fits on one line is drawn
 *  on one line, not broken at its last word. */

void tst_Rendering::textsShouldFitTheirLabels_data() {
    QTest::addColumn<window::ControlId>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("oneLine");
    const auto caption = [](window::Name n) {
        return QString::fromUtf8(window::record(n).caption);
    };
    using window::ControlId;
    using window::Name;
    QTest::newRow("instructions") << ControlId::Label5 << caption(Name::Label5) << false;
    QTest::newRow("hits caption") << ControlId::Label4 << caption(Name::Label4) << true;
    QTest::newRow("end message") << ControlId::Label7 << caption(Name::Label7) << true;
    QTest::newRow("credit") << ControlId::Label6 << caption(Name::Label6) << true;
    QTest::newRow("score 32767") << ControlId::Label3 << QStringLiteral("32767") << true;
    QTest::newRow("Konec") << ControlId::Label3 << QStringLiteral("Konec") << true;
}

void tst_Rendering::textsShouldFitTheirLabels() {
    QFETCH(window::ControlId, label);
    QFETCH(QString, text);
    QFETCH(bool, oneLine);
    requireFont(QStringLiteral("Liberation Sans"));
    requireFont(QStringLiteral("Liberation Serif"));
    PlayedGame g;
    auto& l = static_cast<runtime::Label&>(*g.frontend().components.at(std::size_t(label)));
    l.setCaption(text.toStdString());
    l.setVisible(true);
    QWidget* w = g.widget(l);
    const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = shot.pixel(shot.width() - 1, shot.height() - 1);
    QRect ink;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != background) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    QVERIFY(!ink.isEmpty());
    // Ink up to the right or bottom edge is text cut off by the label. The
    // grab has the screen's pixels, which may be more than the label's.
    QVERIFY2(ink.right() < shot.width() - 1 && ink.bottom() < shot.height() - 1,
             qPrintable(QStringLiteral("ink %1,%2 %3x%4 in a %5x%6 label")
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())
                            .arg(shot.width())
                            .arg(shot.height())));
    const qreal scale = w->devicePixelRatioF();
    const QFontMetrics metrics(w->font());
    const int lineWidth = qFloor(metrics.tightBoundingRect(text).width() * scale);
    const int lineHeight = qCeil(metrics.height() * scale);
    if (oneLine) {  // the whole text's ink, side by side
        QVERIFY2(ink.width() >= lineWidth - 2 * qCeil(scale),
                 qPrintable(QStringLiteral("%1 of %2 pixels drawn on the first line")
                                .arg(ink.width())
                                .arg(lineWidth)));
        QVERIFY(ink.height() <= lineHeight);
    } else {
        QVERIFY(ink.height() > lineHeight);
    }
}

/** However many screen pixels a logical pixel takes (the tests run again at
 *  QT_SCALE_FACTOR 1.25, 1.5 and 2): each outline frames its square with no
 *  gap and no overlap, one hit uncovers 13 logical rows of the picture, and
 *  the whole picture is drawn smoothly scaled, with no seam between strips. */
void tst_Rendering::scaledWindowShouldStayWhole() {
    PlayedGame g;
    QWidget* window = g.windowWidget();
    const qreal d = window->devicePixelRatioF();
    const auto device = [d](QPoint p) { return QPoint(qRound(p.x() * d), qRound(p.y() * d)); };
    g.startAndLight(1);  // square 6
    QVERIFY(g.hitLitSquare());
    QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = shot.pixel(device(backgroundSpot()));
    // Past the edge the window ends, so a walk ends there too.
    const auto at = [&](QPoint p) { return shot.valid(p) ? shot.pixel(p) : background; };

    // From the middle of the lit square outwards: light red, then the
    // outline's dark line 3 logical pixels wide, then the window.
    const QPoint middle = device(centreOf(window::Name::Label1, 6));
    for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        QPoint p = middle;
        while (at(p) == litColour()) {
            p += step;
        }
        int line = 0;
        for (; qGray(at(p)) < 64; p += step) {
            ++line;
        }
        QVERIFY2(line >= qFloor(3 * d) && line <= qCeil(3 * d),
                 qPrintable(QStringLiteral("outline %1 pixels wide at %2").arg(line).arg(d)));
        QCOMPARE(at(p), background);
    }

    // One hit: 13 logical rows of the picture, whatever the scale.
    const QPoint column = device(kPictureOrigin + QPoint(20, 0));
    int rows = 0;
    while (at(column + QPoint(0, rows)) != background) {
        ++rows;
    }
    QVERIFY2(rows >= qFloor(13 * d) && rows <= qCeil(13 * d),
             qPrintable(QStringLiteral("%1 rows at %2").arg(rows).arg(d)));

    // The whole picture against one smooth scaling of it: no row stands out.
    g.click(g.control<window::ControlId::Label8>());
    g.click(g.control<window::ControlId::Label2>());  // the buttons out of the way
    shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = picture().scaled(qRound(250 * d), qRound(397 * d),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPoint origin = device(kPictureOrigin);
    for (int y = 1; y < expected.height() - 1; ++y) {
        int difference = 0;
        for (int x = 1; x < expected.width() - 1; ++x) {
            const QRgb a = shot.pixel(origin + QPoint(x, y));
            const QRgb b = expected.pixel(x, y);
            difference += qAbs(qGray(a) - qGray(b));
        }
        QVERIFY2(difference / (expected.width() - 2) <= 12,
                 qPrintable(QStringLiteral("row %1 differs by %2 on average at %3")
                                .arg(y)
                                .arg(difference / (expected.width() - 2))
                                .arg(d)));
    }
}

QTEST_MAIN(tst_Rendering)
#include "tst_rendering.moc"
