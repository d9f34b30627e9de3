// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What every backend of the harness shares: choosing one, launching a
// program and ending processes by PID.
#include "desktop.h"

#include "x11desktop.h"

std::unique_ptr<Desktop> openWayland(QString* why, QSize screen);  // waylanddesktop.cpp
std::unique_ptr<Desktop> openBrowser(QString* why);                // browserdesktop.cpp

Desktop::Backend Desktop::backendFromEnvironment() {
    const QString name = qEnvironmentVariable("KLIKOMAN_BACKEND").toLower();
    if (name == QLatin1String("wine")) {
        return Backend::Wine;
    }
    if (name == QLatin1String("browser")) {
        return Backend::Browser;
    }
    return name == QLatin1String("wayland") ? Backend::Wayland : Backend::X11;
}

std::unique_ptr<Desktop> Desktop::open(Backend backend, QString* why, QSize screen) {
    if (backend == Backend::Wayland) {
        return openWayland(why, screen);
    }
    if (backend == Backend::Browser) {
        return openBrowser(why);
    }
    auto x = std::make_unique<X11Desktop>(backend);
    return x->start(why, screen) ? std::move(x) : nullptr;
}

Desktop::~Desktop() = default;

QString Desktop::game() const {
    return qEnvironmentVariable("KLIKOMAN_GAME", QStringLiteral(KLIKOMAN_BINARY));
}

bool Desktop::setScale(double) {
    return false;
}

QStringList Desktop::command(const QString& program, const QStringList& arguments) {
    return QStringList{program} + arguments;
}

bool Desktop::launch(Program& p, QStringList arguments, QProcessEnvironment env,
                     const QString& title) {
    return launchOther(p, game(), std::move(arguments), std::move(env), title);
}

bool Desktop::launchOther(Program& p, const QString& program, QStringList arguments,
                          QProcessEnvironment env, const QString& title) {
    QProcessEnvironment full = environment();
    for (const QString& name : env.keys()) {
        if (env.value(name).isEmpty()) {
            full.remove(name);
        } else {
            full.insert(name, env.value(name));
        }
    }
    const QStringList line = command(program, arguments);
    p.process.setProcessEnvironment(full);
    p.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer since;
    since.start();
    p.process.start(line.first(), line.mid(1));
    if (p.process.waitForStarted(kWait) && awaitWindow(p, title, since)) {
        return true;
    }
    end(p);
    return false;
}

void Desktop::end(Program& p) {
    stop(p.process);
}

void Desktop::stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(10000);
    }
}

bool near(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}
