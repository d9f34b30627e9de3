// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Accessible names and descriptions for Form1's controls.
#include "accessibility.h"

#include <QString>

#include "form1.h"

namespace window {

namespace {

// The outline that shares a square's cell.
std::int16_t outlineOf(std::int16_t square) {
    const ControlRecord& sq = record(kSquares[static_cast<std::size_t>(square)]);
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(kOutlines.size()); ++i) {
        const ControlRecord& ol = record(kOutlines[static_cast<std::size_t>(i)]);
        if (ol.left == sq.left && ol.top == sq.top) {
            return i;
        }
    }
    return 0;
}

QString cellName(std::int16_t outline, bool lit) {
    return QStringLiteral("Políčko %1: %2")
        .arg(QString::fromUtf8(kCellNames[static_cast<std::size_t>(outline)]),
             lit ? QStringLiteral("svítí") : QStringLiteral("nesvítí"));
}

}  // namespace

void describeForAccessibility(Form1& form) {
    for (const AccessibleText& t : kAccessibleTexts) {
        runtime::Control* c = form.control(t.id);
        c->setAccessibleName(QString::fromUtf8(t.name));
        if (t.description) {
            c->setAccessibleDescription(QString::fromUtf8(t.description));
        }
    }
    form.Label3().setAccessiblePrefix(QString::fromUtf8(kScorePrefix));
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(kSquares.size()); ++i) {
        const std::int16_t outline = outlineOf(i);
        runtime::Shape& shape = form.Shape1(outline);
        runtime::Label& square = form.Label1(i);
        square.setAccessibleName(
            QStringLiteral("Čtverec %1")
                .arg(QString::fromUtf8(kCellNames[static_cast<std::size_t>(outline)])));
        shape.setAccessibleName(cellName(outline, square.visible()));
        square.setVisibilityListener(
            [&shape, outline](bool lit) { shape.setAccessibleName(cellName(outline, lit)); });
    }
}

}  // namespace window
