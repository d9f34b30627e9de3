// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The benchmark's yardstick: a bare Qt Widgets window of the game's size with
// one label, one button and two timers doing the game's kind of work (a cell
// lit every 400 ms, darkened every 600 ms; the label counts button clicks).
// With --probe N it records its ticks for N seconds and prints them.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "cells.h"
#include "tickprobe.h"

namespace {
// The game's places: a square's cell, the score and Start.
const QRect kCell = pixelRect(window::Name::Label1, 6);

class Window : public QWidget {
public:
    bool lit = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (lit) {
            QPainter(this).fillRect(kCell, litColour());
        }
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.resize(clientSize());
    QLabel label(QStringLiteral("0"), &window);
    label.setGeometry(pixelRect(window::Name::Label3));
    QPushButton button(QStringLiteral("Start"), &window);
    button.setGeometry(pixelRect(window::Name::Command1));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked,
                     [&] { label.setText(QString::number(++clicks)); });
    QTimer light;
    QTimer darken;
    for (QTimer* t : {&light, &darken}) {
        t->setTimerType(Qt::PreciseTimer);
    }
    QObject::connect(&light, &QTimer::timeout, [&] {
        window.lit = true;
        window.update(kCell);
    });
    QObject::connect(&darken, &QTimer::timeout, [&] {
        window.lit = false;
        window.update(kCell);
    });
    light.start(400);
    darken.start(600);
    window.show();
    if (argc == 3 && QByteArray(argv[1]) == "--probe") {
        probeFor(QByteArray(argv[2]).toInt());
    }
    return app.exec();
}
