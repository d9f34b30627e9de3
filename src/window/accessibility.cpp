// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Accessible names and descriptions for Form1's controls.
#include "accessibility.h"

#include <QString>

#include "form1.h"

namespace window {

namespace {

QString cellName(std::int16_t outline, bool lit) {
    return QStringLiteral("Políčko %1: %2")
        .arg(QString::fromUtf8(kCellNames[static_cast<std::size_t>(outline)]),
             lit ? QStringLiteral("svítí") : QStringLiteral("nesvítí"));
}

void name(runtime::Control& control, const char* name, const char* description = nullptr) {
    control.setAccessibleName(QString::fromUtf8(name));
    if (description) {
        control.setAccessibleDescription(QString::fromUtf8(description));
    }
}

}  // namespace

void describeForAccessibility(Form1& form) {
    name(form.Command1(), "Start", "Spustí nebo znovu rozběhne hru");
    name(form.Command2(), "Stop", "Pozastaví hru");
    name(form.Command3(), "Konec", "Ukončí program");
    name(form.Image1(), "Obrázek", "Kliknutím na obrázek se program ukončí");
    name(form.Label2(), "Skrýt tlačítka", "Schová tlačítka, aby byl vidět celý obrázek");
    name(form.Label8(), "Odkrýt celý obrázek");
    form.Label3().setAccessiblePrefix(QString::fromUtf8(kScorePrefix));
    for (std::int16_t i = 0; i < kSquareCount; ++i) {
        const auto outline = static_cast<std::int16_t>(outlineOf(i));
        runtime::Shape& shape = form.Shape1(outline);
        runtime::Label& square = form.Label1(i);
        square.setAccessibleName(
            QStringLiteral("Čtverec %1").arg(QString::fromUtf8(kCellNames[std::size_t(outline)])));
        shape.setAccessibleName(cellName(outline, square.visible()));
        square.setVisibilityListener(
            [&shape, outline](bool lit) { shape.setAccessibleName(cellName(outline, lit)); });
    }
}

}  // namespace window
