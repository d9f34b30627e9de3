// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The layout's fonts in Qt, and the faces that stand in for them. The layout
// was drawn with two Windows faces; where they are missing the nearest face
// of the same size and weight takes their place (Liberation's, metric twins
// of them), so the texts keep the width they were laid out for.
#pragma once

#include <QFont>

#include "runtime/font.h"

namespace qt {

QFont toQFont(const runtime::FontSpec& named);

// Finds once the face each face the layout names is drawn with, and makes
// the layout's default font the application's.
void installFonts();

}  // namespace qt
