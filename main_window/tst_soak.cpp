// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Hours of random use in seconds: a seeded stream of clicks, keys and resizes on both windows,
// with a million ticks between them. No number may stop being finite or run beyond the
// controls' limit, and no control may be added.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <random>

using namespace controls;
using testing_support::Rig;

namespace {

bool Bounded(double v) {
    return std::isfinite(v) && std::abs(v) <= 1e7;
}

bool Bounded(float v) {
    return Bounded(double(v));
}

bool Bounded(const sim::Body& b) {
    return Bounded(b.Xp) && Bounded(b.Yp) && Bounded(b.Xn) && Bounded(b.Yn) && Bounded(b.Vn);
}

// Every control of a window: its box, and a line's end points.
::testing::AssertionResult ControlsBounded(const Form& f) {
    for (const auto& c : f.Controls()) {
        bool ok =
            Bounded(c->Left()) && Bounded(c->Top()) && Bounded(c->Width()) && Bounded(c->Height());
        if (auto* l = dynamic_cast<const Line*>(c.get()))
            ok = ok && Bounded(l->X1()) && Bounded(l->Y1()) && Bounded(l->X2()) && Bounded(l->Y2());
        if (!ok)
            return ::testing::AssertionFailure() << f.Name() << "." << c->Name();
    }
    return ::testing::AssertionSuccess();
}

TEST(Soak, AMillionTicksOfRandomUse) {
    Rig r;
    std::mt19937 random(20261207);
    const std::size_t mainControls = r.w.Controls().size();
    std::size_t viewControls = 0;
    long ticks = 0, viewTicks = 0, done = 0, opened = 0;
    constexpr long kTicks = 1'000'000;
    // What a user may do, on either window.
    auto onView = [&r](std::function<void(frmTendo&)> f) {
        return [&r, f] {
            if (frmTendo* v = r.w.EarthView())
                f(*v);
        };
    };
    auto size = [&random] { return int(random() % 40000) - 5000; };
    const std::function<void()> actions[] = {
        [&] { r.w.cmdSTR[random() % 4]->Click(); },
        [&] { r.w.cmdSTP->Click(); },
        [&] { r.w.cmdEthST->Click(); },
        [&] { r.w.cmdClr->Click(); },
        [&] { r.w.cmdSyo->Click(); },
        [&] { r.w.cmdTendo->Click(); },
        [&] { r.w.cmdFrm2->Click(); },
        [&] { r.w.lblEthYear->Click(); },
        [&] {
            r.w.FocusMovedTo(random() % 2 ? nullptr : r.w.cmdSTP);
            r.w.KeyDown(random() % 2 ? Key::Enter : Key::Space);
        },
        [&] { r.w.Resized(size(), size()); },
        onView([](frmTendo& v) { v.cmdStop->Click(); }),
        onView([](frmTendo& v) { v.cmdKesu->Click(); }),
        onView([](frmTendo& v) { v.cmdClos->Click(); }),
        onView([&](frmTendo& v) { v.KeyDown(random() % 2 ? Key::Escape : Key::Enter); }),
        onView([](frmTendo& v) { v.Close(); }),
        onView([&](frmTendo& v) { v.Resized(size(), size()); }),
    };
    while (ticks < kTicks) {
        frmTendo* open = r.w.EarthView();
        const unsigned roll = random() % 1000;
        if (roll < 950 && r.w.TmrWE.Interval() != 0) {
            // Time passes, mostly straight through the handlers of what runs.
            r.w.TmrWE_Timer();
            if (open && open->tmrTendo.Interval() != 0) {
                open->tmrTendo_Timer();
                ++viewTicks;
            }
            ++ticks;
        } else if (roll < 960) {
            r.backend.Advance(int(random() % 400)); // and now and then by the clock
            ++ticks;
        } else {
            actions[random() % std::size(actions)]();
            ++done;
            opened += r.w.EarthView() && r.w.EarthView() != open;
        }
        if (ticks % 500 == 0) {
            const sim::State& s = r.w.s;
            for (const sim::Body* b :
                 {&s.Eth, &s.Mon, &s.Mrc, &s.Vns, &s.Mas, &s.Jup, &s.Sat, &s.Com})
                ASSERT_TRUE(Bounded(*b)) << "tick " << ticks;
            ASSERT_TRUE(Bounded(s.RComn) && Bounded(s.TendoXn) && Bounded(s.TendoYn));
            ASSERT_TRUE(ControlsBounded(r.w)) << "tick " << ticks;
            ASSERT_EQ(r.w.Controls().size(), mainControls);
            if (frmTendo* v = r.w.EarthView()) {
                ASSERT_TRUE(ControlsBounded(*v)) << "tick " << ticks;
                for (double d : {v->EthX2, v->EthY2, v->X2w, v->Y2w, v->X2t, v->Y2t, v->Kakudo})
                    ASSERT_TRUE(Bounded(d)) << "tick " << ticks;
                if (viewControls == 0)
                    viewControls = v->Controls().size();
                ASSERT_EQ(v->Controls().size(), viewControls);
            }
            ASSERT_TRUE(r.w.Loaded());
        }
    }
    EXPECT_GT(viewTicks, 10'000);
    EXPECT_GT(opened, 10);
    std::printf("soak: %ld ticks, %ld Earth view ticks, %ld actions, view opened %ld times\n",
                ticks, viewTicks, done, opened);
}

} // namespace
