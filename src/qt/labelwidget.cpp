// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A label's drawing, hiding, clicks and what a reader finds of it.
#include "labelwidget.h"

#include <QAccessibleWidget>

#include "assistive.h"
#include "runtime/controls.h"

namespace qt {

namespace {

// A label reads as its control says: its text unless it was given a name.
// Hidden, it reads as invisible and has no extents, so pointing at its place
// finds what lies beneath instead.
class LabelInterface : public QAccessibleWidget {
public:
    LabelInterface(LabelWidget* w, const runtime::Label& label)
        : QAccessibleWidget(w), m_label(label) {}

    QAccessible::Role role() const override { return qtRole(m_label.readerRole()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QString::fromStdString(m_label.readerName());
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || !label()->shown();
        return s;
    }
    QRect rect() const override { return label()->shown() ? QAccessibleWidget::rect() : QRect(); }

private:
    LabelWidget* label() const { return static_cast<LabelWidget*>(widget()); }
    const runtime::Label& m_label;
};

}  // namespace

LabelWidget::LabelWidget(QWidget* parent, const runtime::Label& label)
    : Clickable<QLabel>(parent), m_label(label) {
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
        forgetPress();  // a label hidden mid-click was missed
    }
    updateWrap();
    update();
    // Qt tells a reader when a widget is shown or hidden; here the label
    // does, and only when one listens.
    if (QAccessible::isActive() && !m_label.hiddenFromReaders()) {
        QAccessibleEvent event(this, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&event);
    }
}

QAccessibleInterface* LabelWidget::accessibleInterface() {
    return new LabelInterface(this, m_label);
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

}  // namespace qt
