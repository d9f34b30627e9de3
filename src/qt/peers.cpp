// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The window's, the controls' and the timers' Qt peers.
#include "peers.h"

#include <QApplication>
#include <QCursor>
#include <QPalette>

#include "assistive.h"
#include "fonts.h"
#include "labelwidget.h"
#include "qtfrontend.h"
#include "runtime/errors.h"
#include "widgets.h"

namespace qt {

using runtime::Change;

namespace {

QRect rectOf(const runtime::PixelRect& r) {
    return {r.x, r.y, r.width, r.height};
}

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, runtime::Colour colour) {
    if (colour == runtime::kDefaultColour) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role,
                     QColor(runtime::red(colour), runtime::green(colour), runtime::blue(colour)));
    widget->setPalette(palette);
}

}  // namespace

// Window

WindowPeer::WindowPeer(runtime::Form& form) : m_form(form), m_widget(std::make_unique<QWidget>()) {
    drawsForm(m_widget.get(), form);
}

WindowPeer::~WindowPeer() {
    drawsNothing(m_widget.get());
}

void WindowPeer::changed(Change what) {
    switch (what) {
        case Change::Caption:
            m_widget->setWindowTitle(fromUtf8(m_form.caption()));
            break;
        case Change::Geometry: {
            const runtime::PixelRect client = m_form.clientRect();
            m_widget->resize(client.width, client.height);
            break;
        }
        case Change::Order: {
            // Each raised control goes on top: from the last up, the first ends above all.
            const auto& stacking = m_form.stacking();
            for (auto control = stacking.rbegin(); control != stacking.rend(); ++control) {
                QtFrontend::widgetOf(**control)->raise();
            }
            const auto& focus = m_form.focusOrder();
            for (std::size_t i = 1; i < focus.size(); ++i) {
                QWidget::setTabOrder(QtFrontend::widgetOf(*focus[i - 1]),
                                     QtFrontend::widgetOf(*focus[i]));
            }
            break;
        }
        case Change::Visible:
            if (!m_form.focusOrder().empty()) {
                QtFrontend::widgetOf(*m_form.focusOrder().front())->setFocus(Qt::OtherFocusReason);
            }
            m_widget->show();
            break;
        default:
            break;  // the reading order is read from the form as a reader asks
    }
}

// Control

ControlPeer::ControlPeer(runtime::Control& control, QWidget* widget)
    : m_control(control), m_widget(widget) {
    drawsControl(widget, control);
}

ControlPeer::~ControlPeer() {
    if (m_widget) {  // unless its window went first
        drawsNothing(m_widget);
        delete m_widget.data();
    }
}

QWidget* ControlPeer::parentFor(const runtime::Control& control) {
    return QtFrontend::widgetOf(control.form());
}

void ControlPeer::changed(Change what) {
    if (what == Change::Geometry) {
        m_widget->setGeometry(rectOf(m_control.pixelRect()));
    } else if (what == Change::Visible) {
        showOrHide(m_control.visible());
    }
}

void ControlPeer::showOrHide(bool visible) {
    m_widget->setVisible(visible);
}

// Label

LabelPeer::LabelPeer(runtime::Label& label)
    : ControlPeer(label, new LabelWidget(parentFor(label), label)) {
    static_cast<LabelWidget*>(widget())->onClick = [&label] { label.click(); };
}

void LabelPeer::changed(Change what) {
    auto* w = static_cast<LabelWidget*>(widget());
    switch (what) {
        case Change::Caption:
            w->setText(fromUtf8(label().caption()));
            w->updateWrap();
            break;
        case Change::Look:
            setPaletteColour(w, QPalette::Window, label().backColor());
            setPaletteColour(w, QPalette::WindowText, label().foreColor());
            w->setAlignment(label().centred() ? Qt::AlignTop | Qt::AlignHCenter
                                              : Qt::AlignLeft | Qt::AlignTop);
            break;
        case Change::Font:
            w->setFont(toQFont(label().font()));
            w->updateWrap();
            break;
        default:
            ControlPeer::changed(what);
            break;
    }
}

void LabelPeer::showOrHide(bool visible) {
    static_cast<LabelWidget*>(widget())->setShown(visible);
}

// CommandButton

ButtonPeer::ButtonPeer(runtime::CommandButton& button)
    : ControlPeer(button, new ButtonWidget(parentFor(button))) {
    static_cast<ButtonWidget*>(widget())->onClick = [&button] { button.click(); };
}

void ButtonPeer::changed(Change what) {
    auto& button = static_cast<runtime::CommandButton&>(m_control);
    switch (what) {
        case Change::Caption:
            static_cast<ButtonWidget*>(widget())->setText(fromUtf8(button.caption()));
            break;
        case Change::Enabled:
            widget()->setEnabled(button.enabled());
            break;
        case Change::Reader:
            // Qt's own button interface reads these from the widget.
            widget()->setAccessibleDescription(fromUtf8(button.accessibleDescription()));
            break;
        default:
            ControlPeer::changed(what);
            break;
    }
}

void ButtonPeer::showOrHide(bool visible) {
    ControlPeer::showOrHide(visible);
    // Qt leaves the focus on a hidden widget when no other can take it, and
    // the keyboard would then press a button nobody can see.
    if (!visible && widget()->hasFocus()) {
        widget()->clearFocus();
    }
}

// Shape

ShapePeer::ShapePeer(runtime::Shape& shape)
    : ControlPeer(shape, new ShapeWidget(parentFor(shape))) {}

void ShapePeer::changed(Change what) {
    if (what == Change::Look) {
        static_cast<ShapeWidget*>(widget())->borderWidth =
            static_cast<runtime::Shape&>(m_control).borderWidth();
        widget()->update();
    } else {
        ControlPeer::changed(what);
    }
}

// Image

ImagePeer::ImagePeer(runtime::Image& image)
    : ControlPeer(image, new ImageWidget(parentFor(image))) {
    static_cast<ImageWidget*>(widget())->onClick = [&image] { image.click(); };
}

void ImagePeer::changed(Change what) {
    auto& image = static_cast<runtime::Image&>(m_control);
    switch (what) {
        case Change::Picture:
            static_cast<ImageWidget*>(widget())->setPicture(image.picture());
            m_reported = false;
            decodeIfUncovered();
            break;
        case Change::Look:
            if (image.pointer() == runtime::Pointer::Forbidden) {
                widget()->setCursor(Qt::ForbiddenCursor);
            } else {
                widget()->unsetCursor();
            }
            break;
        default:
            ControlPeer::changed(what);
            if (what == Change::Geometry || what == Change::Visible) {
                decodeIfUncovered();
            }
            break;
    }
}

void ImagePeer::decodeIfUncovered() {
    auto* w = static_cast<ImageWidget*>(widget());
    if (!w->isVisible() || w->rect().isEmpty() || m_reported) {
        return;
    }
    if (!w->ensureDecoded() && w->undecodable()) {
        m_reported = true;  // once
        runtime::raisePictureError();
    }
}

// Timer

TimerPeer::TimerPeer(runtime::Timer& timer) : m_timer(timer) {
    m_clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_clock, &QTimer::timeout, [this] { m_timer.tick(); });
}

void TimerPeer::changed(Change) {
    // Turning it on, or a new interval, starts a fresh period.
    if (m_timer.enabled() && m_timer.interval() > 0) {
        m_clock.start(m_timer.interval());
    } else {
        m_clock.stop();
    }
}

}  // namespace qt
