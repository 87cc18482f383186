// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Hours of random use in a few minutes: a seeded stream of clicks on every button of both
// windows, interleaved with ticks driven straight through the timer handlers. Nothing may crash,
// no number may stop being finite, and memory must stay bounded.

#include "frmtendo.h"
#include "frmwe.h"
#include "testsupport.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <unistd.h>

using namespace controls;

namespace {

bool Finite(const sim::Body& b) {
    return std::isfinite(b.Xp) && std::isfinite(b.Yp) && std::isfinite(b.Xn) &&
           std::isfinite(b.Yn) && std::isfinite(b.Vn);
}

// Every control of a window holds finite, bounded geometry.
bool ControlsFinite(const QWidget* window) {
    for (const QWidget* c : window->findChildren<QWidget*>()) {
        const QRect g = c->geometry();
        if (std::abs(g.x()) > 700000 || std::abs(g.y()) > 700000) {
            qWarning() << "control out of range:" << c->accessibleName() << g;
            return false;
        }
    }
    // The controls carry no meta-object of their own: tell the lines apart by their type.
    for (const QWidget* c : window->findChildren<QWidget*>())
        if (auto* l = dynamic_cast<const Line*>(c))
            if (!std::isfinite(l->X1()) || !std::isfinite(l->X2()) || !std::isfinite(l->Y1()) ||
                !std::isfinite(l->Y2())) {
                qWarning() << "line not finite:" << l->accessibleName();
                return false;
            }
    return true;
}

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::SetUpApplication(); }

    void randomUseForAMillionTicks() {
        testsupport::BeepCounter quiet;
        std::mt19937 random(20261207);
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qsizetype controls = w.findChildren<QWidget*>().size();

        long ticks = 0, viewTicks = 0, opened = 0, actions = 0;
        long residentAtStart = 0;
        constexpr long kTicks = 1'000'000;
        while (ticks < kTicks) {
            // Mostly time passing, now and then a click.
            const int roll = int(random() % 1000);
            frmTendo* view = w.EarthView();
            if (roll < 970) {
                // Time passes: the timers that run fire.
                if (w.TmrWE.Interval() == 0)
                    continue;
                w.TmrWE_Timer();
                ++ticks;
                if (view && view->tmrTendo.Interval() != 0) {
                    view->tmrTendo_Timer();
                    ++viewTicks;
                }
                if (w.TmrMes.Interval() != 0 && ticks % 88 == 0)
                    w.TmrMes_Timer();
            } else {
                ++actions;
                switch (random() % 16) {
                case 0:
                case 1:
                case 2:
                case 3:
                    w.cmdSTR[random() % 4]->click();
                    break;
                case 4:
                    w.cmdSTP->click();
                    break;
                case 5:
                    w.cmdEthST->click();
                    break;
                case 6:
                    w.cmdClr->click();
                    break;
                case 7:
                    w.cmdSyo->click();
                    break;
                case 8:
                    w.cmdTendo->click();
                    break;
                case 9:
                    w.cmdFrm2->click();
                    opened += w.EarthView() != view;
                    break;
                case 10:
                    w.lblEthYear->Click();
                    break;
                case 11:
                    if (view)
                        view->cmdStop->click();
                    break;
                case 12:
                    if (view)
                        view->cmdKesu->click();
                    break;
                case 13:
                    if (view)
                        (random() % 2 ? view->cmdClos->click() : (void)view->close());
                    break;
                case 14:
                    w.resize(300 + int(random() % 900), 100 + int(random() % 700));
                    break;
                case 15:
                    w.TmrMes_Timer();
                    break;
                }
            }
            if (ticks % 500 == 0) {
                Settle();
                QVERIFY(Finite(w.s.Eth) && Finite(w.s.Mon) && Finite(w.s.Mrc) && Finite(w.s.Vns) &&
                        Finite(w.s.Mas) && Finite(w.s.Jup) && Finite(w.s.Sat) && Finite(w.s.Com) &&
                        std::isfinite(w.s.RComn));
                QVERIFY(ControlsFinite(&w));
                if (w.EarthView())
                    QVERIFY(ControlsFinite(w.EarthView()));
                // Bounded: no control is ever added, at most the two windows exist.
                QCOMPARE(
                    w.findChildren<QWidget*>().size() -
                        (w.EarthView() ? w.EarthView()->findChildren<QWidget*>().size() + 1 : 0),
                    controls);
                QVERIFY(QApplication::topLevelWidgets().size() <= 2);
            }
            if (ticks == kTicks / 10)
                residentAtStart = ResidentKiB();
        }
        Settle();
        const long grown = ResidentKiB() - residentAtStart;
        std::printf("soak: %ld ticks, %ld Earth view ticks, %ld clicks, view opened %ld times, "
                    "resident size grew by %ld KiB\n",
                    ticks, viewTicks, actions, opened, grown);
        QVERIFY(opened > 10 && viewTicks > 10000);
#if !defined(__SANITIZE_ADDRESS__)
        // The sanitizer's quarantine holds freed memory on purpose; elsewhere the resident
        // size must not keep growing once the windows have settled in.
        QVERIFY2(grown < 20 * 1024, qPrintable(QString::number(grown)));
#endif
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
