// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The window kind over a top-level QWidget.
#include "form.h"

#include <QWidget>

#include "controls.h"
#include "shell.h"

namespace runtime {

Form::Form() : m_window(std::make_unique<QWidget>()) {}

Form::~Form() = default;

void Form::setCaption(const QString& caption) {
    m_window->setWindowTitle(caption);
}

void Form::setClientSize(Twips width, Twips height) {
    m_window->resize(twipsToPixels(width), twipsToPixels(height));
}

void Form::stack(const std::vector<Control*>& topFirst) {
    // Each raised control goes on top: from the last up, the first ends above all.
    for (auto control = topFirst.rbegin(); control != topFirst.rend(); ++control) {
        (*control)->widget()->raise();
    }
}

void Form::setFocusOrder(std::initializer_list<Control*> order) {
    m_focusOrder.assign(order);
    for (std::size_t i = 1; i < m_focusOrder.size(); ++i) {
        QWidget::setTabOrder(m_focusOrder[i - 1]->widget(), m_focusOrder[i]->widget());
    }
}

void Form::show() {
    if (!m_focusOrder.empty()) {
        m_focusOrder.front()->widget()->setFocus(Qt::OtherFocusReason);
    }
    shell::show(m_window.get());
}

}  // namespace runtime
