// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The accessibility of the runtime's windows: a factory that gives marked
// widgets their role and reading order, and the deferral of the work until a
// client listens.
#include "assistive.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "labelwidget.h"

namespace runtime {

namespace {

constexpr char kReadingOrder[] = "klikoman.readingOrder";
constexpr char kRole[] = "klikoman.role";
constexpr char kHidden[] = "klikoman.hiddenFromReaders";

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
            if (w && !w->isWindow() && !w->property(kHidden).toBool()) {
                c << w;
            }
        }
        return c;
    }
    // The same, in reading order.
    QList<QWidget*> readableChildren() const {
        QList<QWidget*> c = stacked();
        std::stable_sort(c.begin(), c.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return c;
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (w == nullptr) {
        return nullptr;
    }
    if (w->property(kReadingOrder).toBool()) {
        return new ReadingOrderWindow(w);
    }
    const QVariant role = w->property(kRole);
    if (auto* label = dynamic_cast<LabelWidget*>(w)) {
        return label->accessibleInterface(role.isValid() ? QAccessible::Role(role.toInt())
                                                         : QAccessible::StaticText);
    }
    return role.isValid() ? new QAccessibleWidget(w, QAccessible::Role(role.toInt())) : nullptr;
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

void readInReadingOrder(QWidget* window) {
    installFactory();
    window->setProperty(kReadingOrder, true);
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    installFactory();
    widget->setProperty(kRole, int(role));
}

void hideFromReaders(QWidget* widget) {
    widget->setProperty(kHidden, true);
}

RunWhenReaderListens::RunWhenReaderListens(std::function<void()> describe)
    : m_describe(std::move(describe)) {
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) {
        accessibilityActiveChanged(true);
    }
}

RunWhenReaderListens::~RunWhenReaderListens() {
    QAccessible::removeActivationObserver(this);
}

void RunWhenReaderListens::accessibilityActiveChanged(bool active) {
    if (active && m_describe) {
        std::exchange(m_describe, nullptr)();
    }
}

}  // namespace runtime
