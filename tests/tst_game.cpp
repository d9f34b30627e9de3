// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The game as the program plays it, on the null front end: clicks where a
// player clicks, timer ticks driven by the test, and what the controls show
// after each step. No window and no toolkit: what a platform draws and how
// its mouse and keys reach the controls is each front end's own test.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "nullgame.h"

using window::ControlId;
using window::Name;

namespace {

// How many times a reader was told `line`.
long told(const NullGame& g, const std::string& line) {
    return std::count(g.frontend.announced().begin(), g.frontend.announced().end(), line);
}

}  // namespace

/** Right after start-up nothing is lit and the end message and the picture
 *  are hidden, though the table creates them shown; only Timer2 runs, and a
 *  player sees its two periods: a square lit every 400 ms, all dark every 600. */
TEST(Game, startUpShouldShowReadyGame) {
    NullGame g;
    EXPECT_EQ(g.litSquare(), -1);
    EXPECT_FALSE(g.control<ControlId::Label7>().visible());
    EXPECT_TRUE(g.control<ControlId::Label5>().visible());
    EXPECT_EQ(g.score().caption(), "0");
    EXPECT_EQ(g.picture().height(), 0.0f);
    EXPECT_FALSE(g.control<ControlId::Timer1>().enabled());
    EXPECT_TRUE(g.control<ControlId::Timer2>().enabled());
    EXPECT_EQ(g.control<ControlId::Timer1>().interval(), 400);
    EXPECT_EQ(g.control<ControlId::Timer2>().interval(), 600);
    EXPECT_TRUE(g.control<ControlId::Command1>().enabled());
    EXPECT_TRUE(g.control<ControlId::Command2>().enabled());
    ASSERT_NE(g.frontend.form(), nullptr);
    EXPECT_TRUE(g.frontend.form()->shown());
    EXPECT_EQ(g.frontend.form()->caption(), "Klikoman");
    // Timer1 is off, so its ticks deliver nothing before Start.
    g.tick1();
    g.tick2();
    EXPECT_EQ(g.litSquare(), -1);
}

/** Start lights the squares the fixed sequence chooses, several may be lit
 *  at once, and Timer2 darkens them all. */
TEST(Game, ticksShouldLightPredictedSquaresUntilTimer2) {
    NullGame g;
    g.startAndLight(3);
    for (int i = 0; i < window::kSquareCount; ++i) {
        EXPECT_EQ(g.square(i).visible(),
                  i == kFirstSquares[0] || i == kFirstSquares[1] || i == kFirstSquares[2])
            << i;
    }
    EXPECT_FALSE(g.control<ControlId::Label5>().visible());
    EXPECT_FALSE(g.control<ControlId::Command1>().enabled());
    g.tick2();
    EXPECT_EQ(g.litSquare(), -1);
    g.tick1();
    EXPECT_TRUE(g.square(kFirstSquares[3]).visible());
}

/** A hit counts, shows the score, uncovers 198.5 twips and leaves the square
 *  lit to be clicked again; a dark square and the covered picture take no
 *  hit. */
TEST(Game, clickOnLitSquareShouldScoreAndUncover) {
    NullGame g;
    g.clickOn(Name::Label1, kFirstSquares[0]);
    EXPECT_EQ(g.score().caption(), "0");
    g.startAndLight(1);
    g.clickOn(Name::Label1, kFirstSquares[1]);  // dark
    g.clickOn(Name::Image1);                    // height 0: nothing there
    EXPECT_EQ(g.score().caption(), "0");
    EXPECT_FALSE(g.frontend.ended());
    ASSERT_TRUE(g.clickOn(Name::Label1, kFirstSquares[0]));
    EXPECT_EQ(g.score().caption(), "1");
    EXPECT_EQ(g.picture().height(), 198.5f);
    EXPECT_EQ(g.pictureRows(), 13);
    EXPECT_TRUE(g.square(kFirstSquares[0]).visible());
    g.clickOn(Name::Label1, kFirstSquares[0]);
    EXPECT_EQ(g.score().caption(), "2");
    EXPECT_EQ(g.picture().height(), 397.0f);
}

/** Stop pauses without losing anything; Start goes on from the same count
 *  and the instructions stay hidden. Stop in the ready state changes nothing. */
TEST(Game, stopThenStartShouldContinueCount) {
    NullGame g;
    g.clickOn(Name::Command2);
    EXPECT_FALSE(g.control<ControlId::Timer1>().enabled());
    EXPECT_TRUE(g.control<ControlId::Label5>().visible());
    g.startAndLight(1);
    ASSERT_TRUE(g.hitLitSquare());
    g.clickOn(Name::Command2);
    EXPECT_FALSE(g.control<ControlId::Timer1>().enabled());
    EXPECT_TRUE(g.control<ControlId::Command1>().enabled());
    EXPECT_NE(g.litSquare(), -1);  // lit until Timer2 ticks
    g.tick1();
    g.tick2();
    EXPECT_EQ(g.litSquare(), -1);
    g.startAndLight(1);
    ASSERT_TRUE(g.hitLitSquare());
    EXPECT_EQ(g.score().caption(), "2");
    EXPECT_FALSE(g.control<ControlId::Label5>().visible());
}

/** The 30th hit shows "Konec" in place of "30", brings up the end message,
 *  stops the lighting, disables Start and Stop and still grows the picture,
 *  to all of it. Squares still lit count on as hits 31 and 32; once Timer2
 *  darkens them nothing lights again. */
TEST(Game, thirtiethHitShouldFinishGame) {
    NullGame g;
    g.startAndLight(1);
    for (int i = 0; i < 29; ++i) {
        ASSERT_TRUE(g.hitLitSquare());
    }
    EXPECT_EQ(g.score().caption(), "29");
    EXPECT_FALSE(g.control<ControlId::Label7>().visible());
    ASSERT_TRUE(g.hitLitSquare());
    EXPECT_EQ(g.score().caption(), "Konec");
    EXPECT_TRUE(g.control<ControlId::Label7>().visible());
    EXPECT_FALSE(g.control<ControlId::Timer1>().enabled());
    EXPECT_FALSE(g.control<ControlId::Command1>().enabled());
    EXPECT_FALSE(g.control<ControlId::Command2>().enabled());
    EXPECT_EQ(g.picture().height(), 5955.0f);
    EXPECT_EQ(g.pictureRows(), window::kPictureHeightPixels);
    g.clickOn(Name::Command1);  // disabled: nothing starts the game again
    EXPECT_FALSE(g.control<ControlId::Timer1>().enabled());
    ASSERT_TRUE(g.hitLitSquare());
    ASSERT_TRUE(g.hitLitSquare());
    EXPECT_EQ(g.score().caption(), "32");
    EXPECT_EQ(g.picture().height(), 6352.0f);
    g.tick2();
    g.tick1();
    EXPECT_EQ(g.litSquare(), -1);
}

/** The hidden spot uncovers the whole picture at once without scoring; the
 *  next hit makes the control one step taller than the picture. */
TEST(Game, hiddenSpotShouldUncoverWholePicture) {
    NullGame g;
    g.clickOn(Name::Label8);
    EXPECT_EQ(g.picture().height(), 5955.0f);
    EXPECT_EQ(g.picture().width(), 3750.0f);
    EXPECT_EQ(g.score().caption(), "0");
    g.startAndLight(1);
    ASSERT_TRUE(g.hitLitSquare());
    EXPECT_EQ(g.picture().height(), 6153.5f);
    EXPECT_EQ(g.score().caption(), "1");
}

/** The dot hides all three buttons and nothing shows them again; a click
 *  where Start was then lands on the picture beneath and ends the program. */
TEST(Game, dotShouldHideButtonsForGood) {
    NullGame g;
    g.clickOn(Name::Label2);
    for (auto* button : {&g.control<ControlId::Command1>(), &g.control<ControlId::Command2>(),
                         &g.control<ControlId::Command3>()}) {
        EXPECT_FALSE(button->visible());
    }
    g.clickOn(Name::Label8);
    EXPECT_FALSE(g.control<ControlId::Command1>().visible());
    EXPECT_FALSE(g.frontend.ended());
    g.clickOn(Name::Command1);
    EXPECT_TRUE(g.frontend.ended());
    EXPECT_EQ(g.frontend.exitStatus(), 0);
}

/** Konec and the picture end the program with status 0, in the middle of a
 *  game too, and below the picture when the control has grown past it; after
 *  the end nothing reaches a handler. */
TEST(Game, endingClickShouldEndProgram) {
    const runtime::PixelRect picture = window::pixelRectOf(Name::Image1);
    struct Row {
        const char* what;
        int hits;
        int x, y;
    };
    const runtime::PixelRect konec = window::pixelRectOf(Name::Command3);
    for (const Row& row : {Row{"Konec", 0, konec.x + 4, konec.y + 4},
                           Row{"picture after one hit", 1, picture.x + 8, picture.y + 4},
                           Row{"below the picture", 31, picture.x + 8, picture.y + 400}}) {
        SCOPED_TRACE(row.what);
        NullGame g;
        g.startAndLight(1);
        for (int i = 0; i < row.hits; ++i) {
            ASSERT_TRUE(g.hitLitSquare());
        }
        ASSERT_TRUE(g.frontend.clickAt(row.x, row.y));
        EXPECT_TRUE(g.frontend.ended());
        EXPECT_EQ(g.frontend.exitStatus(), 0);
        const std::string score = g.score().caption();
        g.tick2();
        EXPECT_NE(g.litSquare(), -1);  // Timer2 did not darken it
        g.hitLitSquare();
        EXPECT_EQ(g.score().caption(), score);
    }
}

/** The count cannot wrap: the hit after 32767 is reported as an overflow
 *  and ends the program with a failure status, leaving the count, and the
 *  picture, as they were. */
TEST(Game, hitAtLimitShouldReportOverflowAndEnd) {
    NullGame g;
    g.startAndLight(1);
    for (int i = 0; i < 32767; ++i) {
        ASSERT_TRUE(g.hitLitSquare());
    }
    EXPECT_EQ(g.score().caption(), "32767");
    const float height = g.picture().height();
    EXPECT_FALSE(g.frontend.ended());
    g.hitLitSquare();
    EXPECT_EQ(g.frontend.reportShown(), "Chyba za běhu 1:\n\nPřetečení");
    EXPECT_EQ(g.frontend.exitStatus(), 1);
    EXPECT_EQ(g.score().caption(), "32767");
    EXPECT_EQ(g.picture().height(), height);
    g.session.end(0);  // the window closed while the report is open
    EXPECT_EQ(g.frontend.exitStatus(), 1);
}

/** A screen reader hears the game in Czech: each square by its cell as it
 *  lights and goes dark, the score with what it counts, once per change, and
 *  the end message once, when it comes. */
TEST(Game, readerShouldBeToldEachChangeOnce) {
    NullGame g;
    g.startAndLight(1);  // square 6, bottom right
    EXPECT_EQ(told(g, "shown Čtverec vpravo dole"), 1);
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(g.hitLitSquare());
    }
    g.tick2();
    EXPECT_EQ(told(g, "hidden Čtverec vpravo dole"), 1);
    EXPECT_EQ(told(g, "name Počet zásahů: 1"), 1);
    EXPECT_EQ(told(g, "name Počet zásahů: Konec"), 1);
    EXPECT_EQ(told(g, "shown " + g.control<ControlId::Label7>().caption()), 1);
}
