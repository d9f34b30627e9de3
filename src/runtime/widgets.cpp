// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Painting and input of the widgets behind the control kinds.
#include "widgets.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <utility>

namespace runtime {

LabelWidget::LabelWidget(QWidget* parent) : Clickable<QLabel>(parent) {
    // Opaque in the window's colour, text at the top left, wrapped at words.
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::setShown(bool shown) {
    if (shown == m_shown) {
        return;
    }
    m_shown = shown;
    setAttribute(Qt::WA_TransparentForMouseEvents, !shown);
    setAutoFillBackground(shown);  // hidden, the window shows through
    if (!shown) {
        forgetPress();
    }
    updateWrap();
    update();
    // Qt tells a reader when a widget is shown or hidden; here the runtime
    // does, and only when one listens.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&event);
    }
}

void LabelWidget::updateWrap() {
    // Measured only on screen: a hidden label (the end message) would load
    // its font face at start-up for nothing.
    if (m_shown && isVisible()) {
        setWordWrap(fontMetrics().horizontalAdvance(text()) > width());
    }
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    if (m_shown) {
        Clickable<QLabel>::paintEvent(event);
    }
}

void LabelWidget::showEvent(QShowEvent* event) {
    updateWrap();
    Clickable<QLabel>::showEvent(event);
}

void LabelWidget::resizeEvent(QResizeEvent* event) {
    updateWrap();
    QLabel::resizeEvent(event);
}

ButtonWidget::ButtonWidget(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    QObject::connect(this, &QPushButton::clicked, this, [this] {
        if (onClick) {
            onClick();
        }
    });
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    // An outline lies over its square but must never take the square's clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor line = palette().color(QPalette::WindowText);
    const int w = width();
    const int h = height();
    const int b = borderWidth;
    // Four filled strips stay sharp at any scale, unlike a wide stroked pen.
    painter.fillRect(0, 0, w, b, line);
    painter.fillRect(0, h - b, w, b, line);
    painter.fillRect(0, b, b, h - 2 * b, line);
    painter.fillRect(w - b, b, b, h - 2 * b, line);
}

ImageWidget::ImageWidget(QWidget* parent) : Clickable<QWidget>(parent) {
    setFocusPolicy(Qt::NoFocus);
    // The picture stays put as the control grows: only the part a hit
    // uncovers is drawn, not the whole picture again.
    setAttribute(Qt::WA_StaticContents);
}

bool ImageWidget::decode() {
    QImage decoded(resource);
    if (decoded.isNull()) {
        return false;
    }
    // Converted once here so that painting a strip is a plain copy; in place,
    // so the picture is never held twice.
    picture = QPixmap::fromImage(std::move(decoded));
    resource.clear();
    return true;
}

void ImageWidget::paintEvent(QPaintEvent*) {
    // A picture shown from the start, before any size change, decodes here;
    // one that cannot be decoded shows nothing and is reported when next
    // resized, inside a handler.
    if (!resource.isEmpty()) {
        decode();
    }
    // Natural size from the top-left corner; the widget's rectangle clips it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);  // for fractional scaling
    painter.drawPixmap(0, 0, picture);
}

}  // namespace runtime
