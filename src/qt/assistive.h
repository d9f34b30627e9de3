// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What assistive technology sees of a window, read from the runtime's
// controls: the window's controls in reading order where the form asks for
// it (top to bottom, then left to right, as a sighted player reads them,
// not in the order they are stacked), each with the role and name its
// control gives, and nothing of the controls a reader should not hear
// about. Buttons keep Qt's own interface, which presses them.
#pragma once

#include <QAccessible>

#include "runtime/controls.h"

class QObject;
class QWidget;

namespace runtime {
class Form;
}

namespace qt {

// Ties a widget to the control or the window it draws.
void drawsControl(QWidget* widget, const runtime::Control& control);
void drawsForm(QWidget* widget, const runtime::Form& form);
// Unties it, before it goes: a widget destroyed with the focus tells readers,
// who must not reach a control or window already being destroyed.
void drawsNothing(QWidget* widget);
// The control a widget draws, or null.
const runtime::Control* controlOf(const QObject* object);

QAccessible::Role qtRole(runtime::ReaderRole role);

// Lets Qt ask the runtime's controls what a reader is told.
void installAccessibility();

}  // namespace qt
