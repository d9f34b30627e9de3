// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The Qt widgets behind the control kinds. Private to the runtime: the rest of
// the program sees the controls only through their properties.
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace runtime {

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
    void hideEvent(QHideEvent* event) override {
        forgetPress();
        Base::hideEvent(event);
    }
    // A control that is hidden mid-click was missed.
    void forgetPress() { m_pressed = false; }

private:
    bool m_pressed = false;
};

// A label is drawn by the window it lies on, as a part of it: hiding it stops
// the drawing and lets clicks through to whatever lies beneath, while the
// widget itself stays shown. Showing a widget makes Qt ask the window system
// where the pointer is, a round trip that would wake the game each time a
// square lights.
class LabelWidget : public Clickable<QLabel> {
public:
    explicit LabelWidget(QWidget* parent);
    bool shown() const { return m_shown; }
    void setShown(bool shown);
    // Wraps at words only when the text is wider than the label: Qt would
    // otherwise break a line that fits to the pixel.
    void updateWrap();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_shown = true;
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
    // Decodes the resource into the picture once; false if it cannot.
    bool decode();
    QString resource;  // empty once decoded, or when there is none
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace runtime
