// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The benchmark: the game beside a bare Qt window of the same size, measured
// in one run on a private X server, interleaved so both see the same machine.
// Figures: start-up to the first frame, peak memory, shared objects mapped,
// wake-ups before Start and while running, CPU, timer punctuality, and
// click-to-repaint latency. Prints a table with the ratio to the baseline and
// writes it to a Markdown file. With --wine BEFORE.exe AFTER.exe it compares
// instead the warm start-up of two Windows builds under Wine.
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSet>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>
#include <cstdio>

#include "benchdesktop.h"
#include "stats.h"

namespace {

using window::Name;
using Running = Desktop::Program;
const QString kGame = QStringLiteral("Klikoman");
const QString kBaseline = QStringLiteral("Baseline");
const QPoint kStart = centreOf(Name::Command1);  // the baseline's button lies there too
const QRect kScore = pixelRect(Name::Label3);    // and its label here
// Where the picture lies: each hit draws the strip it uncovers, a strip lower each time.
const QRect kPicture = pixelRect(Name::Image1);

struct Options {
    QString game, baseline, probe, out;
    int runs = 40;
    int idleSeconds = 60;
    int tickSeconds = 60;
    int clicks = 20;
};

QString arg(const QStringList& args, const QString& name, const QString& fallback = {}) {
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

// The game's window is titled Klikoman, the baseline's Baseline.
bool launch(BenchDesktop& x, Running& r, const QString& program, const QString& title,
            double* paintedMs = nullptr) {
    const bool painted = x.launchOther(r, program, {}, {}, title);
    if (paintedMs) {
        *paintedMs = r.paintedMs;
    }
    return painted;
}

// CPU seconds used so far and peak resident memory in KiB, from /proc.
double cpuSeconds(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) {
        return NAN;
    }
    const QByteArray s = f.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) {
        return NAN;  // the process went while it was read
    }
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// Times the process went to sleep and was woken, over all its threads.
double wakeUps(qint64 pid) {
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(task + QStringLiteral("/status")));
        if (!f.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray& line : f.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:")) {
                total += line.mid(24).trimmed().toDouble();
            }
        }
    }
    return total;
}

// Shared objects the process has mapped.
double sharedObjects(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) {
        return NAN;
    }
    QSet<QByteArray> objects;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const int path = line.indexOf('/');
        if (path >= 0 && line.contains(".so")) {
            objects.insert(line.mid(path));
        }
    }
    return objects.size();
}

double peakKiB(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) {
        return NAN;
    }
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble();
        }
    }
    return NAN;
}

void waitMs(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

struct Row {
    QString figure;
    double game, baseline;
    QString unit;
    QString target;
    bool met;
};

QString fmt(double v) {
    return QString::number(v, 'f', v < 10 ? 2 : 1);
}

// Per-interval tick periods from a probe's output.
std::map<int, std::vector<double>> periods(const QByteArray& output) {
    std::map<int, std::vector<double>> result;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        for (int i = 2; i < f.size(); ++i) {
            result[f[0].toInt()].push_back((f[i].toLongLong() - f[i - 1].toLongLong()) / 1000.0);
        }
    }
    return result;
}

double p99Deviation(const std::vector<double>& periods, int nominal) {
    std::vector<double> dev;
    for (double p : periods) {
        dev.push_back(std::abs(p - nominal));
    }
    return percentile(dev, 99);
}

}  // namespace

// Two Windows builds of the game started under Wine, alternately, each
// already started once (warm): the medians from launch to first paint.
int compareUnderWine(const QString& before, const QString& after, int runs) {
    BenchDesktop x(Desktop::Backend::Wine);
    QString error;
    if (!x.start(&error, QSize(1024, 768))) {
        std::fprintf(stderr, "bench: %s\n", qPrintable(error));
        return 1;
    }
    std::vector<double> times[2];
    for (int i = -1; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const int which = (i + k + 2) % 2;  // alternate which goes first
            Running r;
            if (!launch(x, r, which ? after : before, kGame)) {
                std::fprintf(stderr, "bench: a build never painted under Wine\n");
                return 1;
            }
            if (i >= 0) {
                times[which].push_back(r.paintedMs);
            }
            Desktop::end(r);
        }
    }
    std::printf("warm start-up under Wine, median of %d: before %s ms, after %s ms, ratio %s\n",
                runs, qPrintable(fmt(median(times[0]))), qPrintable(fmt(median(times[1]))),
                qPrintable(fmt(median(times[1]) / median(times[0]))));
    return 0;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--wine"))) {  // --wine BEFORE.exe AFTER.exe
        const int at = int(args.indexOf(QStringLiteral("--wine")));
        return compareUnderWine(args.value(at + 1), args.value(at + 2),
                                arg(args, "--runs", "10").toInt());
    }
    Options o;
    o.game = arg(args, "--game");
    o.baseline = arg(args, "--baseline");
    o.probe = arg(args, "--probe");
    o.out = arg(args, "--out", "RESULTS.md");
    o.runs = arg(args, "--runs", "40").toInt();
    o.idleSeconds = arg(args, "--idle", "60").toInt();
    o.tickSeconds = arg(args, "--ticks", "60").toInt();

    // Neither the game nor the baseline may start a session bus of its own.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    BenchDesktop x(Desktop::Backend::X11);
    QString error;
    if (!x.start(&error, QSize(1600, 900))) {
        std::fprintf(stderr, "bench: %s\n", qPrintable(error));
        return 1;
    }
    std::vector<Row> rows;

    // Start-up: alternate which goes first so drift hits both alike.
    std::vector<double> upGame, upBase;
    for (int i = 0; i < o.runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const bool game = (i + k) % 2 == 0;
            Running r;
            double ms = -1;
            if (!launch(x, r, game ? o.game : o.baseline, game ? kGame : kBaseline, &ms)) {
                std::fprintf(stderr, "bench: %s never painted its window\n",
                             qPrintable(game ? o.game : o.baseline));
                return 1;
            }
            (game ? upGame : upBase).push_back(ms);
            Desktop::end(r);
        }
    }
    std::fprintf(stderr, "start-up: game %s, baseline %s ms (medians of %d)\n",
                 qPrintable(fmt(median(upGame))), qPrintable(fmt(median(upBase))), o.runs);

    // Idle CPU and peak memory, both running side by side with their timers on.
    Running g, b;
    if (!launch(x, g, o.game, kGame) || !launch(x, b, o.baseline, kBaseline)) {
        std::fprintf(stderr, "bench: a window never painted\n");
        return 1;
    }
    x.moveTo(b, QPoint(800, 0));  // side by side, so neither hides the other
    waitMs(5000);                 // past start-up work
    // Before Start only the game's Timer2 runs; the baseline runs both timers.
    const double wakeWindow = o.idleSeconds / 2.0;
    double wg0 = wakeUps(g.process.processId());
    double wb0 = wakeUps(b.process.processId());
    waitMs(int(wakeWindow * 1000));
    const double wakeReadyGame = (wakeUps(g.process.processId()) - wg0) / wakeWindow;
    const double wakeReadyBase = (wakeUps(b.process.processId()) - wb0) / wakeWindow;
    const double objectsGame = sharedObjects(g.process.processId());
    const double objectsBase = sharedObjects(b.process.processId());
    x.click(g, kStart);
    // The baseline's button is clicked too, so that both have drawn a pressed
    // and a repainted control when their memory is read.
    x.click(b, kStart);
    waitMs(2000);
    const double g0 = cpuSeconds(g.process.processId());
    const double b0 = cpuSeconds(b.process.processId());
    wg0 = wakeUps(g.process.processId());
    wb0 = wakeUps(b.process.processId());
    waitMs(o.idleSeconds * 1000);
    const double cpuGame = (cpuSeconds(g.process.processId()) - g0) / o.idleSeconds * 100;
    const double cpuBase = (cpuSeconds(b.process.processId()) - b0) / o.idleSeconds * 100;
    const double wakeRunGame = (wakeUps(g.process.processId()) - wg0) / o.idleSeconds;
    const double wakeRunBase = (wakeUps(b.process.processId()) - wb0) / o.idleSeconds;
    const double memGame = peakKiB(g.process.processId());
    const double memBase = peakKiB(b.process.processId());

    // Click to repaint: a lit square in the game, the button in the baseline.
    std::vector<double> clickGame, clickBase;
    for (int tries = 0; tries < o.clicks * 5 && int(clickGame.size()) < o.clicks; ++tries) {
        QElapsedTimer poll;
        poll.start();
        int lit = -1;
        while (lit < 0 && poll.elapsed() < 2000) {
            const QImage shot = x.grab(g);
            for (int i = 0; i < window::kSquareCount && lit < 0 && !shot.isNull(); ++i) {
                if (shot.pixel(centreOf(Name::Label1, i)) == litColour()) {
                    lit = i;
                }
            }
        }
        if (lit < 0) {
            continue;
        }
        x.discardDamage();
        QElapsedTimer t;
        t.start();
        x.click(g, centreOf(Name::Label1, lit));
        const double ms = x.awaitRepaint(g, {kScore, kPicture}, t, 200);
        if (ms >= 0) {  // otherwise the square went dark before the click landed
            clickGame.push_back(ms);
        }
        x.discardDamage();
        QElapsedTimer tb;
        tb.start();
        x.click(b, kStart);
        if (const double base = x.awaitRepaint(b, {kScore}, tb, 1000); base >= 0) {
            clickBase.push_back(base);  // a repaint never seen is no sample
        }
    }
    Desktop::end(g);
    Desktop::end(b);

    // Timer punctuality, both probes running side by side.
    QProcess pg, pb;
    pg.setProcessEnvironment(x.environment());
    pb.setProcessEnvironment(x.environment());
    pg.start(o.probe, {QString::number(o.tickSeconds)});
    pb.start(o.baseline, {"--probe", QString::number(o.tickSeconds)});
    pg.waitForFinished((o.tickSeconds + 60) * 1000);
    pb.waitForFinished((o.tickSeconds + 60) * 1000);
    auto tg = periods(pg.readAllStandardOutput());
    auto tb = periods(pb.readAllStandardOutput());

    const double upRatio = median(upGame) / median(upBase);
    rows.push_back({"first frame, median", median(upGame), median(upBase), "ms", "<= 1.03 x",
                    upRatio <= 1.03});
    rows.push_back({"first frame, 25th-75th percentile spread",
                    percentile(upGame, 75) - percentile(upGame, 25),
                    percentile(upBase, 75) - percentile(upBase, 25), "ms", "", true});
    rows.push_back({"peak resident memory", memGame / 1024, memBase / 1024, "MiB", "<= 1.03 x",
                    memGame / memBase <= 1.03});
    rows.push_back({"shared objects mapped", objectsGame, objectsBase, "", "", true});
    // Timer2 alone wakes the game 1000/600 times a second; both timers 1000/600 + 1000/400.
    rows.push_back({"wake-ups before Start", wakeReadyGame, wakeReadyBase, "/s", "<= 1.7 /s",
                    wakeReadyGame <= 1000.0 / 600 + 0.05});
    rows.push_back({"wake-ups while running", wakeRunGame, wakeRunBase, "/s", "<= 4.2 /s",
                    wakeRunGame <= 1000.0 / 600 + 1000.0 / 400 + 0.05});
    rows.push_back(
        {"CPU while running", cpuGame, cpuBase, "% of a core", "< 0.3 %", cpuGame < 0.3});
    for (int nominal : {400, 600}) {
        const double dg = p99Deviation(tg[nominal], nominal);
        rows.push_back({QStringLiteral("%1 ms tick, median period").arg(nominal),
                        median(tg[nominal]), median(tb[nominal]), "ms", "", true});
        rows.push_back({QStringLiteral("%1 ms tick, 99th pct deviation").arg(nominal), dg,
                        p99Deviation(tb[nominal], nominal), "ms", "<= 2 ms", dg <= 2});
    }
    rows.push_back(
        {"click to repaint, median", median(clickGame), median(clickBase), "ms", "", true});
    rows.push_back({"click to repaint, 95th pct", percentile(clickGame, 95),
                    percentile(clickBase, 95), "ms", "<= 16 ms", percentile(clickGame, 95) <= 16});

    QString table = QStringLiteral(
        "| figure | game | baseline | ratio | target | met |\n|---|---|---|---|---|---|\n");
    for (const Row& r : rows) {
        table += QStringLiteral("| %1 | %2 %6 | %3 %6 | %4 | %5 | %7 |\n")
                     .arg(r.figure, fmt(r.game), fmt(r.baseline), fmt(r.game / r.baseline),
                          r.target, r.unit, r.target.isEmpty() ? "" : (r.met ? "yes" : "**no**"));
    }
    QFile cpuinfo("/proc/cpuinfo");
    QString cpu;
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                cpu = QString::fromUtf8(line.mid(line.indexOf(':') + 2));
                break;
            }
        }
    }
    const QString machine = QStringLiteral("%1, %2 cores, %3 %4, Qt %5, Xvfb")
                                .arg(cpu)
                                .arg(QThread::idealThreadCount())
                                .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(),
                                     QString::fromLatin1(qVersion()));
    std::printf(
        "\n%s\nmachine: %s\nsamples: %d start-ups each, %d s idle, %d s of ticks, %zu "
        "clicks on lit squares\n",
        qPrintable(table), qPrintable(machine), o.runs, o.idleSeconds, o.tickSeconds,
        clickGame.size());
    // The file's own text (the start-up profile) stays; only the part
    // between the markers is made anew.
    const QString begin = QStringLiteral("<!-- made by make bench -->\n");
    const QString end = QStringLiteral("<!-- end of make bench -->\n");
    QString text;
    QFile in(o.out);
    if (in.open(QIODevice::ReadOnly)) {
        text = QString::fromUtf8(in.readAll());
        in.close();
    }
    QString made;
    QTextStream m(&made);
    m << "Made by `make bench` on " << QDateTime::currentDateTimeUtc().toString(Qt::ISODate)
      << ".\n\nMachine: " << machine << ".\n\nSamples: " << o.runs
      << " start-ups of each, interleaved; " << o.idleSeconds / 2 << " s idle before Start and "
      << o.idleSeconds << " s running, side by side; " << o.tickSeconds << " s of timer ticks; "
      << clickGame.size()
      << " clicks on lit squares. The baseline is `bench/baseline.cpp`, a bare Qt "
         "window of the same size with one label, one button and two timers that run "
         "from the start; its button is clicked when the game's Start is. Both run "
         "with no session bus.\n\n"
      << table;
    const int from = text.indexOf(begin);
    const int to = text.indexOf(end);
    if (from >= 0 && to > from) {
        text.replace(from + begin.size(), to - from - begin.size(), made);
    } else {
        text = QStringLiteral("# Benchmark results\n\n") + begin + made + end;
    }
    QFile out(o.out);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        out.write(text.toUtf8());
    }
    bool allMet = true;
    for (const Row& r : rows) {
        allMet = allMet && (r.target.isEmpty() || r.met);
    }
    return allMet ? 0 : 2;
}
