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

#include "widgets.h"

namespace runtime {

namespace {

constexpr char kReadingOrder[] = "klikoman.readingOrder";
constexpr char kRole[] = "klikoman.role";
constexpr char kHidden[] = "klikoman.hiddenFromReaders";

// A window whose children are read top to bottom, then left to right.
class ReadingOrderWindow : public QAccessibleWidget {
public:
    explicit ReadingOrderWindow(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> c = children();
        return index >= 0 && index < c.size() ? QAccessible::queryAccessibleInterface(c[index])
                                              : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> c;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !w->property(kHidden).toBool()) {
                c << w;
            }
        }
        std::stable_sort(c.begin(), c.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return c;
    }
};

// A label reads as its text unless it was given a name, and as hidden while
// the runtime hides it (its widget stays shown).
class LabelInterface : public QAccessibleWidget {
public:
    LabelInterface(LabelWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? label()->text() : text;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || !label()->shown();
        return s;
    }

private:
    LabelWidget* label() const { return static_cast<LabelWidget*>(widget()); }
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
        return new LabelInterface(
            label, role.isValid() ? QAccessible::Role(role.toInt()) : QAccessible::StaticText);
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

WhenAssisted::WhenAssisted(std::function<void()> describe) : m_describe(std::move(describe)) {
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) {
        accessibilityActiveChanged(true);
    }
}

WhenAssisted::~WhenAssisted() {
    QAccessible::removeActivationObserver(this);
}

void WhenAssisted::accessibilityActiveChanged(bool active) {
    if (active && m_describe) {
        std::exchange(m_describe, nullptr)();
    }
}

}  // namespace runtime
