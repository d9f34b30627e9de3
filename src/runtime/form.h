// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The window kind: a top-level window with a caption and a client area in
// twips, and the orders its controls are stacked, reached by the keyboard
// and read in. The controls on it are made with it and belong to whoever
// made them; the window goes after them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls.h"
#include "twips.h"

namespace runtime {

class Session;

class Form {
public:
    explicit Form(Session& session);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Session& session() const { return m_session; }
    Peer* peer() const { return m_peer.get(); }
    // Who hears the clicks and ticks of the window's controls.
    Listener* listener() const { return m_listener; }
    void setListener(Listener& listener) { m_listener = &listener; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    Twips clientWidth() const { return m_width; }
    Twips clientHeight() const { return m_height; }
    void setClientSize(Twips width, Twips height);
    PixelRect clientRect() const { return pixelRect(0, 0, m_width, m_height); }

    // Stacks the controls, the first on top of all.
    void stack(std::vector<Control*> topFirst);
    const std::vector<Control*>& stacking() const { return m_stacking; }
    // The order the keyboard focus moves in; the first has the focus at start.
    void setFocusOrder(std::vector<Control*> order);
    const std::vector<Control*>& focusOrder() const { return m_focusOrder; }
    // Whether a screen reader reads the controls in reading order (top to
    // bottom, then left to right, as a sighted player reads them) rather
    // than in the order they are stacked.
    bool readsInReadingOrder() const { return m_readingOrder; }
    void readInReadingOrder();

    // Shows the window at the platform's default place for a new window.
    void show();
    bool shown() const { return m_shown; }

private:
    Session& m_session;
    std::unique_ptr<Peer> m_peer;
    Listener* m_listener = nullptr;
    std::string m_caption;
    Twips m_width = 0, m_height = 0;
    std::vector<Control*> m_stacking;
    std::vector<Control*> m_focusOrder;
    bool m_readingOrder = false;
    bool m_shown = false;
};

}  // namespace runtime
