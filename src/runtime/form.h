// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The window kind: a top-level window with a caption and a client area in
// twips, holding the controls built on it. It owns its widget and, through
// Qt's parent links, the widgets of all its controls.
#pragma once

#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

#include "twips.h"

class QWidget;

namespace runtime {

class Control;

class Form {
public:
    Form();
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void setCaption(const QString& caption);
    void setClientSize(Twips width, Twips height);

    // Stacks the controls, the first on top of all.
    void stack(const std::vector<Control*>& topFirst);

    // The order the keyboard focus moves in; the first has the focus at start.
    void setFocusOrder(std::initializer_list<Control*> order);

    // Shows the window at the platform's default place for a new window.
    void show();

    QWidget* widget() const { return m_window.get(); }

private:
    std::unique_ptr<QWidget> m_window;
    std::vector<Control*> m_focusOrder;
};

}  // namespace runtime
