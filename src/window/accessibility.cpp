// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Accessible names and roles for Form1's controls.
#include "accessibility.h"

#include <string>

#include "form1.h"

namespace window {

void arrangeForReaders(Form1& form) {
    form.window().readInReadingOrder();
    form.Image1().setAccessibleName("Obrázek");
    form.Label7().setReaderRole(runtime::ReaderRole::Alert);
    // The caption repeats what the score says; the spot is found by chance.
    form.Label4().hideFromReaders();
    form.Label8().hideFromReaders();
    form.Label3().setAccessiblePrefix(kScorePrefix);
    form.Command1().setAccessibleDescription("Spustí nebo znovu rozběhne hru");
    form.Command2().setAccessibleDescription("Pozastaví hru");
    form.Command3().setAccessibleDescription("Ukončí program");
    for (std::int16_t i = 0; i < kSquareCount; ++i) {
        form.Shape1(i).hideFromReaders();
        form.Label1(i).setAccessibleName(std::string("Čtverec ") +
                                         kCellNames[std::size_t(outlineOf(i))]);
    }
}

}  // namespace window
