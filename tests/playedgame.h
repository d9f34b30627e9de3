// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A game started for a test as the program starts it, on the Qt front end,
// with timers that only the test ticks: it clicks the real window at real
// positions, so the window's own hit-testing decides which control a click
// reaches. The end of the program and the error report are caught, not
// carried out.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/program.h"
#include "qt/qtfrontend.h"
#include "runtime/session.h"
#include "window/form1.h"

class QWidget;
class QWindow;

// What a screen reader reads of the window at the start, in reading order:
// "ROLE\tname" a line (tests/readingorder.txt).
QStringList readingOrder();

// The Qt front end with the test's clock, and the end and the report caught.
class TestFrontend : public qt::QtFrontend {
public:
    std::unique_ptr<runtime::Peer> window(runtime::Form& form) override;
    std::unique_ptr<runtime::Peer> label(runtime::Label& label) override;
    std::unique_ptr<runtime::Peer> button(runtime::CommandButton& button) override;
    std::unique_ptr<runtime::Peer> shape(runtime::Shape& shape) override;
    std::unique_ptr<runtime::Peer> image(runtime::Image& image) override;
    std::unique_ptr<runtime::Peer> timer(runtime::Timer& timer) override;
    void end(int ended) override { status = ended; }
    void report(const std::string& title, const std::string& message) override;

    std::vector<runtime::Component*> components;  // as made
    runtime::Form* form = nullptr;
    bool showReport = false;  // the real message box instead of catching it
    int status = -1;
    QString reportText;
};

class PlayedGame {
public:
    PlayedGame();
    ~PlayedGame();

    // The control built from a record: the window builds them in the
    // table's order.
    template <window::ControlId id>
    typename window::ClassOf<window::record(id).kind>::Type& control() {
        return static_cast<typename window::ClassOf<window::record(id).kind>::Type&>(
            *m_frontend.components.at(std::size_t(id)));
    }
    runtime::Label& square(int index);
    QWidget* windowWidget() const;
    QWindow* window() const;
    static QWidget* widget(const runtime::Control& control);
    TestFrontend& frontend() { return m_frontend; }

    // Presses and releases a mouse button at a point of the client area.
    void clickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton);
    // Clicks the centre of a control, wherever it is drawn.
    void click(const runtime::Control& control, Qt::MouseButton button = Qt::LeftButton);
    QPoint centreOf(const runtime::Control& control) const;

    void tickTimer1() { control<window::ControlId::Timer1>().tick(); }
    void tickTimer2() { control<window::ControlId::Timer2>().tick(); }

    // Presses Start and lights the squares the next n draws choose.
    void startAndLight(int ticks);
    // Clicks the first lit square; false if none is lit.
    bool hitLitSquare();
    runtime::Label* litSquare();

    bool ended() const { return m_session.ended(); }
    int exitStatus() const { return m_frontend.status; }  // -1 while the program runs
    const QString& errorReport() const { return m_frontend.reportText; }

private:
    TestFrontend m_frontend;
    runtime::Session m_session{m_frontend, "Klikoman"};
    std::unique_ptr<runtime::LoadedProgram> m_program;
};
