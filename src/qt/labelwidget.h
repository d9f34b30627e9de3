// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The widget behind a label, and every rule of a hidden label in one place.
// A label paints itself while it is shown: hiding it stops the painting, so
// the window shows through, lets clicks through to whatever lies beneath and
// forgets a press in progress, while the widget itself stays shown (showing
// a widget makes Qt ask the window system where the pointer is, a round trip
// that would wake the game each time a square lights). A reader is told when it
// shows or hides, and finds a hidden label neither by reading nor by pointing.
#pragma once

#include <QAccessible>
#include <QLabel>

#include "widgets.h"

namespace runtime {
class Label;
}

namespace qt {

class LabelWidget : public Clickable<QLabel> {
public:
    LabelWidget(QWidget* parent, const runtime::Label& label);
    bool shown() const { return m_shown; }
    void setShown(bool shown);
    // Wraps at words only when the text is wider than the label: Qt would
    // otherwise break a line that fits to the pixel.
    void updateWrap();
    // What a reader is given for the label: the role and name its control gives.
    QAccessibleInterface* accessibleInterface();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const runtime::Label& m_label;
    bool m_shown = true;
};

}  // namespace qt
