// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Font conversion and the faces that stand in for missing ones.
#include "fonts.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <array>
#include <cstring>

#include "runtime/twips.h"

namespace qt {

using runtime::FontSpec;
using runtime::kDefaultFont;
using runtime::kFaceStandIns;
using runtime::pointsToPixels;

namespace {

// The face each of them is drawn with, found once by installFonts().
std::array<QString, std::size(kFaceStandIns)>& drawnWith() {
    static std::array<QString, std::size(kFaceStandIns)> faces;
    return faces;
}

QString faceFor(const char* named) {
    for (std::size_t i = 0; i < std::size(kFaceStandIns); ++i) {
        if (std::strcmp(kFaceStandIns[i].face, named) == 0 && !drawnWith()[i].isEmpty()) {
            return drawnWith()[i];
        }
    }
    return QString::fromLatin1(named);
}

}  // namespace

QFont toQFont(const FontSpec& named) {
    // Qt, asked for a face the system lacks, has fontconfig sort every face
    // on the system before it tries the stand-ins; the face that is there is
    // asked for instead.
    QFont font(faceFor(named.face));
    // Pixel sizes keep text in step with the layout's logical pixels on any screen.
    font.setPixelSize(pointsToPixels(named.points));
    font.setBold(named.bold);
    return font;
}

void installFonts() {
    // One list of names: hasFamily() would run fontconfig's rules for each.
    QStringList installed = QFontDatabase::families();
    for (QString& family : installed) {
        family = family.section(QStringLiteral(" ["), 0, 0);  // "Face [Foundry]"
    }
    // The first of a face's stand-ins that is installed; where none is, the
    // named face, and Qt's own search.
    for (std::size_t i = 0; i < std::size(kFaceStandIns); ++i) {
        const runtime::FaceStandIns& s = kFaceStandIns[i];
        drawnWith()[i] = QString::fromLatin1(s.face);
        for (const char* face : s.faces) {
            if (face != nullptr && installed.contains(QLatin1String(face), Qt::CaseInsensitive)) {
                drawnWith()[i] = QString::fromLatin1(face);
                break;
            }
        }
    }
    QApplication::setFont(toQFont(kDefaultFont));
}

}  // namespace qt
