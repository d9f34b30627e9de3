// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The harness in a browser: the game is a page's folder (KLIKOMAN_GAME), and
// "launching" it starts tests/web/driver.mjs, which serves the folder on
// 127.0.0.1, opens it in Debian's Chromium headless and answers one line per
// request: the canvas's pixels, a click, a key. The window is the page's
// canvas; the driver's process ends with the game's status when the page
// says the game has ended, as a desktop program's does when it exits.
#include "desktop.h"

namespace {

class BrowserDesktop : public Desktop {
public:
    BrowserDesktop() : Desktop(Backend::Browser) {}

    QProcessEnvironment environment() const override {
        return QProcessEnvironment::systemEnvironment();
    }
    QImage grab(const Program& p) override;
    void click(const Program& p, QPoint point) override {
        ask(p, QStringLiteral("click %1 %2").arg(point.x()).arg(point.y()));
    }
    void press(const Program& p, Key key) override {
        ask(p, key == Key::Space ? QStringLiteral("key Space") : QStringLiteral("key Tab"));
    }
    // A page has no frame with a close button: the browser closes its tab.
    void requestClose(const Program& p) override { ask(p, QStringLiteral("close"), false); }
    bool setScale(double scale) override {
        m_scale = scale;
        return true;
    }

protected:
    bool awaitWindow(Program& p, const QString& title, const QElapsedTimer& since) override;
    QStringList command(const QString& program, const QStringList& arguments) override {
        return QStringList{QStringLiteral("node"), QStringLiteral(KLIKOMAN_BROWSER_DRIVER), program,
                           QStringLiteral("--scale"), QString::number(m_scale)} +
               arguments;
    }

private:
    // Sends a request and returns the driver's answer line, empty if none came.
    static QByteArray ask(const Program& p, const QString& request, bool answered = true);
    static QByteArray readLine(QProcess& process);

    double m_scale = 1;
};

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
    const QByteArray answer = ask(p, QStringLiteral("grab"));
    if (!answer.startsWith("png ")) {
        return {};
    }
    // At a device scale the canvas has that many pixels per CSS pixel.
    return QImage::fromData(QByteArray::fromBase64(answer.mid(4)), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

bool BrowserDesktop::awaitWindow(Program& p, const QString&, const QElapsedTimer&) {
    const QByteArray ready = readLine(p.process);
    if (!ready.startsWith("ready ")) {
        return false;
    }
    p.paintedMs = ready.mid(6).toDouble();
    p.window = 1;  // the page's one canvas
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
