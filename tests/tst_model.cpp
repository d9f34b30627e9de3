// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Random play against a reference model. The model is the game as a player
// knows it from the rules (what each click and tick does in the ready,
// running, paused and finished states), written here on its own, apart from
// the program's code. Thousands of random events go to the game on the null
// front end, each click where a player's would land; after each one the
// controls must show what the model says. A failing sequence is cut down to
// the fewest events that still fail and printed, so it can be replayed by
// hand.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gamemodel.h"
#include "nullgame.h"

using namespace model;
using window::ControlId;
using window::Name;

namespace {

void play(NullGame& g, const Model& m, const Event& e) {
    const auto at = [&](Point p) { g.frontend.clickAt(p.x, p.y); };
    const runtime::PixelRect cell = window::pixelRectOf(Name::Label1, e.arg);
    const Point middle{cell.x + cell.width / 2, cell.y + cell.height / 2};
    switch (e.kind) {
        case Ev::Square:
            at(middle);
            break;
        case Ev::Outline:
            at({cell.x + 1, cell.y + 1});
            break;
        case Ev::Double:
            at(middle);
            at(middle);
            break;
        case Ev::Start:
            at(kStart);
            break;
        case Ev::Stop:
            at(kStop);
            break;
        case Ev::Konec:
            at(kKonec);
            break;
        case Ev::Dot:
            at(kDot);
            break;
        case Ev::Spot:
            at(kSpot);
            break;
        case Ev::Score:
            at(kScore);
            break;
        case Ev::Background:
            at(kBackground);
            break;
        case Ev::Picture:
            at(kPicture);
            break;
        case Ev::Tick1:
            g.tick1();
            break;
        case Ev::Tick2:
            g.tick2();
            break;
        case Ev::Aim:
            g.clickOn(Name::Label1, m.aimedSquare(e.arg));
            break;
        case Ev::Count:
            break;
    }
}

std::string describe(const Event& e) {
    static const char* names[] = {"square", "outline", "double", "Start",      "Stop",
                                  "dot",    "spot",    "score",  "background", "tick1",
                                  "tick2",  "aim",     "Konec",  "picture"};
    std::string s = names[int(e.kind)];
    if (e.kind <= Ev::Double || e.kind == Ev::Aim) {
        s += '(';
        s += std::to_string(e.arg);
        s += ')';
    }
    return s;
}

// Compares the controls with the model; returns what differs, or nothing.
std::string mismatch(NullGame& g, const Model& m) {
    std::ostringstream d;
    const auto check = [&](const char* what, auto actual, auto expected) {
        if (actual != expected) {
            d << what << " is " << actual << ", model says " << expected << "; ";
        }
    };
    check("ended", g.frontend.ended(), m.ended);
    if (m.ended) {
        check("exit status", g.frontend.exitStatus(), 0);
        return d.str();
    }
    check("score", g.score().caption(), m.score);
    check("picture height", double(g.picture().height()), m.height);
    for (int i = 0; i < 9; ++i) {
        if (g.square(i).visible() != m.lit[i]) {
            d << "square " << i << " lit is " << g.square(i).visible() << "; ";
        }
    }
    check("Start shown", g.control<ControlId::Command1>().visible(), m.buttonsShown);
    check("Stop shown", g.control<ControlId::Command2>().visible(), m.buttonsShown);
    check("Konec shown", g.control<ControlId::Command3>().visible(), m.buttonsShown);
    check("Start enabled", g.control<ControlId::Command1>().enabled(), m.startEnabled);
    check("Stop enabled", g.control<ControlId::Command2>().enabled(), m.stopEnabled);
    check("Timer1 on", g.control<ControlId::Timer1>().enabled(), m.timer1);
    check("instructions shown", g.control<ControlId::Label5>().visible(), m.instructions);
    check("end message shown", g.control<ControlId::Label7>().visible(), m.endMessage);
    return d.str();
}

// Plays a sequence on a fresh game; returns the first mismatch and where.
std::string run(const std::vector<Event>& events, std::size_t* failedAt = nullptr) {
    NullGame g;
    Model m;
    for (std::size_t i = 0; i < events.size(); ++i) {
        play(g, m, events[i]);
        m.apply(events[i]);
        const std::string d = mismatch(g, m);
        if (!d.empty()) {
            if (failedAt) {
                *failedAt = i;
            }
            return d;
        }
        if (m.ended) {
            break;
        }
    }
    return {};
}

// Drops events one at a time while the sequence still fails.
std::vector<Event> shorten(std::vector<Event> events) {
    std::size_t at = 0;
    run(events, &at);
    events.resize(at + 1);
    for (std::size_t i = 0; i < events.size();) {
        std::vector<Event> fewer = events;
        fewer.erase(fewer.begin() + long(i));
        if (!run(fewer).empty()) {
            events = fewer;
        } else {
            ++i;
        }
    }
    return events;
}

std::vector<Event> randomSequence(std::mt19937& rng, int length, bool steady) {
    // Ticks and square clicks dominate, as in play; a sequence may end with
    // one of the events that end the program. A steady player leaves the dot
    // alone, so the game lasts past thirty hits.
    std::discrete_distribution<int> kind(
        steady ? std::initializer_list<double>{4, 1, 1, 2, 1, 0, 1, 1, 1, 16, 10, 20}
               : std::initializer_list<double>{8, 2, 2, 3, 2, 1, 1, 1, 1, 16, 10, 12});
    std::uniform_int_distribution<int> square(0, 8);
    std::vector<Event> events;
    for (int i = 0; i < length; ++i) {
        events.push_back({Ev(kind(rng)), square(rng)});
    }
    switch (rng() % 4) {
        case 0:
            events.push_back({Ev::Konec});
            break;
        case 1:
            events.push_back({Ev::Picture});
            break;
        default:
            break;
    }
    return events;
}

}  // namespace

/** Whatever is clicked or ticked in whatever state, the game does what the
 *  rules say. */
TEST(Model, randomPlayShouldMatchModel) {
    struct Row {
        const char* what;
        unsigned seed;
        int sequences, length;
        bool steady;
    };
    for (const Row& row :
         {Row{"short games", 1, 300, 20, false}, Row{"long games", 2, 60, 150, false},
          Row{"to the end and past", 3, 30, 400, true}}) {
        std::mt19937 rng(row.seed);
        for (int s = 0; s < row.sequences; ++s) {
            const std::vector<Event> events = randomSequence(rng, row.length, row.steady);
            if (!run(events).empty()) {
                std::string steps;
                for (const Event& e : shorten(events)) {
                    steps += describe(e) + " ";
                }
                FAIL() << row.what << ", sequence " << s << " of seed " << row.seed << ": "
                       << run(shorten(events)) << "\n  after: " << steps;
            }
        }
    }
}
