// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The harness in a browser: the game is a page's folder (KLIKOMAN_GAME), and
// "launching" it starts tests/web/driver.mjs, which serves the folder on
// 127.0.0.1, opens it headless and answers one line per request: the
// window's pixels, a click, a key. KLIKOMAN_BROWSER names the browser and
// the run's options, colon-separated: chromium or firefox, then a viewport
// (388x844@2: CSS pixels and device ratio), touch (taps, not clicks),
// offline (played after a first visit with no server) or keyboard (no
// pointer: the keys alone). The window is the page's window
// element; the driver's process ends with the game's status when the page
// says the game has ended, as a desktop program's does when it exits.
#include <QJsonArray>
#include <QJsonDocument>

#include "desktop.h"

namespace {

class BrowserDesktop : public Desktop {
public:
    BrowserDesktop() : Desktop(Backend::Browser) {
        const QStringList run = qEnvironmentVariable("KLIKOMAN_BROWSER", QStringLiteral("chromium"))
                                    .split(u':', Qt::SkipEmptyParts);
        m_options = {QStringLiteral("--browser"), run.value(0, QStringLiteral("chromium"))};
        for (const QString& option : run.mid(1)) {
            if (option == QLatin1String("touch") || option == QLatin1String("offline")) {
                m_options << QStringLiteral("--") + option;
            } else if (option == QLatin1String("keyboard")) {
                m_keyboard = true;
            } else {
                m_options << QStringLiteral("--viewport") << option;
                m_viewport = true;
            }
        }
    }

    QProcessEnvironment environment() const override {
        return QProcessEnvironment::systemEnvironment();
    }
    QImage grab(const Program& p) override;
    bool hasPointer() const override { return !m_keyboard; }
    void click(const Program& p, QPoint point) override {
        ask(p, QStringLiteral("click %1 %2").arg(point.x()).arg(point.y()));
    }
    void pressSpace(const Program& p) override { ask(p, QStringLiteral("key Space")); }
    // A page has no frame with a close button: the browser closes its tab.
    void requestClose(const Program& p) override { ask(p, QStringLiteral("close"), false); }
    // A run on a viewport of its own keeps that viewport's device ratio.
    bool setScale(double scale) override {
        m_scale = scale;
        return !m_viewport;
    }
    QStringList readerNames(const Program& p) override;

protected:
    bool awaitWindow(Program& p, const QString& title, const QElapsedTimer& since) override;
    QStringList command(const QString& program, const QStringList& arguments) override {
        const QSize size = clientSize();
        QStringList line{QStringLiteral("node"), QStringLiteral(KLIKOMAN_BROWSER_DRIVER), program,
                         QStringLiteral("--window"),
                         QStringLiteral("%1x%2").arg(size.width()).arg(size.height())};
        if (!m_viewport) {
            line << QStringLiteral("--scale") << QString::number(m_scale);
        }
        return line + m_options + arguments;
    }

private:
    // Sends a request and returns the driver's answer line, empty if none came.
    static QByteArray ask(const Program& p, const QString& request, bool answered = true);
    static QByteArray readLine(QProcess& process);

    double m_scale = 1;
    QStringList m_options;  // the browser and the run's options, for the driver
    bool m_viewport = false;
    bool m_keyboard = false;
};

QStringList BrowserDesktop::readerNames(const Program& p) {
    const QByteArray answer = ask(p, QStringLiteral("names"));
    QStringList names;
    for (const QJsonValue& name : QJsonDocument::fromJson(answer.mid(6)).array()) {
        names << name.toString();
    }
    return names;
}

QByteArray BrowserDesktop::readLine(QProcess& process) {
    while (!process.canReadLine()) {
        if (process.state() != QProcess::Running || !process.waitForReadyRead(kWait)) {
            return {};
        }
    }
    return process.readLine().trimmed();
}

QByteArray BrowserDesktop::ask(const Program& p, const QString& request, bool answered) {
    auto& process = const_cast<QProcess&>(p.process);
    if (process.state() != QProcess::Running) {
        return {};
    }
    process.write(request.toUtf8() + '\n');
    process.waitForBytesWritten(kWait);
    return answered ? readLine(process) : QByteArray();
}

QImage BrowserDesktop::grab(const Program& p) {
    const QList<QByteArray> answer = ask(p, QStringLiteral("grab")).split(' ');
    if (answer.size() != 6 || answer[0] != "png") {
        return {};
    }
    // At a device scale the window covers that many pixels per CSS pixel.
    const QRect window(answer[1].toInt(), answer[2].toInt(), answer[3].toInt(), answer[4].toInt());
    return QImage::fromData(QByteArray::fromBase64(answer[5]), "PNG")
        .copy(window)
        .convertToFormat(QImage::Format_RGB32);
}

bool BrowserDesktop::awaitWindow(Program& p, const QString&, const QElapsedTimer&) {
    const QByteArray ready = readLine(p.process);
    if (!ready.startsWith("ready ")) {
        return false;
    }
    p.window = 1;  // the page's one window
    return true;
}

}  // namespace

std::unique_ptr<Desktop> openBrowser(QString* why) {
    if (qEnvironmentVariableIsEmpty("KLIKOMAN_GAME")) {
        *why = QStringLiteral("KLIKOMAN_GAME names no page folder (make test-web sets it)");
        return nullptr;
    }
    return std::make_unique<BrowserDesktop>();
}
