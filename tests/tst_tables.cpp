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
#include "runtime/twips.h"
#include "window/layout.h"

using window::ControlId;
using window::kLayout;

namespace {
QRect pixelRect(const window::ControlRecord& r) {
    return QRect(runtime::twipsToPixels(r.left), runtime::twipsToPixels(r.top),
                 runtime::twipsToPixels(r.width), runtime::twipsToPixels(r.height));
}
}  // namespace

class tst_Tables : public QObject {
    Q_OBJECT

private slots:
    void layoutShouldListControlsInStackingOrder();
    void squaresShouldSitInTheirCells_data();
    void squaresShouldSitInTheirCells();
    void controlsShouldHaveTheirPixelRectangles_data();
    void controlsShouldHaveTheirPixelRectangles();
    void buttonsShouldLieOverThePicture();
    void eventTableShouldMapTenDistinctNotifications();
    void unlistedNotificationsShouldFindNoHandler();
};

/** The record order is also the stacking order, the first on top. */
void tst_Tables::layoutShouldListControlsInStackingOrder() {
    const QStringList expected{
        "Command3",  "Command2",  "Timer2",    "Command1",  "Timer1",    "Label8",    "Label7",
        "Label6",    "Label5",    "Shape1(8)", "Shape1(7)", "Shape1(6)", "Shape1(5)", "Shape1(4)",
        "Shape1(3)", "Shape1(2)", "Shape1(1)", "Shape1(0)", "Label4",    "Label3",    "Label2",
        "Image1",    "Label1(8)", "Label1(7)", "Label1(0)", "Label1(6)", "Label1(5)", "Label1(4)",
        "Label1(3)", "Label1(2)", "Label1(1)"};
    QStringList actual;
    for (const auto& r : kLayout) {
        QString name = QString::fromLatin1(r.name.data(), static_cast<int>(r.name.size()));
        if (r.index >= 0) {
            name += QStringLiteral("(%1)").arg(r.index);
        }
        actual << name;
    }
    QCOMPARE(actual, expected);
}

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
    const auto& sq = window::record(window::kSquares[static_cast<std::size_t>(square)]);
    const auto& ol = window::record(window::kOutlines[static_cast<std::size_t>(outline)]);
    QCOMPARE(sq.name, std::string_view("Label1"));
    QCOMPARE(int(sq.index), square);
    QCOMPARE(ol.name, std::string_view("Shape1"));
    QCOMPARE(int(ol.index), outline);
    QCOMPARE(pixelRect(sq), cell);
    QCOMPARE(pixelRect(ol), cell);
    QCOMPARE(sq.back, window::kSquareColour);
    // Drawn above its square, so the frame shows whether the square is lit.
    QVERIFY(window::indexOf(ol.id) < window::indexOf(sq.id));
}

void tst_Tables::controlsShouldHaveTheirPixelRectangles_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QRect>("rect");
    auto row = [](const char* name, ControlId id, QRect rect) {
        QTest::newRow(name) << static_cast<int>(id) << rect;
    };
    row("Start", ControlId::Command1, QRect(536, 176, 73, 33));
    row("Stop", ControlId::Command2, QRect(616, 184, 81, 33));
    row("Konec", ControlId::Command3, QRect(520, 336, 81, 41));
    row("score", ControlId::Label3, QRect(248, 304, 105, 33));
    row("hits caption", ControlId::Label4, QRect(80, 304, 145, 33));
    row("instructions", ControlId::Label5, QRect(152, 224, 265, 49));
    row("credit", ControlId::Label6, QRect(24, 384, 97, 17));
    row("end message", ControlId::Label7, QRect(56, 240, 385, 25));
    row("dot", ControlId::Label2, QRect(728, 400, 9, 17));
    row("hidden spot", ControlId::Label8, QRect(744, 192, 25, 33));
    row("picture", ControlId::Image1, QRect(472, 8, 250, 397));
}

void tst_Tables::controlsShouldHaveTheirPixelRectangles() {
    QFETCH(int, id);
    QFETCH(QRect, rect);
    QCOMPARE(pixelRect(kLayout[static_cast<std::size_t>(id)]), rect);
}

/** The buttons are drawn over the picture; the dot and the hidden spot lie
 *  right of it, and the whole layout fits the 776 x 421 client area. */
void tst_Tables::buttonsShouldLieOverThePicture() {
    const QRect picture = pixelRect(window::record(ControlId::Image1));
    for (ControlId id : {ControlId::Command1, ControlId::Command2, ControlId::Command3}) {
        QVERIFY(picture.contains(pixelRect(window::record(id))));
    }
    for (ControlId id : {ControlId::Label2, ControlId::Label8}) {
        QVERIFY(pixelRect(window::record(id)).left() > picture.right());
    }
    const QRect client(0, 0, runtime::twipsToPixels(window::kForm1.clientWidth),
                       runtime::twipsToPixels(window::kForm1.clientHeight));
    QCOMPARE(client.size(), QSize(776, 421));
    for (const auto& r : kLayout) {
        if (r.kind != window::Kind::Timer) {
            QVERIFY2(client.contains(pixelRect(r)), r.name.data());
        }
    }
}

/** Exactly the ten notifications the game answers, each once, each to its
 *  own handler. */
void tst_Tables::eventTableShouldMapTenDistinctNotifications() {
    QSet<QString> pairs;
    QSet<QString> handlers;
    QSet<app::Handler> functions;
    for (const app::EventRow& row : app::kEvents) {
        pairs << QString::fromLatin1(row.source.data(), int(row.source.size())) + '/' +
                     QString::number(int(row.notification));
        handlers << QString::fromLatin1(row.handlerName.data(), int(row.handlerName.size()));
        functions << row.handler;
    }
    QCOMPARE(pairs.size(), 10);
    QCOMPARE(functions.size(), 10);
    const QSet<QString> expected{
        "Form_Load",    "Command1_Click", "Command2_Click", "Command3_Click", "Image1_Click",
        "Label1_Click", "Label2_Click",   "Label8_Click",   "Timer1_Timer",   "Timer2_Timer"};
    QCOMPARE(handlers, expected);
}

/** Clicks on decoration and ticks on the wrong control reach nothing. */
void tst_Tables::unlistedNotificationsShouldFindNoHandler() {
    using app::Notification;
    QVERIFY(app::findEvent("Label3", Notification::Click) == nullptr);
    QVERIFY(app::findEvent("Shape1", Notification::Click) == nullptr);
    QVERIFY(app::findEvent("Form1", Notification::Click) == nullptr);
    QVERIFY(app::findEvent("Timer1", Notification::Click) == nullptr);
    QVERIFY(app::findEvent("Label1", Notification::Timer) == nullptr);
    QCOMPARE(app::findEvent("Label1", Notification::Click)->handlerName,
             std::string_view("Label1_Click"));
}

QTEST_GUILESS_MAIN(tst_Tables)
#include "tst_tables.moc"
