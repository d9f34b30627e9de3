// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Deferring accessibility work until a client listens.
#include "assistive.h"

#include <utility>

namespace runtime {

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
