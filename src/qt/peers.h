// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The Qt peers: each keeps a widget (or a timer) in step with the runtime's
// window, control or timer it stands for, and passes the widget's clicks and
// the timer's ticks back to it.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "runtime/controls.h"
#include "runtime/form.h"

namespace qt {

class WindowPeer : public runtime::Peer {
public:
    explicit WindowPeer(runtime::Form& form);
    ~WindowPeer() override;
    void changed(runtime::Change what) override;
    QWidget* widget() const { return m_widget.get(); }

private:
    runtime::Form& m_form;
    std::unique_ptr<QWidget> m_widget;
};

// A control's widget, a child of its window's.
class ControlPeer : public runtime::Peer {
public:
    ~ControlPeer() override;
    void changed(runtime::Change what) override;
    QWidget* widget() const { return m_widget; }

protected:
    ControlPeer(runtime::Control& control, QWidget* widget);
    // The window's widget, which the control's widget goes into.
    static QWidget* parentFor(const runtime::Control& control);
    virtual void showOrHide(bool visible);

    runtime::Control& m_control;
    QPointer<QWidget> m_widget;  // owned by the window's widget too
};

class LabelPeer : public ControlPeer {
public:
    explicit LabelPeer(runtime::Label& label);
    void changed(runtime::Change what) override;

private:
    void showOrHide(bool visible) override;
    runtime::Label& label() const { return static_cast<runtime::Label&>(m_control); }
};

class ButtonPeer : public ControlPeer {
public:
    explicit ButtonPeer(runtime::CommandButton& button);
    void changed(runtime::Change what) override;

private:
    void showOrHide(bool visible) override;
};

class ShapePeer : public ControlPeer {
public:
    explicit ShapePeer(runtime::Shape& shape);
    void changed(runtime::Change what) override;
};

class ImagePeer : public ControlPeer {
public:
    explicit ImagePeer(runtime::Image& image);
    void changed(runtime::Change what) override;

private:
    // Decodes the picture once a part of it is on the screen; raises the
    // picture error, once, if it cannot be.
    void decodeIfUncovered();
    bool m_reported = false;
};

// Coarse timers may slip by 5%, which a player sees at 400 ms: precise ones.
class TimerPeer : public runtime::Peer {
public:
    explicit TimerPeer(runtime::Timer& timer);
    void changed(runtime::Change what) override;

private:
    runtime::Timer& m_timer;
    QTimer m_clock;
};

}  // namespace qt
