// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The event handlers.
#include "handlers.h"

#include "rules.h"
#include "runtime/errors.h"
#include "runtime/session.h"
#include "window/form1.h"

namespace game {

namespace {
void darkenAllSquares(window::Form1& f) {
    for (std::int16_t i = 0; i < kSquareCount; ++i) {
        f.Label1(i).setVisible(false);
    }
}
}  // namespace

void Form_Load(Game& g) {
    g.form.Label7().setVisible(false);
    g.state.FullPictureHeight = kFullPictureHeight;
    g.form.Image1().setHeight(0);
    g.form.Timer1().setEnabled(false);
    darkenAllSquares(g.form);
}

void Command1_Click(Game& g) {
    g.form.Timer1().setEnabled(true);
    g.form.Label5().setVisible(false);  // nothing brings the instructions back
    g.form.Command1().setEnabled(false);
}

void Command2_Click(Game& g) {
    // Lit squares stay until Timer2 darkens them; the count and picture stay too.
    g.form.Timer1().setEnabled(false);
    g.form.Command1().setEnabled(true);
}

void Command3_Click(Game&) {
    runtime::End();
}

void Image1_Click(Game&) {
    runtime::End();
}

void Timer1_Timer(Game& g) {
    g.state.LitSquare = chooseSquare(g.session.rnd());
    g.form.Label1(squareIndex(*g.state.LitSquare)).setVisible(true);
}

void Timer2_Timer(Game& g) {
    darkenAllSquares(g.form);
}

void Label1_Click(Game& g, std::int16_t) {
    // Every lit square counts the same, and stays lit to be clicked again.
    g.state.HitCount = countHit(g.state.HitCount);
    g.form.Label3().setCaption(scoreText(g.state.HitCount));
    if (endTestHolds(g.state.HitCount)) {
        g.form.Label3().setCaption("Konec");
        g.form.Label7().setVisible(true);
        g.form.Timer1().setEnabled(false);
        g.form.Command1().setEnabled(false);
        g.form.Command2().setEnabled(false);
    }
    runtime::Image& picture = g.form.Image1();
    picture.setHeight(grownHeight(picture.height(), g.state.FullPictureHeight));
    picture.setVisible(true);
}

void Label2_Click(Game& g) {
    // Nothing shows the buttons again, so the whole picture can be seen.
    g.form.Command1().setVisible(false);
    g.form.Command2().setVisible(false);
    g.form.Command3().setVisible(false);
}

void Label8_Click(Game& g) {
    g.form.Image1().setHeight(kFullPictureHeight);
    g.form.Image1().setWidth(kFullPictureWidth);
}

}  // namespace game
