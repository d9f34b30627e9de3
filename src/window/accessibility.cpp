// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Accessible names and roles for Form1's controls.
#include "accessibility.h"

#include <QString>

#include "form1.h"
#include "runtime/assistive.h"

namespace window {

void arrangeForReaders(Form1& form) {
    runtime::readInReadingOrder(form.window().widget());
    runtime::setAccessibleRole(form.Image1().widget(), QAccessible::Graphic);
    runtime::setAccessibleRole(form.Label7().widget(), QAccessible::AlertMessage);
    // The caption repeats what the score says; the spot is found by chance.
    for (runtime::Control* leftOut : {static_cast<runtime::Control*>(&form.Label4()),
                                      static_cast<runtime::Control*>(&form.Label8())}) {
        runtime::hideFromReaders(leftOut->widget());
    }
    for (std::int16_t i = 0; i < kSquareCount; ++i) {
        runtime::hideFromReaders(form.Shape1(i).widget());
    }
}

void describeForAccessibility(Form1& form) {
    form.Command1().setAccessibleDescription(QStringLiteral("Spustí nebo znovu rozběhne hru"));
    form.Command2().setAccessibleDescription(QStringLiteral("Pozastaví hru"));
    form.Command3().setAccessibleDescription(QStringLiteral("Ukončí program"));
    form.Image1().setAccessibleName(QStringLiteral("Obrázek"));
    form.Label3().setAccessiblePrefix(QString::fromUtf8(kScorePrefix));
    form.Label7().setAccessibleName(form.Label7().caption());
    for (std::int16_t i = 0; i < kSquareCount; ++i) {
        form.Label1(i).setAccessibleName(
            QStringLiteral("Čtverec %1")
                .arg(QString::fromUtf8(kCellNames[std::size_t(outlineOf(i))])));
    }
}

}  // namespace window
