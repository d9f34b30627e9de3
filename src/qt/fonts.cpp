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
using runtime::pointsToPixels;

namespace {

// Each face the layout names, then the faces that take its place where it is
// missing: metric-compatible ones first; DejaVu is wider and only a last resort.
struct StandIns {
    const char* face;
    const char* standIns[3];
};
constexpr StandIns kStandIns[] = {
    {"MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif", nullptr}},
};

// The face each of them is drawn with, found once by installFonts().
std::array<QString, std::size(kStandIns)>& drawnWith() {
    static std::array<QString, std::size(kStandIns)> faces;
    return faces;
}

QString faceFor(const char* named) {
    for (std::size_t i = 0; i < std::size(kStandIns); ++i) {
        if (std::strcmp(kStandIns[i].face, named) == 0 && !drawnWith()[i].isEmpty()) {
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
    // The face if it is installed, else its first stand-in that is; where
    // none is, the named face, and Qt's own search.
    for (std::size_t i = 0; i < std::size(kStandIns); ++i) {
        const StandIns& s = kStandIns[i];
        drawnWith()[i] = QString::fromLatin1(s.face);
        if (installed.contains(drawnWith()[i], Qt::CaseInsensitive)) {
            continue;
        }
        for (const char* standIn : s.standIns) {
            if (standIn != nullptr &&
                installed.contains(QLatin1String(standIn), Qt::CaseInsensitive)) {
                drawnWith()[i] = QString::fromLatin1(standIn);
                break;
            }
        }
    }
    QApplication::setFont(toQFont(kDefaultFont));
}

}  // namespace qt
