// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The built game in a real X server, played as a player plays it: the mouse
// moved and clicked by xdotool, and what the screen shows read back from
// grabs of it. Waits poll with generous limits and return as soon as the
// screen shows what is expected, so a loaded machine only makes it slower.
#include <unistd.h>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "cells.h"
#include "xsession.h"

namespace {

constexpr int kWait = 30000;  // ms; an upper limit, never a fixed pause
constexpr QPoint kPictureOrigin(472, 8);
constexpr QRgb kLit = 0xFFFF8080;

// The squares the fixed generator lights first after Start.
const int kPredicted[] = {6, 4, 5, 2, 2, 6, 0, 6, 7, 6};

// Options Qt would act on if the game passed its arguments on: a VNC server
// open to the network, a style sheet that blanks every text, a tiny window.
const char kHostileTest[] = "hostileStartShouldChangeNothing";
const char kBlankingSheet[] = "* { color: transparent; background: white; }";

// TCP sockets the process listens on, from its descriptors and the kernel's
// socket tables.
int listeningSockets(qint64 pid) {
    QSet<QByteArray> inodes;
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString& fd : QDir(fds).entryList(QDir::System)) {
        char target[64] = {};
        if (readlink(qPrintable(fds + u'/' + fd), target, sizeof target - 1) > 0 &&
            qstrncmp(target, "socket:[", 8) == 0) {
            inodes.insert(QByteArray(target + 8).chopped(1));
        }
    }
    int listening = 0;
    for (const char* table : {"tcp", "tcp6"}) {
        QFile f(QStringLiteral("/proc/%1/net/%2").arg(pid).arg(QLatin1String(table)));
        if (!f.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray& line : f.readAll().split('\n').mid(1)) {
            const QList<QByteArray> field = line.simplified().split(' ');
            listening += field.size() > 9 && field[3] == "0A" && inodes.contains(field[9]);
        }
    }
    return listening;
}

// The Windows build under Wine, when KLIKOMAN_EXE names it.
QString windowsExe() {
    return qEnvironmentVariable("KLIKOMAN_EXE");
}
QString wine() {
    return qEnvironmentVariable("WINE", QStringLiteral("/usr/lib/wine/wine64"));
}
QProcessEnvironment wineEnvironment(QProcessEnvironment env) {
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // No offer to install Mono or Gecko: the game needs neither.
    env.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    return env;
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 &&
           qAbs(qBlue(a) - qBlue(b)) <= 2;
}

}  // namespace

class tst_E2E : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowShouldShowReadyGame();
    void startShouldLightPredictedSquaresUntilTimer2();
    void hitShouldScoreAndUncoverTopRows();
    void stopShouldStopLighting();
    void hiddenControlsShouldShowWholePicture();
    void endingShouldExitWithZero_data();
    void endingShouldExitWithZero();
    void hostileStartShouldChangeNothing();

private:
    QImage grab() const;
    QPoint onScreen(QPoint client) const { return m_client.topLeft() + client; }
    void click(QPoint client) const { XSession::click(onScreen(client)); }
    QList<int> litSquares(const QImage& shot) const;
    int pictureRowsShown(const QImage& shot) const;
    QImage score(const QImage& shot) const;

    QProcess m_game;
    QTemporaryDir m_home;  // the hostile start's home and runtime folder
    unsigned long m_window = 0;
    QRect m_client;
    QImage m_picture;
    QRgb m_background = 0;
};

void tst_E2E::initTestCase() {
    m_picture = QImage(QStringLiteral(KLIKOMAN_PICTURE)).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!m_picture.isNull());
    int code = -1;
    XSession::xdotool({QStringLiteral("version")}, &code);
    QVERIFY2(code == 0, "xdotool is missing (Debian: xdotool)");
    if (!windowsExe().isEmpty()) {  // a Wine prefix, made once (about 15 s)
        QProcess boot;
        boot.setProcessEnvironment(wineEnvironment(QProcessEnvironment::systemEnvironment()));
        boot.start(wine(), {QStringLiteral("wineboot"), QStringLiteral("--init")});
        QVERIFY2(boot.waitForFinished(300000) && boot.exitCode() == 0,
                 "wineboot failed (Debian: wine64)");
    }
}

void tst_E2E::init() {
    m_game.setProgram(QStringLiteral(KLIKOMAN_BINARY));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (!windowsExe().isEmpty()) {
        if (qstrcmp(QTest::currentTestFunction(), kHostileTest) == 0) {
            QSKIP("Linux's own start-up checks");
        }
        m_game.setProgram(wine());
        m_game.setArguments({windowsExe()});
        env = wineEnvironment(env);
    } else if (qstrcmp(QTest::currentTestFunction(), kHostileTest) == 0) {
        const QString sheet = m_home.filePath(QStringLiteral("blank.qss"));
        QFile f(sheet);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kBlankingSheet) > 0);
        f.close();
        m_game.setArguments({QStringLiteral("-platform"), QStringLiteral("vnc"),
                             QStringLiteral("-stylesheet"), sheet,
                             QStringLiteral("-qwindowgeometry"), QStringLiteral("1x1")});
        // No session bus: the game must not start one (it would write below
        // the home and runtime folders and outlive the game).
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
    } else {
        m_game.setArguments({});
    }
    m_game.setProcessEnvironment(env);
    m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_game.start();
    QVERIFY(m_game.waitForStarted(kWait));
    QVERIFY2(QTest::qWaitFor(
                 [this] {
                     m_window = XSession::findWindow(QStringLiteral("Klikoman"), QSize(776, 421),
                                                     m_game.processId());
                     return m_window != 0;
                 },
                 kWait),
             "no 776 x 421 window titled Klikoman");
    if (!windowsExe().isEmpty()) {
        // No window manager gives Wine's window the focus; the player's
        // first click would, so the test does it before reading the screen.
        XSession::xdotool(
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(m_window)});
    }
    // Painted once the blue "Počet zásahů:" caption is on the screen; the
    // position is read again meanwhile, as the window may still be settling.
    QVERIFY2(QTest::qWaitFor(
                 [this] {
                     m_client = XSession::geometry(m_window);
                     const QImage shot = grab();
                     for (int y = 304; y < 337; ++y) {
                         for (int x = 80; x < 225; ++x) {
                             const QRgb p = shot.pixel(x, y);
                             if (qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60) {
                                 return true;
                             }
                         }
                     }
                     return false;
                 },
                 kWait),
             qPrintable(QStringLiteral("the window at %1,%2 %3x%4 was never painted")
                            .arg(m_client.x())
                            .arg(m_client.y())
                            .arg(m_client.width())
                            .arg(m_client.height())));
    m_background = grab().pixel(450, 50);
}

void tst_E2E::cleanup() {
    if (m_game.state() != QProcess::NotRunning) {
        m_game.kill();
        m_game.waitForFinished(kWait);
    }
}

QImage tst_E2E::grab() const {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, m_client.x(), m_client.y(), m_client.width(), m_client.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QList<int> tst_E2E::litSquares(const QImage& shot) const {
    QList<int> lit;
    for (int i = 0; i < 9; ++i) {
        if (near(shot.pixel(insideSquare(i)), kLit)) {
            lit << i;
        }
    }
    return lit;
}

int tst_E2E::pictureRowsShown(const QImage& shot) const {
    int rows = 0;
    for (; rows < m_picture.height(); ++rows) {
        // Columns left of the buttons, which lie over the picture.
        for (int x = 0; x < 45; x += 4) {
            if (!near(shot.pixel(kPictureOrigin + QPoint(x, rows)), m_picture.pixel(x, rows))) {
                return rows;
            }
        }
    }
    return rows;
}

QImage tst_E2E::score(const QImage& shot) const {
    return shot.copy(248, 304, 105, 33);
}

/** The window comes up titled Klikoman, 776 x 421, with nothing lit and the
 *  picture covered. */
void tst_E2E::windowShouldShowReadyGame() {
    QCOMPARE(m_client.size(), QSize(776, 421));
    const QImage shot = grab();
    QVERIFY(litSquares(shot).isEmpty());
    QCOMPARE(pictureRowsShown(shot), 0);
    QCOMPARE(shot.pixel(kPictureOrigin + QPoint(10, 10)), m_background);
}

/** After Start the squares light in the order the fixed generator gives,
 *  and Timer2 darkens them. */
void tst_E2E::startShouldLightPredictedSquaresUntilTimer2() {
    click({572, 192});  // Start
    QList<int> seen;    // squares as they newly light, in order
    QList<int> before;
    bool darkAfterLight = false;
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QList<int> lit = litSquares(grab());
            for (int s : lit) {
                if (!before.contains(s)) {
                    seen << s;
                }
            }
            darkAfterLight = darkAfterLight || (!seen.isEmpty() && lit.isEmpty());
            before = lit;
            return seen.size() >= 3 && darkAfterLight;
        },
        kWait));
    // What a slow grab missed drops out; the rest keeps the predicted order.
    int next = 0;
    for (int s : seen) {
        while (next < int(std::size(kPredicted)) && kPredicted[next] != s) {
            ++next;
        }
        QVERIFY2(next < int(std::size(kPredicted)),
                 qPrintable(QStringLiteral("square %1 lit out of order").arg(s)));
        ++next;
    }
    QCOMPARE(seen.first(), kPredicted[0]);
}

/** A click on a lit square scores and uncovers the picture's top 13 rows. */
void tst_E2E::hitShouldScoreAndUncoverTopRows() {
    const QImage scoreZero = score(grab());
    click({572, 192});
    int rows = 0;
    for (int attempt = 0; attempt < 20 && rows == 0; ++attempt) {
        QList<int> lit;
        QVERIFY(QTest::qWaitFor([&] { return !(lit = litSquares(grab())).isEmpty(); }, kWait));
        click(insideSquare(lit.first()));
        // The square may have gone dark before the click landed; then try again.
        if (!QTest::qWaitFor([&] { return (rows = pictureRowsShown(grab())) > 0; }, 1000)) {
            qInfo("missed a square that went dark; trying again");
        }
    }
    QCOMPARE(rows % 13 == 0 || rows % 13 == 1, true);  // 13 per hit, 198.5 twips
    QVERIFY(rows >= 13);
    QVERIFY(score(grab()) != scoreZero);
}

/** After Stop and the next dark tick no square lights again. */
void tst_E2E::stopShouldStopLighting() {
    click({572, 192});
    QVERIFY(QTest::qWaitFor([&] { return !litSquares(grab()).isEmpty(); }, kWait));
    click({656, 200});  // Stop
    QVERIFY(QTest::qWaitFor([&] { return litSquares(grab()).isEmpty(); }, kWait));
    // Watch three lighting periods: a running Timer1 would light a square.
    QElapsedTimer watch;
    watch.start();
    while (watch.elapsed() < 1500) {
        QVERIFY(litSquares(grab()).isEmpty());
        QTest::qWait(20);
    }
}

/** The hidden spot uncovers the whole picture; the dot hides the buttons. */
void tst_E2E::hiddenControlsShouldShowWholePicture() {
    click({756, 208});  // the hidden spot
    QVERIFY(QTest::qWaitFor([&] { return pictureRowsShown(grab()) == 397; }, kWait));
    const QPoint startCentre(572, 192);
    QVERIFY(!near(grab().pixel(startCentre), m_picture.pixel(startCentre - kPictureOrigin)));
    click({732, 408});  // the dot
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QImage shot = grab();
            return near(shot.pixel(startCentre), m_picture.pixel(startCentre - kPictureOrigin)) &&
                   near(shot.pixel(560, 356), m_picture.pixel(QPoint(560, 356) - kPictureOrigin));
        },
        kWait));
}

/** Konec, a click on the picture and closing the window end the game with
 *  exit status 0. */
void tst_E2E::endingShouldExitWithZero_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Konec") << "konec";
    QTest::newRow("picture") << "picture";
    QTest::newRow("close") << "close";
}

void tst_E2E::endingShouldExitWithZero() {
    QFETCH(QString, how);
    if (how == QLatin1String("konec")) {
        click({560, 356});
    } else if (how == QLatin1String("picture")) {
        click({756, 208});
        QVERIFY(QTest::qWaitFor([&] { return pictureRowsShown(grab()) == 397; }, kWait));
        click({480, 300});
    } else {
        // A close that lands while Qt is still settling the new window can be
        // lost; like a player, ask again until the game goes.
        QElapsedTimer asking;
        asking.start();
        do {
            QVERIFY(XSession::requestClose(m_window));
        } while (!m_game.waitForFinished(2000) && asking.elapsed() < kWait);
    }
    QVERIFY(m_game.state() == QProcess::NotRunning || m_game.waitForFinished(kWait));
    QCOMPARE(m_game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_game.exitCode(), 0);
}

/** Qt's own command-line options do nothing: the window comes up at its size
 *  (init checks 776 x 421 and the blue caption painted), the game listens on
 *  no network port, and with no session bus it starts none and writes no
 *  file. */
void tst_E2E::hostileStartShouldChangeNothing() {
    QCOMPARE(listeningSockets(m_game.processId()), 0);
    QVERIFY(litSquares(grab()).isEmpty());
    const QStringList left =
        QDir(m_home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, QStringList{QStringLiteral("blank.qss")});
}

int main(int argc, char** argv) {
    XSession session;
    QString error;
    if (!session.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    int status = 0;
    {
        QGuiApplication app(argc, argv);
        tst_E2E test;
        status = QTest::qExec(&test, argc, argv);
    }
    session.stop();
    return status;
}

#include "tst_e2e.moc"
