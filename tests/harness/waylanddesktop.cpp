// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The harness on a real Wayland desktop: sway with its headless backend and
// pixman renderer, in a runtime folder of its own. sway refuses to run as
// root, so as root the compositor, its clients and the programs run as the
// user nobody, each program from a copy that user can read. Windows are found
// in sway's tree, read back with grim and driven through the compositor's
// virtual keyboard (wtype); a headless seat has no pointer to click with.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "desktop.h"

namespace {

class WaylandDesktop : public Desktop {
public:
    WaylandDesktop() : Desktop(Backend::Wayland) {}
    ~WaylandDesktop() override { stop(m_sway); }
    bool start(QString* why, QSize screen);

    QProcessEnvironment environment() const override;
    QImage grab(const Program& p) override;
    bool hasPointer() const override { return false; }
    void click(const Program&, QPoint) override {}
    void pressSpace(const Program& p) override;
    void requestClose(const Program& p) override;
    bool setScale(double scale) override;

protected:
    bool awaitWindow(Program& p, const QString& title, const QElapsedTimer& since) override;
    QStringList command(const QString& program, const QStringList& arguments) override;

private:
    QStringList asUser(const QStringList& command) const;
    QByteArray client(const QStringList& command) const;
    QJsonObject node(qint64 pid) const;  // the window of a process in sway's tree
    QRect rectOf(const Program& p) const;

    QTemporaryDir m_dir;
    QProcess m_sway;
    QString m_socket;
    double m_scale = 1;
};

// Whether an image is empty or all of one colour, as a window not yet painted.
bool plain(const QImage& image) {
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            if (image.pixel(x, y) != image.pixel(0, 0)) {
                return false;
            }
        }
    }
    return true;
}

bool asRoot() {
    return geteuid() == 0;
}

// Hands a file or folder to the user nobody.
bool giveToNobody(const QString& path) {
    return !asRoot() || chown(qPrintable(path), 65534, 65534) == 0;
}

bool WaylandDesktop::start(QString* why, QSize screen) {
    // wtype presses the keys: without it Start could not be pressed.
    for (const char* tool : {"sway", "swaymsg", "grim", "wtype"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            *why =
                QStringLiteral("%1 is missing (Debian: sway grim wtype)").arg(QLatin1String(tool));
            return false;
        }
    }
    QFile config(m_dir.filePath(QStringLiteral("config")));
    if (!config.open(QIODevice::WriteOnly)) {
        *why = QStringLiteral("cannot write sway's configuration");
        return false;
    }
    // A floating window keeps the size it asks for; no borders around it.
    config.write(QStringLiteral("output HEADLESS-1 resolution %1x%2 scale 1\n"
                                "default_border none\ndefault_floating_border none\n"
                                "for_window [app_id=\".*\"] floating enable, move position 0 0\n")
                     .arg(screen.width() * 2)
                     .arg(screen.height() * 2)
                     .toUtf8());
    config.close();
    giveToNobody(m_dir.path());
    giveToNobody(config.fileName());
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
    const bool up = QTest::qWaitFor(
        [&] {
            const QStringList ipc =
                QDir(m_dir.path()).entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
            m_socket = ipc.isEmpty() ? QString() : m_dir.filePath(ipc.first());
            return !m_socket.isEmpty() &&
                   QFile::exists(m_dir.filePath(QStringLiteral("wayland-1")));
        },
        kWait);
    if (!up) {
        *why = QStringLiteral("sway did not start: ") +
               QString::fromLocal8Bit(m_sway.readAllStandardError().right(2000));
    }
    return up;
}

QStringList WaylandDesktop::asUser(const QStringList& command) const {
    if (!asRoot()) {
        return command;
    }
    return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                       QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                       QStringLiteral("--")} +
           command;
}

QProcessEnvironment WaylandDesktop::environment() const {
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    if (!m_socket.isEmpty()) {  // sway would take an empty one as its own
        env.insert(QStringLiteral("SWAYSOCK"), m_socket);
    }
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    return env;
}

QStringList WaylandDesktop::command(const QString& program, const QStringList& arguments) {
    const QString copy = m_dir.filePath(QFileInfo(program).fileName());
    if (!QFile::exists(copy)) {
        QFile::copy(program, copy);
        giveToNobody(copy);
    }
    return asUser(QStringList{copy} + arguments);
}

QByteArray WaylandDesktop::client(const QStringList& command) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.setWorkingDirectory(m_dir.path());
    const QStringList full = asUser(command);
    p.start(full.first(), full.mid(1));
    p.waitForFinished(kWait);
    return p.readAllStandardOutput();
}

QJsonObject WaylandDesktop::node(qint64 pid) const {
    QList<QJsonObject> nodes{
        QJsonDocument::fromJson(
            client({QStringLiteral("swaymsg"), QStringLiteral("-t"), QStringLiteral("get_tree")}))
            .object()};
    while (!nodes.isEmpty()) {
        const QJsonObject n = nodes.takeFirst();
        if (n.value(QStringLiteral("pid")).toInteger() == pid) {
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

QRect WaylandDesktop::rectOf(const Program& p) const {
    const QJsonObject r = node(p.process.processId()).value(QStringLiteral("rect")).toObject();
    return {r.value(QStringLiteral("x")).toInt(), r.value(QStringLiteral("y")).toInt(),
            r.value(QStringLiteral("width")).toInt(), r.value(QStringLiteral("height")).toInt()};
}

bool WaylandDesktop::awaitWindow(Program& p, const QString& title, const QElapsedTimer&) {
    // Shown at its own size, then painted: grim sees more than one colour.
    const bool shown = QTest::qWaitFor(
        [&] {
            const QJsonObject n = node(p.process.processId());
            return n.value(QStringLiteral("name")).toString() == title &&
                   rectOf(p).size() == clientSize();
        },
        kWait);
    const bool painted = shown && QTest::qWaitFor([&] { return !plain(grab(p)); }, kWait);
    p.window = painted ? quint32(p.process.processId()) : 0;
    return painted;
}

QImage WaylandDesktop::grab(const Program& p) {
    const QRect r = rectOf(p);
    const QString file = m_dir.filePath(QStringLiteral("shot.png"));
    QFile::remove(file);
    client({QStringLiteral("grim"), QStringLiteral("-s"), QString::number(m_scale),
            QStringLiteral("-g"),
            QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()),
            file});
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

void WaylandDesktop::pressSpace(const Program&) {
    // A new virtual keyboard must reach the window before its key, hence the
    // pause; a key can still be lost, and the caller sees whether it came.
    client({QStringLiteral("wtype"), QStringLiteral("-s"), QStringLiteral("300"),
            QStringLiteral("-k"), QStringLiteral("space")});
}

void WaylandDesktop::requestClose(const Program& p) {
    client({QStringLiteral("swaymsg"), QStringLiteral("[pid=%1] kill").arg(p.process.processId())});
}

bool WaylandDesktop::setScale(double scale) {
    m_scale = scale;
    client({QStringLiteral("swaymsg"), QStringLiteral("output HEADLESS-1 scale %1").arg(scale)});
    return true;
}

}  // namespace

std::unique_ptr<Desktop> openWayland(QString* why, QSize screen) {
    auto display = std::make_unique<WaylandDesktop>();
    return display->start(why, screen) ? std::move(display) : nullptr;
}
