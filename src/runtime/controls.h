// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The control kinds a window holds: label, command button, outline shape and
// picture. Each is a thin handle on a Qt widget that keeps its position and
// size in twips, exactly as set, and exposes only the properties the game and
// its layout use. Clicks reach the handler set with setClickHandler through
// deliver(); hidden controls and controls of no size receive none.
#pragma once

#include <QString>
#include <Qt>
#include <functional>

#include "colour.h"
#include "font.h"
#include "twips.h"

class QWidget;

namespace runtime {

class Form;
struct ClickTarget;

class Control {
public:
    Control(const Control&) = delete;  // a copy would keep sizes of its own for the same widget
    Control& operator=(const Control&) = delete;

    virtual bool visible() const;
    virtual void setVisible(bool visible);

    Twips width() const { return m_width; }
    Twips height() const { return m_height; }
    void move(Twips left, Twips top, Twips width, Twips height);
    void setWidth(Twips width);
    void setHeight(Twips height);

    void setClickHandler(std::function<void()> handler);

    // What assistive technology reads for the control.
    void setAccessibleName(const QString& name);
    void setAccessibleDescription(const QString& description);

    QWidget* widget() const { return m_widget; }

protected:
    explicit Control(QWidget* widget);
    virtual ~Control() = default;
    void takeClicks(ClickTarget* clicks) { m_clicks = clicks; }
    // Called after every change of position or size.
    virtual void geometryChanged() {}

private:
    void applyGeometry();

    QWidget* m_widget;                // owned by the form's window
    ClickTarget* m_clicks = nullptr;  // stays null where the kind takes no clicks
    Twips m_left = 0;
    Twips m_top = 0;
    Twips m_width = 0;
    Twips m_height = 0;
};

class Label : public Control {
public:
    explicit Label(Form& form);
    bool visible() const override;
    void setVisible(bool visible) override;
    QString caption() const;
    void setCaption(const QString& caption);
    void setBackColor(Colour colour);
    void setForeColor(Colour colour);
    void setFont(const FontSpec& font);
    void setCentred();  // text centred across the label
    // Reads the caption with a prefix, so a bare number says what it counts.
    void setAccessiblePrefix(const QString& prefix);

private:
    void updateAccessibleName();
    QString m_accessiblePrefix;
};

class CommandButton : public Control {
public:
    explicit CommandButton(Form& form);
    void setCaption(const QString& caption);
    bool enabled() const;
    void setEnabled(bool enabled);
};

// An unfilled rectangle drawn in the default line colour; transparent to clicks.
class Shape : public Control {
public:
    explicit Shape(Form& form);
    void setBorderWidth(int pixels);
};

// A picture drawn at its natural size from the control's top-left corner and
// clipped to the control's current width and height. It is decoded only when
// a part of it is first uncovered on the screen: a window that opens with the
// picture covered never loads an image decoder before the first hit.
class Image : public Control {
public:
    explicit Image(Form& form);
    // A picture built into the program. Raises a run-time error, when the
    // picture is first uncovered, if it cannot be decoded.
    void setPicture(const QString& resource);
    void setPointer(Qt::CursorShape shape);

private:
    void geometryChanged() override;
    bool m_reported = false;  // an undecodable picture is reported once
};

}  // namespace runtime
