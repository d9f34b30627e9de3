// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Font conversion and substitution.
#include "font.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include "twips.h"

namespace runtime {

QFont toQFont(const FontSpec& named) {
    QFont font(QString::fromLatin1(named.face));
    // Pixel sizes keep text in step with the layout's logical pixels on any screen.
    font.setPixelSize(pointsToPixels(named.points));
    font.setBold(named.bold);
    return font;
}

void installFonts() {
#ifdef KLIKOMAN_BUNDLED_FONTS
    // The faces the program carries; the named faces still win where the
    // system has them, as the substitutions below apply only to missing ones.
    const QDir carried(QStringLiteral(":/klikoman/fonts"));
    for (const QString& file : carried.entryList()) {
        QFontDatabase::addApplicationFont(carried.filePath(file));
    }
#endif
    // Metric-compatible faces first; DejaVu is wider and only a last resort.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QApplication::setFont(toQFont(kDefaultFont));
}

}  // namespace runtime
