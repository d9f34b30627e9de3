// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The Qt widgets behind the control kinds but the label (labelwidget.h). The
// peers (peers.cpp) make them and keep them in step with their controls.
#pragma once

#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <span>

namespace qt {

// Something that can report a click to the control's handler.
struct ClickTarget {
    std::function<void()> onClick;
};

// A click is the primary button pressed and released on the same widget, as
// the platform counts it; other buttons pass through to the window.
template <class Base>
class Clickable : public Base, public ClickTarget {
public:
    using Base::Base;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_pressed = true;
            event->accept();
        } else {
            Base::mousePressEvent(event);
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            Base::mouseReleaseEvent(event);
            return;
        }
        const bool click = m_pressed && this->rect().contains(event->position().toPoint());
        m_pressed = false;
        event->accept();
        if (click && onClick) {
            onClick();
        }
    }
    // A control that is hidden mid-click was missed. (A label's widget is
    // never hidden: it forgets the press itself when the label hides.)
    void hideEvent(QHideEvent* event) override {
        forgetPress();
        Base::hideEvent(event);
    }
    void forgetPress() { m_pressed = false; }

private:
    bool m_pressed = false;
};

class ButtonWidget : public QPushButton, public ClickTarget {
public:
    explicit ButtonWidget(QWidget* parent);
};

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent);
    int borderWidth = 1;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class ImageWidget : public Clickable<QWidget> {
public:
    explicit ImageWidget(QWidget* parent);
    // A JPEG built into the program, decoded when it is first needed.
    void setPicture(std::span<const unsigned char> jpeg);
    // Decodes the picture the first time it is asked, and only then; false
    // while there is no picture to draw.
    bool ensureDecoded();
    // Whether a picture was there to decode and could not be.
    bool undecodable() const { return m_undecodable; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::span<const unsigned char> m_jpeg;  // empty once decoding was tried, or when there is none
    QPixmap m_picture;
    bool m_undecodable = false;
};

}  // namespace qt
