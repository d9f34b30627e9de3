// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The platform API: what a front end gives the runtime. A front end draws
// each window, control and timer through a peer of its own, carries out the
// end of the program and shows the run-time error report. Each platform has
// one (the Linux desktop's, the browser's, Windows'), and tests have a null
// one whose peers only keep what they were told.
#pragma once

#include <memory>
#include <string>

#include "controls.h"

namespace runtime {

class Form;

class Frontend {
public:
    virtual ~Frontend() = default;

    // A peer for each kind; made as the component is, before any property
    // is set, and told of every property set after.
    virtual std::unique_ptr<Peer> window(Form& form) = 0;
    virtual std::unique_ptr<Peer> label(Label& label) = 0;
    virtual std::unique_ptr<Peer> button(CommandButton& button) = 0;
    virtual std::unique_ptr<Peer> shape(Shape& shape) = 0;
    virtual std::unique_ptr<Peer> image(Image& image) = 0;
    virtual std::unique_ptr<Peer> timer(Timer& timer) = 0;

    // Carries out the end of the program with `status`, once it is decided:
    // the window goes, no further notification comes.
    virtual void end(int status) = 0;
    // Shows a run-time error's report, in UTF-8, over the program's window.
    virtual void report(const std::string& title, const std::string& message) = 0;
};

// A front end whose peer of each kind is a class made from the component
// alone: it names the classes, and writes only the end and the report.
template <class WindowPeer, class LabelPeer, class ButtonPeer, class ShapePeer, class ImagePeer,
          class TimerPeer>
class PeersOf : public Frontend {
public:
    std::unique_ptr<Peer> window(Form& form) override { return std::make_unique<WindowPeer>(form); }
    std::unique_ptr<Peer> label(Label& label) override {
        return std::make_unique<LabelPeer>(label);
    }
    std::unique_ptr<Peer> button(CommandButton& button) override {
        return std::make_unique<ButtonPeer>(button);
    }
    std::unique_ptr<Peer> shape(Shape& shape) override {
        return std::make_unique<ShapePeer>(shape);
    }
    std::unique_ptr<Peer> image(Image& image) override {
        return std::make_unique<ImagePeer>(image);
    }
    std::unique_ptr<Peer> timer(Timer& timer) override {
        return std::make_unique<TimerPeer>(timer);
    }
};

}  // namespace runtime
