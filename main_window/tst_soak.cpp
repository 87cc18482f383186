// Hours of random use in seconds: a seeded stream of clicks, keys and resizes on both windows,
// with a million ticks between them. No number may stop being finite or run beyond the
// controls' limit, and no control may be added.

#include "main_window/tst_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

using namespace controls;
using testing_support::Rig;

namespace {

bool Bounded(double v) {
    return std::isfinite(v) && std::abs(v) <= 1e7;
}

bool Bounded(const sim::Body& b) {
    return Bounded(b.Xp) && Bounded(b.Yp) && Bounded(b.Xn) && Bounded(b.Yn) && Bounded(b.Vn);
}

// Every control of a window: its box, and a line's end points.
::testing::AssertionResult ControlsBounded(const Form& f) {
    for (const auto& c : f.Controls()) {
        bool ok = Bounded(c->Left()) && Bounded(c->Top()) && Bounded(c->Width()) &&
                  Bounded(c->Height());
        if (auto* l = dynamic_cast<const Line*>(c.get()))
            ok = ok && Bounded(l->X1()) && Bounded(l->Y1()) && Bounded(l->X2()) &&
                 Bounded(l->Y2());
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
    long ticks = 0, viewTicks = 0, actions = 0, opened = 0;
    constexpr long kTicks = 1'000'000;
    while (ticks < kTicks) {
        frmTendo* view = r.w.EarthView();
        const unsigned roll = random() % 1000;
        if (roll < 960) {
            // Time passes: straight through the handlers of what runs, now and then by the
            // clock.
            if (roll < 950 && r.w.TmrWE.Interval() != 0) {
                r.w.TmrWE_Timer();
                if (view && view->tmrTendo.Interval() != 0) {
                    view->tmrTendo_Timer();
                    ++viewTicks;
                }
            } else {
                r.backend.Advance(int(random() % 400));
            }
            ++ticks;
        } else {
            ++actions;
            const int x = int(random() % 40000) - 5000, y = int(random() % 30000) - 5000;
            switch (random() % 18) {
            case 0:
            case 1:
            case 2:
                r.w.cmdSTR[random() % 4]->Click();
                break;
            case 3:
                r.w.cmdSTP->Click();
                break;
            case 4:
                r.w.cmdEthST->Click();
                break;
            case 5:
                r.w.cmdClr->Click();
                break;
            case 6:
                r.w.cmdSyo->Click();
                break;
            case 7:
                r.w.cmdTendo->Click();
                break;
            case 8:
                r.w.cmdFrm2->Click();
                opened += r.w.EarthView() != view;
                break;
            case 9:
                r.w.lblEthYear->Click();
                break;
            case 10:
                r.w.FocusMovedTo(random() % 2 ? nullptr : r.w.cmdSTP);
                r.w.KeyDown(random() % 2 ? Key::Enter : Key::Space);
                break;
            case 11:
                if (view)
                    view->cmdStop->Click();
                break;
            case 12:
                if (view)
                    view->cmdKesu->Click();
                break;
            case 13:
                if (view)
                    view->cmdClos->Click();
                break;
            case 14:
                if (view)
                    view->KeyDown(random() % 2 ? Key::Escape : Key::Enter);
                break;
            case 15:
                if (view)
                    view->Close();
                break;
            case 16:
                r.w.Resized(x, y);
                break;
            case 17:
                if (view)
                    view->Resized(x, y);
                break;
            }
        }
        if (ticks % 500 == 0) {
            const sim::State& s = r.w.s;
            for (const sim::Body* b : {&s.Eth, &s.Mon, &s.Mrc, &s.Vns, &s.Mas, &s.Jup, &s.Sat,
                                       &s.Com})
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
                ticks, viewTicks, actions, opened);
}

} // namespace
