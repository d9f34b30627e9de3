// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The control kinds a window holds: label, command button, outline shape,
// picture and timer, with the properties the game and its layout use. A
// control keeps its properties itself, exactly as they were set (a height in
// twips reads back as it was set, whatever the screen makes of it), and
// tells the peer the front end gave it of every change; the peer draws the
// control with the platform's own means. A click or a tick the platform
// reports reaches the window's listener through the session, and a click
// only while the control can take one: shown, of some size, and a button
// enabled.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "colour.h"
#include "font.h"
#include "twips.h"

namespace runtime {

class Form;

// What a front end keeps for a window, a control or a timer: told of each
// change, it reads the new properties from what it stands for.
class Peer {
public:
    enum class Change : std::uint8_t {
        Geometry,  // position or size
        Visible,
        Enabled,
        Caption,
        Look,  // colours, alignment, border, pointer
        Font,
        Picture,  // the picture's bytes
        Reader,   // what a screen reader is told
        Order,    // a window's stacking or focus order
        Interval,
    };
    virtual ~Peer() = default;
    virtual void changed(Change what) = 0;
};
using Change = Peer::Change;

class Control;
class Timer;

// What hears a window's clicks and ticks, each delivered by the session.
class Listener {
public:
    virtual void clicked(Control& control) = 0;
    virtual void ticked(Timer& timer) = 0;

protected:
    ~Listener() = default;
};

// The pointer shown over a control.
enum class Pointer : std::uint8_t { Arrow, Forbidden };

// What a screen reader is told a control is.
enum class ReaderRole : std::uint8_t { Text, Button, Image, Alert };

// Anything a window holds: a control or a timer.
class Component {
public:
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    Form& form() const { return m_form; }
    Peer* peer() const { return m_peer.get(); }

protected:
    explicit Component(Form& form) : m_form(form) {}
    // Hands the component to its peer, once the kind is built.
    void attach(std::unique_ptr<Peer> peer);
    void changed(Change what);

private:
    Form& m_form;
    std::unique_ptr<Peer> m_peer;
};

class Control : public Component {
public:
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    Twips left() const { return m_left; }
    Twips top() const { return m_top; }
    Twips width() const { return m_width; }
    Twips height() const { return m_height; }
    void move(Twips left, Twips top, Twips width, Twips height);
    void setWidth(Twips width);
    void setHeight(Twips height);
    // Where the control is drawn, in the window's logical pixels.
    PixelRect pixelRect() const { return runtime::pixelRect(m_left, m_top, m_width, m_height); }

    // Whether a click can reach the control now: shown, and of some size.
    virtual bool takesClicks() const;
    // A click the platform saw on the control: delivered to the window's
    // listener if the control takes clicks now.
    void click();

    // What a screen reader is told of the control: its role, its name (the
    // one given, else its own text), a description, or nothing at all.
    ReaderRole readerRole() const { return m_role; }
    void setReaderRole(ReaderRole role);
    virtual std::string readerName() const { return m_accessibleName; }
    void setAccessibleName(std::string name);
    const std::string& accessibleDescription() const { return m_description; }
    void setAccessibleDescription(std::string description);
    bool hiddenFromReaders() const { return m_hiddenFromReaders; }
    // Decoration that another control already tells, or a spot a sighted
    // player finds only by chance.
    void hideFromReaders();

protected:
    Control(Form& form, ReaderRole role) : Component(form), m_role(role) {}
    const std::string& accessibleName() const { return m_accessibleName; }

private:
    Twips m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_hiddenFromReaders = false;
    ReaderRole m_role;
    std::string m_accessibleName;
    std::string m_description;
};

// Text, opaque in its own colour; the window shows through a hidden one.
class Label : public Control {
public:
    explicit Label(Form& form);

    const std::string& caption() const { return m_caption; }  // UTF-8
    void setCaption(std::string caption);
    Colour backColor() const { return m_back; }  // kDefaultColour: the window's
    void setBackColor(Colour colour);
    Colour foreColor() const { return m_fore; }  // kDefaultColour: the platform's text colour
    void setForeColor(Colour colour);
    const FontSpec& font() const { return m_font; }
    void setFont(const FontSpec& font);
    bool centred() const { return m_centred; }
    void setCentred();  // text centred across the label, else at its top left
    // Reads the caption after a prefix, so a bare number says what it counts.
    const std::string& accessiblePrefix() const { return m_prefix; }
    void setAccessiblePrefix(std::string prefix);
    std::string readerName() const override;

private:
    std::string m_caption;
    std::string m_prefix;
    Colour m_back = kDefaultColour;
    Colour m_fore = kDefaultColour;
    FontSpec m_font = kDefaultFont;
    bool m_centred = false;
};

class CommandButton : public Control {
public:
    explicit CommandButton(Form& form);

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool takesClicks() const override { return m_enabled && Control::takesClicks(); }
    std::string readerName() const override;

private:
    std::string m_caption;
    bool m_enabled = true;
};

// An unfilled rectangle in the platform's text colour; transparent to clicks.
class Shape : public Control {
public:
    explicit Shape(Form& form);

    int borderWidth() const { return m_borderWidth; }  // pixels
    void setBorderWidth(int pixels);
    bool takesClicks() const override { return false; }

private:
    int m_borderWidth = 1;
};

// A picture drawn at its natural size from the control's top-left corner and
// clipped to the control's current width and height. A front end decodes it
// only when a part of it is first uncovered, and raises the picture error
// there, inside the handler that uncovered it, if it cannot; a page, whose
// browser fetches and decodes it meanwhile, raises it when the browser
// reports the failure, as a notification of its own.
class Image : public Control {
public:
    explicit Image(Form& form);

    std::span<const unsigned char> picture() const { return m_picture; }  // a JPEG's bytes
    void setPicture(std::span<const unsigned char> jpeg);
    Pointer pointer() const { return m_pointer; }
    void setPointer(Pointer pointer);

private:
    std::span<const unsigned char> m_picture;  // built into the program
    Pointer m_pointer = Pointer::Arrow;
};

// While enabled, one tick every interval on the user-interface thread,
// delivered like a click. Turning it on starts a fresh period.
class Timer : public Component {
public:
    explicit Timer(Form& form);

    int interval() const { return m_interval; }  // ms; 0 never ticks
    void setInterval(int milliseconds);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // One period has passed: delivers the tick while enabled.
    void tick();

private:
    int m_interval = 0;
    bool m_enabled = true;
};

}  // namespace runtime
