// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The built game on a real Wayland desktop: sway with its headless backend
// and pixman renderer, started by the test with a runtime folder of its own.
// sway refuses to run as root, so as root the compositor, its clients and
// the game run as the user nobody, the game from a copy that user can read.
// The window is read back with grim and driven through the compositor's
// virtual keyboard (wtype).
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "cells.h"
#include "playedgame.h"

namespace {

constexpr int kWait = 30000;  // ms; an upper limit, never a fixed pause
constexpr QSize kClient(776, 421);
constexpr QRgb kLit = 0xFFFF8080;

bool near(QRgb a, QRgb b, int tolerance = 2) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The largest step in brightness between neighbouring pixels of a region:
// an upscaled picture has soft edges, a picture drawn at its size sharp ones.
int sharpestEdge(const QImage& image, const QRect& region) {
    int sharpest = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x < region.right(); ++x) {
            sharpest =
                qMax(sharpest, qAbs(qGray(image.pixel(x, y)) - qGray(image.pixel(x + 1, y))));
        }
    }
    return sharpest;
}

// Share of 2 x 2 blocks of a region that are not one colour: zero for a
// picture drawn at half the size and doubled.
double detailedBlocks(const QImage& image, const QRect& region) {
    int blocks = 0, detailed = 0;
    for (int y = region.top(); y + 1 <= region.bottom(); y += 2) {
        for (int x = region.left(); x + 1 <= region.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            ++blocks;
            detailed += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) ||
                        p != image.pixel(x + 1, y + 1);
        }
    }
    return blocks ? double(detailed) / blocks : 0;
}

}  // namespace

class tst_Wayland : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowShouldMapAsKlikomanAndLookAsOffscreen();
    void spaceOnStartShouldLightASquare();
    void closeFromCompositorShouldEndWithZero();
    void scaleTwoShouldDrawTwiceThePixels();

private:
    QStringList asUser(const QStringList& command) const;
    QProcessEnvironment environment() const;
    QByteArray client(const QStringList& command, int* status = nullptr) const;
    QJsonObject gameNode() const;
    QImage shot(const QRect& rect) const;
    QRect waitForWindow();
    void startGame();

    QTemporaryDir m_dir;
    QProcess m_sway;
    QProcess m_game;
    QString m_socket;
    QRect m_window;
    int m_sharpestAtOne = 0;  // of the caption's text at scale 1
};

QStringList tst_Wayland::asUser(const QStringList& command) const {
    if (geteuid() != 0) {
        return command;
    }
    return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                       QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                       QStringLiteral("--")} +
           command;
}

QProcessEnvironment tst_Wayland::environment() const {
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-1"));
    if (!m_socket.isEmpty()) {  // sway would take an empty one as its own
        env.insert(QStringLiteral("SWAYSOCK"), m_socket);
    }
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    return env;
}

QByteArray tst_Wayland::client(const QStringList& command, int* status) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.setWorkingDirectory(m_dir.path());
    const QStringList full = asUser(command);
    p.start(full.first(), full.mid(1));
    p.waitForFinished(kWait);
    if (status) {
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    return p.readAllStandardOutput();
}

QJsonObject tst_Wayland::gameNode() const {
    QList<QJsonObject> nodes{
        QJsonDocument::fromJson(
            client({QStringLiteral("swaymsg"), QStringLiteral("-t"), QStringLiteral("get_tree")}))
            .object()};
    while (!nodes.isEmpty()) {
        const QJsonObject n = nodes.takeFirst();
        if (n.value(QStringLiteral("app_id")).toString() == QLatin1String("klikoman")) {
            return n;
        }
        for (const char* list : {"nodes", "floating_nodes"}) {
            for (const QJsonValue& child : n.value(QLatin1String(list)).toArray()) {
                nodes << child.toObject();
            }
        }
    }
    return {};
}

QImage tst_Wayland::shot(const QRect& r) const {
    const QString file = m_dir.filePath(QStringLiteral("shot.png"));
    QFile::remove(file);
    client({QStringLiteral("grim"), QStringLiteral("-g"),
            QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()),
            file});
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// The window's place on the output, once sway shows it at its own size.
QRect tst_Wayland::waitForWindow() {
    QRect rect;
    (void)QTest::qWaitFor(
        [&] {
            const QJsonObject r = gameNode().value(QStringLiteral("rect")).toObject();
            rect = QRect(r.value(QStringLiteral("x")).toInt(), r.value(QStringLiteral("y")).toInt(),
                         r.value(QStringLiteral("width")).toInt(),
                         r.value(QStringLiteral("height")).toInt());
            return rect.size() == kClient;
        },
        kWait);
    return rect;
}

void tst_Wayland::initTestCase() {
    for (const char* tool : {"sway", "swaymsg", "grim"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            QSKIP(qPrintable(QStringLiteral("%1 is missing (Debian: sway grim)").arg(tool)));
        }
    }
    QVERIFY(m_dir.isValid());
    QVERIFY(
        QFile::copy(QStringLiteral(KLIKOMAN_BINARY), m_dir.filePath(QStringLiteral("klikoman"))));
    QFile config(m_dir.filePath(QStringLiteral("config")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    // A floating window keeps the size it asks for; no borders around it.
    config.write(
        "output HEADLESS-1 resolution 2048x1536 scale 1\n"
        "default_border none\ndefault_floating_border none\n"
        "for_window [app_id=\"klikoman\"] floating enable, move position 0 0\n");
    config.close();
    if (geteuid() == 0) {
        QVERIFY(chown(qPrintable(m_dir.path()), 65534, 65534) == 0);
        for (const QString& f : QDir(m_dir.path()).entryList(QDir::Files)) {
            QVERIFY(chown(qPrintable(m_dir.filePath(f)), 65534, 65534) == 0);
        }
    }
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    m_sway.setProcessEnvironment(env);
    m_sway.setWorkingDirectory(m_dir.path());
    const QStringList sway =
        asUser({QStringLiteral("sway"), QStringLiteral("-c"), config.fileName()});
    m_sway.start(sway.first(), sway.mid(1));
    QVERIFY2(
        QTest::qWaitFor(
            [&] {
                const QStringList ipc =
                    QDir(m_dir.path()).entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
                m_socket = ipc.isEmpty() ? QString() : m_dir.filePath(ipc.first());
                return !m_socket.isEmpty() &&
                       QFile::exists(m_dir.filePath(QStringLiteral("wayland-1")));
            },
            kWait),
        qPrintable(QStringLiteral("sway did not start: ") +
                   QString::fromLocal8Bit(m_sway.readAllStandardError().right(2000))));
    startGame();
}

// Starts the game from its copy and waits for its window.
void tst_Wayland::startGame() {
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    m_game.setProcessEnvironment(env);
    m_game.setWorkingDirectory(m_dir.path());
    m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList command = asUser({m_dir.filePath(QStringLiteral("klikoman"))});
    m_game.start(command.first(), command.mid(1));
    QVERIFY(m_game.waitForStarted(kWait));
    m_window = waitForWindow();
    QCOMPARE(m_window.size(), kClient);
}

void tst_Wayland::cleanupTestCase() {
    for (QProcess* p : {&m_game, &m_sway}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(10000)) {
                p->kill();
                p->waitForFinished(10000);
            }
        }
    }
}

/** The window maps with the app id of the launcher entry and the caption
 *  Klikoman, and shows what the same window draws offscreen: the same pixels
 *  but for antialiased text edges, of which a few may differ by shade. */
void tst_Wayland::windowShouldMapAsKlikomanAndLookAsOffscreen() {
    const QJsonObject node = gameNode();
    QCOMPARE(node.value(QStringLiteral("name")).toString(), QStringLiteral("Klikoman"));
    PlayedGame reference;
    const QImage expected =
        reference.form().form().widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage seen;
    int differing = 0;
    // The first frame may still be on its way.
    (void)QTest::qWaitFor(
        [&] {
            seen = shot(m_window);
            differing = 0;
            for (int y = 0; y < expected.height() && seen.size() == expected.size(); ++y) {
                for (int x = 0; x < expected.width(); ++x) {
                    differing += !near(seen.pixel(x, y), expected.pixel(x, y), 8);
                }
            }
            return seen.size() == expected.size() && differing <= expected.width() * 4;
        },
        kWait);
    QCOMPARE(seen.size(), kClient);
    m_sharpestAtOne = sharpestEdge(seen, QRect(80, 304, 145, 33));
    QVERIFY2(differing <= expected.width() * 4,
             qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
}

/** Space on the focused Start button, typed on the compositor's virtual
 *  keyboard, starts the game: a square lights within the next ticks. */
void tst_Wayland::spaceOnStartShouldLightASquare() {
    if (QStandardPaths::findExecutable(QStringLiteral("wtype")).isEmpty()) {
        QSKIP("wtype is missing (Debian: wtype)");
    }
    // A pause first: the new virtual keyboard must reach the window before a key.
    client({QStringLiteral("wtype"), QStringLiteral("-s"), QStringLiteral("300"),
            QStringLiteral("-k"), QStringLiteral("space")});
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     const QImage s = shot(m_window);
                     for (int i = 0; i < window::kSquareCount; ++i) {
                         if (!s.isNull() && near(s.pixel(insideSquare(i)), kLit)) {
                             return true;
                         }
                     }
                     return false;
                 },
                 kWait),
             "no square lit after Start");
}

/** Closing the window from the compositor ends the game with status 0. */
void tst_Wayland::closeFromCompositorShouldEndWithZero() {
    // A close that lands while Qt is still busy with the window can be lost;
    // like a player, ask again until the game goes.
    QElapsedTimer asking;
    asking.start();
    do {
        client({QStringLiteral("swaymsg"), QStringLiteral("[app_id=\"klikoman\"] kill")});
    } while (!m_game.waitForFinished(2000) && asking.elapsed() < kWait);
    QCOMPARE(m_game.state(), QProcess::NotRunning);
    QCOMPARE(m_game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_game.exitCode(), 0);
}

/** On an output of scale 2 the window is drawn with twice the pixels each
 *  way, not doubled: text keeps edges as sharp as at scale 1 and detail
 *  inside every other pixel. (A window that was open when the scale changed
 *  is only doubled by Qt 6.4 until it is drawn anew, so a new game opens.) */
void tst_Wayland::scaleTwoShouldDrawTwiceThePixels() {
    const QRect caption(80, 304, 145, 33);  // "Počet zásahů:" in blue
    client({QStringLiteral("swaymsg"), QStringLiteral("output HEADLESS-1 scale 2")});
    startGame();
    QImage two;
    const QRect twice(caption.topLeft() * 2, caption.size() * 2);
    QVERIFY(QTest::qWaitFor(
        [&] {
            two = shot(m_window);
            return two.size() == kClient * 2 && detailedBlocks(two, twice) > 0.05;
        },
        kWait));
    QVERIFY2(sharpestEdge(two, twice) >= m_sharpestAtOne * 8 / 10,
             qPrintable(QStringLiteral("edges %1 at scale 2, %2 at scale 1")
                            .arg(sharpestEdge(two, twice))
                            .arg(m_sharpestAtOne)));
}

QTEST_MAIN(tst_Wayland)
#include "tst_wayland.moc"
