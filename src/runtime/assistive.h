// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Work for assistive technology, done only once a screen reader or another
// client is listening: a window that nobody reads aloud starts without it.
#pragma once

#include <QAccessible>
#include <functional>

namespace runtime {

class WhenAssisted : private QAccessible::ActivationObserver {
public:
    // Runs `describe` now if a client is listening, else once one starts to.
    explicit WhenAssisted(std::function<void()> describe);
    ~WhenAssisted() override;
    WhenAssisted(const WhenAssisted&) = delete;
    WhenAssisted& operator=(const WhenAssisted&) = delete;

private:
    void accessibilityActiveChanged(bool active) override;

    std::function<void()> m_describe;  // empty once it has run
};

}  // namespace runtime
