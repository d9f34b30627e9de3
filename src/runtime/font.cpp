// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Font conversion and the faces that stand in for missing ones.
#include "font.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <algorithm>

#include "twips.h"

namespace runtime {

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

// The face each named face is drawn with, found once.
QHash<QString, QString>& drawnWith() {
    static QHash<QString, QString> faces;
    return faces;
}

}  // namespace

QFont toQFont(const FontSpec& named) {
    const QString face = QString::fromLatin1(named.face);
    // Qt, asked for a face the system lacks, has fontconfig sort every face
    // on the system before it tries the stand-ins; the face that is there is
    // asked for instead.
    QFont font(drawnWith().value(face, face));
    // Pixel sizes keep text in step with the layout's logical pixels on any screen.
    font.setPixelSize(pointsToPixels(named.points));
    font.setBold(named.bold);
    return font;
}

void installFonts() {
#ifdef KLIKOMAN_BUNDLED_FONTS
    // The faces the program carries; the named faces still win where the
    // system has them.
    const QDir carried(QStringLiteral(":/klikoman/fonts"));
    for (const QString& file : carried.entryList()) {
        QFontDatabase::addApplicationFont(carried.filePath(file));
    }
#endif
    // hasFamily() would run fontconfig's substitution rules for each name.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const QString& face) {
        // A face some foundries make is listed as "Face [Foundry]".
        return std::any_of(installed.begin(), installed.end(), [&face](const QString& f) {
            return f.compare(face, Qt::CaseInsensitive) == 0 ||
                   (f.startsWith(face + QStringLiteral(" ["), Qt::CaseInsensitive));
        });
    };
    for (const StandIns& s : kStandIns) {
        QString face = QString::fromLatin1(s.face);
        for (const char* standIn : s.standIns) {
            if (isInstalled(face) || standIn == nullptr) {
                break;
            }
            face = QString::fromLatin1(standIn);
        }
        drawnWith().insert(QString::fromLatin1(s.face), face);
    }
    QApplication::setFont(toQFont(kDefaultFont));
}

}  // namespace runtime
