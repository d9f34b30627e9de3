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
        m_pressed = false;  // a square that goes dark mid-click was missed
        Base::hideEvent(event);
    }

private:
    bool m_pressed = false;
};

class LabelWidget : public Clickable<QLabel> {
public:
    explicit LabelWidget(QWidget* parent);
    // Wraps at words only when the text is wider than the label: Qt would
    // otherwise break a line that fits to the pixel.
    void updateWrap();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
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
