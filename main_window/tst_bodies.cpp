// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every body in every mode: a few ticks in each range, Sun- or Earth-centred, the Earth held or
// not. After each tick every box must stand centred on its display position on both axes, every
// trail dot must be where its body was drawn, and only the bodies of the range are shown. The
// expected motion is worked here from the starting table and the rules of the step, with a
// model of the tick of its own.

#include "main_window/tst_startup.h"
#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <utility>

using namespace controls;
using namespace testing_support;

namespace {

// A value as single precision holds it.
double Single(double v) {
    return double(float(v));
}

struct Mode {
    const char* name;
    bool saturn, centred, held;
};
void PrintTo(const Mode& m, std::ostream* os) {
    *os << m.name;
}

// One body as the model knows it, and the box and trail colour that show it.
struct Body {
    const char* box;
    double Xp, Yp, Xn, Yn, Vn;
    Color trail;
};
enum { Eth, Mon, Mrc, Vns, Mas, Jup, Sat, Com, kBodies };

// One step about (xs, ys): the next position from the last two and the pull, which follows the
// inverse square of the distance.
void Step(double xs, double ys, Body& b) {
    const double rp = std::sqrt(std::pow(ys - b.Yp, 2) + std::pow(xs - b.Xp, 2));
    const double rn = std::sqrt(std::pow(ys - b.Yn, 2) + std::pow(xs - b.Xn, 2));
    const double a = (b.Vn * std::pow(rp, 2)) / std::pow(rn, 2);
    const double x = (2 * b.Xn - b.Xp) + (a * (xs - b.Xn)) / rn;
    const double y = (2 * b.Yn - b.Yp) + (a * (ys - b.Yn)) / rn;
    b.Xp = b.Xn;
    b.Yp = b.Yn;
    b.Xn = x;
    b.Yn = y;
    b.Vn = a;
}

class EveryBody : public testing::TestWithParam<Mode> {};

TEST_P(EveryBody, BoxDotAndVisibilityOnBothAxes) {
    const Mode& m = GetParam();
    Rig r;
    r.w.Resized(13000, 8000); // Saturn and the comet start beyond the design size
    if (m.saturn)
        r.w.cmdSyo->Click();
    if (m.centred)
        r.w.cmdTendo->Click();
    if (m.held && !m.centred)
        r.w.cmdEthST->Click();
    if (m.held && m.centred)
        r.w.s.Ethstop = true; // cannot be clicked now; the buttons' states decide alone

    const Start& start = m.saturn ? kSaturnRange : kAtLoad;
    const double sunX = start.SunXn, sunY = start.SunYn;
    const Color trails[kBodies] = {{0, 0, 255}, {128, 128, 0}, {0, 128, 128}, {192, 192, 192},
                                   {128, 0, 0}, {0, 128, 128}, {0, 128, 128}, {0, 128, 128}};
    Body b[kBodies];
    for (int i = 0; i < kBodies; ++i) {
        const StartRow& row = start.rows[i];
        b[i] = {row.box, row.Xp, row.Yp, row.Xn, row.Yn, 0, trails[i]};
    }
    // The pulls: the Earth's and the Moon's built in, the others' by the inverse square of their
    // horizontal distances from the Sun, from the Earth's pull before the outer range raised it.
    b[Eth].Vn = 0.172;
    b[Mon].Vn = 0.43371;
    for (int i : {Mrc, Vns, Mas, Jup, Sat, Com})
        b[i].Vn = 0.172 * std::pow(sunX - b[Eth].Xn, 2) / std::pow(sunX - b[i].Xn, 2);
    if (m.saturn) {
        b[Eth].Vn = 0.4;
        b[Mon].Vn = 0.8;
        for (int i : {Mrc, Vns, Mas, Jup, Sat})
            b[i].Vn = 0.4 * std::pow(sunX - b[Eth].Xn, 2) / std::pow(sunX - b[i].Xn, 2);
    }
    const double pinX = b[Eth].Xn, pinY = b[Eth].Yn; // the Earth's box centre at the click
    // Button states of the three modes: the stop button is off while Earth-centred, the
    // Earth-centred button off while held.
    const bool stopButton = !m.centred, centreButton = m.centred || !m.held;
    const bool advances = (stopButton && !m.held) || (!stopButton && m.centred && centreButton);

    for (int tick = 1; tick <= 3; ++tick) {
        SCOPED_TRACE(tick);
        r.w.cmdClr->Click(); // only this tick's dots on the window
        const long dotsBefore = r.backend.DotsDrawn(r.w);
        r.w.TmrWE_Timer();

        // Where each body must be drawn, in the order of drawing; its dot where its box's
        // centre lands, in single precision.
        struct Drawn {
            const Control* box;
            double x, y;
            bool dot;
            Color colour;
        };
        std::vector<Drawn> drawn;
        auto place = [&](int i, double x, double y) {
            const Control* box = r.w.Find(b[i].box);
            const double left = Single(x - double(box->Width()) / 2);
            const double top = Single(y - double(box->Height()) / 2);
            drawn.push_back({box, Single(left + double(box->Width()) / 2),
                             Single(top + double(box->Height()) / 2), true, b[i].trail});
        };
        double offX = 0, offY = 0, moveX = 0, moveY = 0;
        if (advances) {
            Step(sunX, sunY, b[Eth]);
            double showX = b[Eth].Xn, showY = b[Eth].Yn;
            if (m.centred) {
                offX = b[Eth].Xn - pinX;
                offY = b[Eth].Yn - pinY;
                showX = pinX;
                showY = pinY;
            }
            drawn.push_back({r.w.picEth, Single(showX), Single(showY), true, b[Eth].trail});
            moveX = b[Eth].Xn - b[Eth].Xp;
            moveY = b[Eth].Yn - b[Eth].Yp;
        } else {
            drawn.push_back({r.w.picEth, pinX, pinY, false, {}});
        }
        b[Mon].Xp += moveX;
        b[Mon].Xn += moveX;
        b[Mon].Yp += moveY;
        b[Mon].Yn += moveY;
        Step(b[Eth].Xn, b[Eth].Yn, b[Mon]);
        place(Mon, b[Mon].Xn - offX, b[Mon].Yn - offY);
        {
            const Control* sun = r.w.picSun;
            const double left = Single(sunX - offX - 175), top = Single(sunY - offY - 175);
            drawn.push_back({sun, Single(left + 175), Single(top + 175), true, {255, 255, 0}});
        }
        Step(sunX, sunY, b[Mrc]);
        place(Mrc, b[Mrc].Xn - offX, b[Mrc].Yn - offY);
        // The nudge just below the Sun's line on Mercury's starting side.
        const double mLeft = b[Mrc].Xn - 60, mTop = b[Mrc].Yn - 50;
        if (mTop >= 4200 && mTop < 4250 && mLeft < (m.saturn ? 1600 : 4010)) {
            b[Mrc].Xp -= m.saturn ? 0.5 : 0.14;
            b[Mrc].Xn -= m.saturn ? 0.5 : 0.14;
        }
        for (int i : {Vns, Mas}) {
            Step(sunX, sunY, b[i]);
            place(i, b[i].Xn - offX, b[i].Yn - offY);
        }
        for (int i : {Jup, Sat}) {
            if (m.saturn) {
                Step(sunX, sunY, b[i]);
                place(i, b[i].Xn - offX, b[i].Yn - offY);
            } else {
                drawn.push_back({r.w.Find(b[i].box), b[i].Xn, b[i].Yn, false, {}}); // unmoved
            }
        }
        Step(sunX, sunY, b[Com]);
        place(Com, b[Com].Xn - offX, b[Com].Yn - offY);

        // Later dots cover earlier ones in the same pixel.
        std::map<std::pair<int, int>, Color> pixels;
        auto pixel = [](double x, double y) {
            return std::pair{int(std::floor(x / 15)), int(std::floor(y / 15))};
        };
        int dots = 0;
        for (const Drawn& d : drawn)
            if (d.dot) {
                pixels[pixel(d.x, d.y)] = d.colour;
                ++dots;
            }
        EXPECT_EQ(r.backend.DotsDrawn(r.w) - dotsBefore, dots);
        for (const Drawn& d : drawn) {
            SCOPED_TRACE(d.box->Name());
            EXPECT_NEAR(Centre(d.box).x, d.x, 2e-3);
            EXPECT_NEAR(Centre(d.box).y, d.y, 2e-3);
            const bool outer = d.box == r.w.picJup || d.box == r.w.picSat;
            EXPECT_EQ(d.box->Visible(), !outer || m.saturn);
            const auto it = pixels.find(pixel(d.x, d.y));
            const Color want = it == pixels.end() ? Color{32, 32, 32} : it->second;
            EXPECT_EQ(r.backend.DotAt(r.w, d.x, d.y), want);
            if (d.dot) {
                EXPECT_EQ(want, d.colour) << "another body's dot in the same pixel";
            }
        }
        // The tail from the comet's corner, away from the Sun, K / distance long.
        const double cl = double(r.w.shpCom->Left()), ct = double(r.w.shpCom->Top());
        const double dx = sunX - b[Com].Xn, dy = sunY - b[Com].Yn, d2 = dx * dx + dy * dy;
        EXPECT_TRUE(r.w.LinTail->Visible() && r.w.shpCom->Visible());
        EXPECT_NEAR(r.w.LinTail->X1(), cl + 15, 2e-3);
        EXPECT_NEAR(r.w.LinTail->Y1(), ct + 15, 2e-3);
        EXPECT_NEAR(r.w.LinTail->X2(), cl - 398107.15625 * dx / d2, 2e-3);
        EXPECT_NEAR(r.w.LinTail->Y2(), ct - 398107.15625 * dy / d2, 2e-3);
    }
    // The model and the window agree on the motion itself too, on both axes.
    for (int i = 0; i < kBodies; ++i) {
        const StartRow& row = start.rows[i];
        EXPECT_NEAR((r.w.s.*row.body).Xn, b[i].Xn, 1e-6) << row.box;
        EXPECT_NEAR((r.w.s.*row.body).Yn, b[i].Yn, 1e-6) << row.box;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, EveryBody,
                         testing::Values(Mode{"Mars", false, false, false},
                                         Mode{"MarsHeld", false, false, true},
                                         Mode{"MarsEarthCentred", false, true, false},
                                         Mode{"MarsEarthCentredHeldFlag", false, true, true},
                                         Mode{"Saturn", true, false, false},
                                         Mode{"SaturnHeld", true, false, true},
                                         Mode{"SaturnEarthCentred", true, true, false},
                                         Mode{"SaturnEarthCentredHeldFlag", true, true, true}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
