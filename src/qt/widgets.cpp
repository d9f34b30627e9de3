// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Painting and input of the widgets behind the control kinds.
#include "widgets.h"

#include <QImage>
#include <QPainter>
#include <utility>

namespace qt {

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

void ImageWidget::setPicture(std::span<const unsigned char> jpeg) {
    m_jpeg = jpeg;
    m_picture = QPixmap();
    m_undecodable = false;
}

bool ImageWidget::ensureDecoded() {
    if (!m_jpeg.empty()) {
        QImage image = QImage::fromData(m_jpeg.data(), int(m_jpeg.size()), "JPEG");
        m_jpeg = {};  // tried once, whatever came of it
        m_undecodable = image.isNull();
        // Converted once here so that painting a strip is a plain copy; in
        // place, so the picture is never held twice.
        m_picture = QPixmap::fromImage(std::move(image));
    }
    return !m_picture.isNull();
}

void ImageWidget::paintEvent(QPaintEvent*) {
    // A picture shown from the start, before any size change, decodes here;
    // one that cannot be decoded shows nothing and is reported when next
    // resized, inside a handler.
    ensureDecoded();
    // Natural size from the top-left corner; the widget's rectangle clips it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);  // for fractional scaling
    painter.drawPixmap(0, 0, m_picture);
}

}  // namespace qt
