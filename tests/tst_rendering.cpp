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

#include "playedgame.h"
#include "window/picture.h"

namespace {
constexpr QPoint kPictureOrigin(472, 8);

QImage grab(PlayedGame& g) {
    return g.form().form().widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage picture() {
    return QImage(QString::fromLatin1(window::kPictureResource))
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
    QTest::addColumn<QPoint>("cell");  // top-left of the lit cell
    QTest::newRow("square 6, bottom right") << 1 << QPoint(320, 176);
    QTest::newRow("square 4, centre") << 2 << QPoint(184, 104);
}

void tst_Rendering::litSquareShouldFillItsCell() {
    QFETCH(int, ticks);
    QFETCH(QPoint, cell);
    PlayedGame g;
    g.click(g.form().Command1());
    for (int i = 0; i < ticks; ++i) {
        g.tickTimer2();  // only the last tick's square stays lit
        g.tickTimer1();
    }
    const QImage shot = grab(g);
    const QRgb lit = qRgb(255, 128, 128);
    const QRgb background = shot.pixel(450, 50);
    for (QPoint p : {QPoint(3, 3), QPoint(40, 16), QPoint(77, 29)}) {
        QCOMPARE(shot.pixel(cell + p), lit);
    }
    for (QPoint p : {QPoint(0, 0), QPoint(2, 16), QPoint(80, 32)}) {
        QCOMPARE(shot.pixel(cell + p), qRgb(0, 0, 0));
    }
    const QPoint topLeftCell(40, 32);
    QCOMPARE(shot.pixel(topLeftCell + QPoint(40, 16)), background);
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
        g.click(g.form().Label8());
    }
    g.click(g.form().Label2());  // buttons away, so every row can be seen
    const QImage shot = grab(g);
    const QImage pic = picture();
    const QRgb background = shot.pixel(450, 50);
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
    const QFont qfont = runtime::toQFont(window::kFonts[static_cast<std::size_t>(font)]);
    QCOMPARE(QFontInfo(qfont).family(), family);
}

/** Every text stays inside its label: the instructions wrap within theirs and
 *  both the score and "Konec" fit the score label. */
void tst_Rendering::textsShouldFitTheirLabels_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    using window::ControlId;
    auto row = [](const char* name, ControlId id, const QString& text) {
        QTest::newRow(name) << int(id) << text;
    };
    const auto caption = [](ControlId id) { return QString::fromUtf8(window::record(id).caption); };
    row("instructions", ControlId::Label5, caption(ControlId::Label5));
    row("hits caption", ControlId::Label4, caption(ControlId::Label4));
    row("end message", ControlId::Label7, caption(ControlId::Label7));
    row("credit", ControlId::Label6, caption(ControlId::Label6));
    row("score 32767", ControlId::Label3, QStringLiteral("32767"));
    row("Konec", ControlId::Label3, QStringLiteral("Konec"));
    row("Start", ControlId::Command1, caption(ControlId::Command1));
}

void tst_Rendering::textsShouldFitTheirLabels() {
    QFETCH(int, id);
    QFETCH(QString, text);
    PlayedGame g;
    requireFont(QStringLiteral("Liberation Sans"));
    requireFont(QStringLiteral("Liberation Serif"));
    QWidget* w = g.form().control(window::ControlId(id))->widget();
    const QFontMetrics metrics(w->font());
    const bool oneLine = metrics.horizontalAdvance(text) <= w->width();
    const QRect needed = metrics.boundingRect(QRect(0, 0, w->width(), 10000),
                                              oneLine ? 0 : int(Qt::TextWordWrap), text);
    // On one line the ink, not the advance box, must stay inside.
    const int wide = oneLine ? metrics.tightBoundingRect(text).right() + 1 : needed.width();
    QVERIFY2(wide <= w->width(),
             qPrintable(QStringLiteral("%1 > %2 wide").arg(wide).arg(w->width())));
    // Glyphs must not be cut at the bottom; the line's spare descent may be.
    const int inked = needed.height() - metrics.descent() + 1;
    QVERIFY2(inked <= w->height(),
             qPrintable(QStringLiteral("%1 > %2 high").arg(inked).arg(w->height())));
}

QTEST_MAIN(tst_Rendering)
#include "tst_rendering.moc"
