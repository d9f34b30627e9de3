// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The real-window test's checks of what lies around the game: a start with
// Qt's own options, the screen's scale, and what a screen reader is told
// (through at-spi2 on X11, a reader's client under Wine, the accessibility
// tree in a browser).
#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "cells.h"
#include "e2e.h"
#include "playedgame.h"
#include "qt/qtfrontend.h"

using window::Name;

namespace {

// Options Qt would act on if the game passed its arguments on: a VNC server
// open to the network, a style sheet that blanks every text, a tiny window.
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

QRect scaled(const QRect& r, int scale) {
    return {r.topLeft() * scale, r.size() * scale};
}

}  // namespace

/** Qt's own command-line options do nothing: the window comes up at its size
 *  with its caption painted, the game listens on no network port, and with
 *  no session bus it starts none: once it has ended, its home and runtime
 *  folder hold nothing new. */
void tst_E2E::hostileStartShouldChangeNothing() {
    if (m_desktop->backend() != Desktop::Backend::X11) {
        QSKIP("the start-up checks of Linux, on X11");
    }
    QTemporaryDir home;
    const QString sheet = home.filePath(QStringLiteral("blank.qss"));
    QFile f(sheet);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kBlankingSheet) > 0);
    f.close();
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString());
    launch({QStringLiteral("-platform"), QStringLiteral("vnc"), QStringLiteral("-stylesheet"),
            sheet, QStringLiteral("-qwindowgeometry"), QStringLiteral("1x1")},
           env);
    QCOMPARE(listeningSockets(m_game.process.processId()), 0);
    QVERIFY(litSquares(grab()).isEmpty());
    m_desktop->requestClose(m_game);
    QVERIFY(m_game.process.waitForFinished(kWait));
    const QStringList left =
        QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, QStringList{QStringLiteral("blank.qss")});
}

/** On a screen of scale 2 the window is drawn with twice the pixels each
 *  way, not doubled: text keeps edges as sharp as at scale 1 and detail
 *  inside every other pixel. (A window that was open when the scale changed
 *  is only doubled by Qt 6.4 until it is drawn anew, so a new game opens.) */
void tst_E2E::scaleTwoShouldDrawTwiceThePixels() {
    const QRect caption = pixelRect(Name::Label4);
    const int sharpestAtOne = sharpestEdge(grab(), caption);
    Desktop::end(m_game);
    if (!m_desktop->setScale(2)) {
        QSKIP("this backend has one scale");
    }
    const QRect twice = scaled(caption, 2);
    const auto detailed = [&twice](const QImage& two) {  // 2 x 2 blocks not of one colour
        int blocks = 0;
        for (int y = twice.top(); y < twice.bottom(); y += 2) {
            for (int x = twice.left(); x < twice.right(); x += 2) {
                const QRgb p = two.pixel(x, y);
                blocks += p != two.pixel(x + 1, y) || p != two.pixel(x, y + 1);
            }
        }
        return blocks;
    };
    QImage two;
    const bool drawn = m_desktop->launch(m_game) && QTest::qWaitFor(
                                                        [&] {
                                                            two = grab();
                                                            return two.size() == clientSize() * 2 &&
                                                                   detailed(two) > 0;
                                                        },
                                                        kWait);
    // The game goes before the scale is put back: under Wine the change
    // waits for every program of the prefix to end.
    Desktop::end(m_game);
    m_desktop->setScale(1);
    QVERIFY(drawn);
    QVERIFY2(detailed(two) > caption.width() * caption.height() / 20,
             "the caption is only doubled");
    QVERIFY2(sharpestEdge(two, twice) >= sharpestAtOne * 8 / 10,
             qPrintable(QStringLiteral("edges %1 at scale 2, %2 at scale 1")
                            .arg(sharpestEdge(two, twice))
                            .arg(sharpestAtOne)));
}

// In a browser: the page's accessibility tree holds what the desktop's reader
// reads, in the same order and by the same names, but for the controls that
// are hidden: at the start no square and no end message; once started, no
// instructions either, and the squares that are lit. (The tree's roles for
// the desktop's: image, button, alert, and text; the score is a status, told
// as it changes.)
void tst_E2E::readerShouldFindWhatIsShownInReadingOrder() {
    launch();
    if (m_desktop->readerNames(m_game).isEmpty()) {
        QSKIP("this browser gives the driver no accessibility tree");
    }
    PlayedGame reference;
    const QMap<QString, QString> roles{{QStringLiteral("IMAGE"), QStringLiteral("image")},
                                       {QStringLiteral("LABEL"), QStringLiteral("StaticText")},
                                       {QStringLiteral("PUSH_BUTTON"), QStringLiteral("button")},
                                       {QStringLiteral("ALERT"), QStringLiteral("alert")}};
    const auto shown = [&](const QList<int>& lit, bool started) {
        QStringList hidden{
            qt::fromUtf8(reference.control<window::ControlId::Label7>().readerName())};
        if (started) {
            hidden << qt::fromUtf8(reference.control<window::ControlId::Label5>().readerName());
        }
        for (int i = 0; i < window::kSquareCount; ++i) {
            if (!lit.contains(i)) {
                hidden << qt::fromUtf8(reference.square(i).readerName());
            }
        }
        QStringList lines;
        for (const QString& line : readingOrder()) {
            // The score is told as it changes: a polite live region's status.
            const QString name = line.section(u'\t', 1);
            const bool score =
                name == qt::fromUtf8(reference.control<window::ControlId::Label3>().readerName());
            if (!hidden.contains(name)) {
                lines << (score ? QStringLiteral("status")
                                : roles.value(line.section(u'\t', 0, 0))) +
                             u'\t' + name;
            }
        }
        return lines;
    };
    QCOMPARE(m_desktop->readerNames(m_game), shown({}, false));
    // A lit square is found where it stands in the reading order (a look at
    // the screen and one at the tree may fall either side of a tick).
    pressStart();
    QStringList names;
    QList<int> lit;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     lit = litSquares(grab());
                     names = m_desktop->readerNames(m_game);
                     return !lit.isEmpty() && names == shown(lit, true);
                 },
                 kWait),
             qPrintable(names.join(u'|')));
}

/** What a screen reader hears of a whole game, through the real accessibility
 *  bus: at-spi2's bus in a private D-Bus session, the game with accessibility
 *  on, and a reader's client (tests/atspi/check-atspi.py) that plays it from
 *  the tree. In a browser, the page's accessibility tree names the buttons. */
void tst_E2E::screenReaderShouldHearAWholeGame() {
    if (m_desktop->backend() == Desktop::Backend::Browser) {
        readerShouldFindWhatIsShownInReadingOrder();
        return;
    }
    if (m_desktop->backend() == Desktop::Backend::Wine) {
        // Under Wine a reader's client (tests/wine) reads the window through
        // Microsoft Active Accessibility: the desktop's reading order, its
        // names, and the roles Windows has for them.
        launch();
        const QStringList lines = m_desktop->readerNames(m_game);
        if (lines.isEmpty()) {
            QSKIP("no reader's client under Wine (KLIKOMAN_READER)");
        }
        const QHash<QString, QString> roles{
            {QStringLiteral("GRAPHIC"), QStringLiteral("IMAGE")},
            {QStringLiteral("STATICTEXT"), QStringLiteral("LABEL")},
            {QStringLiteral("PUSHBUTTON"), QStringLiteral("PUSH_BUTTON")},
            {QStringLiteral("ALERT"), QStringLiteral("ALERT")}};
        QStringList read;
        for (const QString& line : lines) {
            const QString role = line.section(u'\t', 0, 0);
            read << roles.value(role, role) + u'\t' + line.section(u'\t', 1);
        }
        QCOMPARE(read, readingOrder());
        return;
    }
    if (m_desktop->backend() != Desktop::Backend::X11) {
        QSKIP("read through at-spi2 on X11");
    }
    const QString launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() ||
        !QFile::exists(launcher)) {
        QSKIP("dbus-daemon or at-spi2 is missing (Debian: dbus at-spi2-core)");
    }
    QTemporaryDir home;
    // The session bus, the accessibility bus it starts and whatever that
    // starts share one process group, ended as one.
    const auto ownGroup = [](QProcess& p) { p.setChildProcessModifier([] { setsid(); }); };
    QProcess bus;
    ownGroup(bus);
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"),
               QStringLiteral("--print-address=1")});
    const qint64 busGroup = bus.processId();
    QVERIFY(bus.waitForReadyRead(kWait));
    QProcessEnvironment env = m_desktop->environment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QString::fromUtf8(bus.readLine().trimmed()));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess atspi;
    ownGroup(atspi);
    atspi.setProcessEnvironment(env);
    atspi.start(launcher, {QStringLiteral("--launch-immediately")});
    const qint64 atspiGroup = atspi.processId();
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    launch({}, env);
    QProcess reader;
    reader.setProcessEnvironment(env);
    reader.setProcessChannelMode(QProcess::ForwardedChannels);
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-u"), QStringLiteral(KLIKOMAN_ATSPI_CHECK),
                  QStringLiteral(KLIKOMAN_READING_ORDER)});
    const bool finished = reader.waitForFinished(300000);
    Desktop::end(m_game);
    // Each group by the id its leader had when it started: a process that
    // has gone reports 0, and kill(-0) would signal the test's own group,
    // CTest and make with it. One that never started has no group.
    for (auto [p, group] : {std::pair(&atspi, atspiGroup), std::pair(&bus, busGroup)}) {
        if (group > 0) {
            ::kill(-pid_t(group), SIGTERM);
            p->waitForFinished(10000);
        }
    }
    QVERIFY(finished);
    if (reader.exitCode() == 77) {
        QSKIP("pyatspi is missing (Debian: python3-pyatspi)");
    }
    QCOMPARE(reader.exitCode(), 0);
}
