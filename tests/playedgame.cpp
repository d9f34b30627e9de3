// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The test harness that starts and plays a game on the Qt front end.
#include "playedgame.h"

#include <QFile>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "runtime/controls.h"
#include "runtime/form.h"

namespace {

// A timer that runs only when the test ticks it.
class ManualClock : public runtime::Peer {
public:
    void changed(runtime::Change) override {}
};

}  // namespace

QStringList readingOrder() {
    QFile list(QStringLiteral(KLIKOMAN_READING_ORDER));
    QStringList lines;
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QString& line :
             QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            if (!line.startsWith(u'#')) {
                lines << line;
            }
        }
    }
    return lines;
}

std::unique_ptr<runtime::Peer> TestFrontend::window(runtime::Form& f) {
    form = &f;
    return QtFrontend::window(f);
}

std::unique_ptr<runtime::Peer> TestFrontend::label(runtime::Label& label) {
    components.push_back(&label);
    return QtFrontend::label(label);
}

std::unique_ptr<runtime::Peer> TestFrontend::button(runtime::CommandButton& button) {
    components.push_back(&button);
    return QtFrontend::button(button);
}

std::unique_ptr<runtime::Peer> TestFrontend::shape(runtime::Shape& shape) {
    components.push_back(&shape);
    return QtFrontend::shape(shape);
}

std::unique_ptr<runtime::Peer> TestFrontend::image(runtime::Image& image) {
    components.push_back(&image);
    return QtFrontend::image(image);
}

std::unique_ptr<runtime::Peer> TestFrontend::timer(runtime::Timer& timer) {
    components.push_back(&timer);
    return std::make_unique<ManualClock>();
}

void TestFrontend::report(const std::string& title, const std::string& message) {
    reportText = qt::fromUtf8(message);
    if (showReport) {
        QtFrontend::report(title, message);
    }
}

PlayedGame::PlayedGame() {
    static const bool prepared = [] {
        qt::prepareApplication(app::kProject);
        return true;
    }();
    Q_UNUSED(prepared);
    m_program = app::startUp(m_session);
    QWidget* w = windowWidget();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w)) {
        qWarning("the game's window was not exposed");
    }
}

PlayedGame::~PlayedGame() = default;

runtime::Label& PlayedGame::square(int index) {
    return static_cast<runtime::Label&>(
        *m_frontend.components.at(std::size_t(window::idOf(window::Name::Label1, index))));
}

QWidget* PlayedGame::windowWidget() const {
    return qt::QtFrontend::widgetOf(*m_frontend.form);
}

QWindow* PlayedGame::window() const {
    return windowWidget()->windowHandle();
}

QWidget* PlayedGame::widget(const runtime::Control& control) {
    return qt::QtFrontend::widgetOf(control);
}

void PlayedGame::clickAt(QPoint point, Qt::MouseButton button) {
    QTest::mouseClick(window(), button, Qt::NoModifier, point);
}

QPoint PlayedGame::centreOf(const runtime::Control& control) const {
    QWidget* w = widget(control);
    return w->mapTo(w->window(), w->rect().center());
}

void PlayedGame::click(const runtime::Control& control, Qt::MouseButton button) {
    clickAt(centreOf(control), button);
}

void PlayedGame::startAndLight(int ticks) {
    click(control<window::ControlId::Command1>());
    for (int i = 0; i < ticks; ++i) {
        tickTimer1();
    }
}

runtime::Label* PlayedGame::litSquare() {
    for (int i = 0; i < window::kSquareCount; ++i) {
        if (square(i).visible()) {
            return &square(i);
        }
    }
    return nullptr;
}

bool PlayedGame::hitLitSquare() {
    runtime::Label* lit = litSquare();
    if (lit == nullptr) {
        return false;
    }
    click(*lit);
    return true;
}
