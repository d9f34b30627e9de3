// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The accessibility of the runtime's windows in Qt: a factory that gives
// each window its reading order and each label and picture the role and
// name its control gives.
#include "assistive.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "labelwidget.h"
#include "runtime/form.h"

namespace qt {

namespace {

constexpr char kControl[] = "klikoman.control";
constexpr char kForm[] = "klikoman.form";

const runtime::Form* formOf(const QObject* object) {
    return reinterpret_cast<const runtime::Form*>(object->property(kForm).value<quintptr>());
}

// A window whose children are read top to bottom, then left to right.
class ReadingOrderWindow : public QAccessibleWidget {
public:
    explicit ReadingOrderWindow(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

    int childCount() const override { return int(readableChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> c = readableChildren();
        return index >= 0 && index < c.size() ? QAccessible::queryAccessibleInterface(c[index])
                                              : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(readableChildren().indexOf(qobject_cast<QWidget*>(child->object())))
                     : -1;
    }
    // What a player sees at a point of the screen: the control on top there,
    // not the first in reading order (Start lies over the picture).
    QAccessibleInterface* childAt(int x, int y) const override {
        QList<QWidget*> c = stacked();
        for (auto w = c.crbegin(); w != c.crend(); ++w) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(*w);
            if (i && i->rect().contains(x, y)) {
                return i;
            }
        }
        return nullptr;
    }

private:
    // The controls a reader finds, bottom to top.
    QList<QWidget*> stacked() const {
        QList<QWidget*> c;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            const runtime::Control* control = w ? controlOf(w) : nullptr;
            if (control && !w->isWindow() && !control->hiddenFromReaders()) {
                c << w;
            }
        }
        return c;
    }
    // The same, in reading order.
    QList<QWidget*> readableChildren() const {
        QList<QWidget*> c = stacked();
        if (formOf(widget())->readsInReadingOrder()) {
            std::stable_sort(c.begin(), c.end(), [](const QWidget* a, const QWidget* b) {
                return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
            });
        }
        return c;
    }
};

// A control read with the role and name it gives (a picture).
class ControlInterface : public QAccessibleWidget {
public:
    ControlInterface(QWidget* w, const runtime::Control& control)
        : QAccessibleWidget(w), m_control(control) {}
    QAccessible::Role role() const override { return qtRole(m_control.readerRole()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QString::fromStdString(m_control.readerName());
        }
        if (t == QAccessible::Description) {
            return QString::fromStdString(m_control.accessibleDescription());
        }
        return QAccessibleWidget::text(t);
    }

private:
    const runtime::Control& m_control;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (w == nullptr) {
        return nullptr;
    }
    if (formOf(w) != nullptr) {
        return new ReadingOrderWindow(w);
    }
    if (auto* label = dynamic_cast<LabelWidget*>(w)) {
        return label->accessibleInterface();
    }
    const runtime::Control* control = controlOf(w);
    if (control && control->readerRole() == runtime::ReaderRole::Image) {
        return new ControlInterface(w, *control);
    }
    return nullptr;  // a button: Qt's own, which presses it
}

}  // namespace

void drawsControl(QWidget* widget, const runtime::Control& control) {
    widget->setProperty(kControl, quintptr(&control));
}

void drawsForm(QWidget* widget, const runtime::Form& form) {
    widget->setProperty(kForm, quintptr(&form));
}

void drawsNothing(QWidget* widget) {
    widget->setProperty(kControl, QVariant());
    widget->setProperty(kForm, QVariant());
}

const runtime::Control* controlOf(const QObject* object) {
    return reinterpret_cast<const runtime::Control*>(object->property(kControl).value<quintptr>());
}

QAccessible::Role qtRole(runtime::ReaderRole role) {
    switch (role) {
        case runtime::ReaderRole::Button:
            return QAccessible::Button;
        case runtime::ReaderRole::Image:
            return QAccessible::Graphic;
        case runtime::ReaderRole::Alert:
            return QAccessible::AlertMessage;
        case runtime::ReaderRole::Text:
            break;
    }
    return QAccessible::StaticText;
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace qt
