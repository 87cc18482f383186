// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window in motion: ticks, trails, near-misses, the message line, ranges and modes.

#include "frmwe.h"
#include "testsupport.h"
#include "texts.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace controls;
using testsupport::PixelAt;

namespace {

QString T(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QPointF Centre(const PictureBox* b) {
    return {double(b->Left()) + double(b->Width()) / 2, double(b->Top()) + double(b->Height()) / 2};
}

QColor DrawnAt(const frmWE& w, QPointF twips) {
    const QImage& d = w.drawing();
    const double dpr = d.devicePixelRatio();
    const QPoint p(int(std::floor(twips.x() / 15) * dpr), int(std::floor(twips.y() / 15) * dpr));
    return d.rect().contains(p) ? d.pixelColor(p) : QColor(); // beyond the window: not kept
}

void Ticks(frmWE& w, int n) {
    for (int i = 0; i < n; ++i)
        w.TmrWE_Timer();
}

bool AllFinite(const frmWE& w) {
    for (const sim::Body* b :
         {&w.s.Eth, &w.s.Mon, &w.s.Mrc, &w.s.Vns, &w.s.Mas, &w.s.Jup, &w.s.Sat, &w.s.Com})
        if (!std::isfinite(b->Xn) || !std::isfinite(b->Yn) || !std::isfinite(b->Vn))
            return false;
    for (const PictureBox* p :
         {w.picEth, w.picMon, w.picSun, w.picMrc, w.picVns, w.picMas, w.picJup, w.picSat})
        if (!std::isfinite(p->Left()) || !std::isfinite(p->Top()))
            return false;
    return std::isfinite(w.LinTail->X2()) && std::isfinite(w.LinTail->Y2());
}

} // namespace

class TestMotion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::SetUpApplication(); }

    // --- The tick ---

    void firstTickMovesThePictures() {
        frmWE w;
        w.TmrWE_Timer();
        // The Earth's box is centred on its new position, as a single-precision corner.
        QCOMPARE(w.picEth->Left(), float(w.s.Eth.Xn - 77.5));
        QCOMPARE(w.picEth->Top(), float(w.s.Eth.Yn - 77.5));
        QVERIFY(std::abs(w.s.Eth.Xn - 2677.6720094) < 5e-8);
        QVERIFY(std::abs(w.s.Mrc.Xn - 4057.8975019) < 5e-8); // after the nudge
        // Mercury is drawn where it stood before the nudge.
        QCOMPARE(w.picMrc->Left(), float(4058.0375019 - 60));
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("0"));
        // In the inner range the outer planets are hidden, the comet and its tail shown.
        QVERIFY(w.picJup->isHidden() && w.picSat->isHidden());
        QVERIFY(!w.shpCom->isHidden() && !w.LinTail->isHidden());
        QVERIFY(w.LinTail->X2() != w.LinTail->X1());
    }

    void trailsInTheirColoursWhereTheBodiesPassed() {
        frmWE w;
        struct Trail {
            const PictureBox* box;
            QColor colour;
            std::vector<QPointF> seen;
        };
        std::vector<Trail> trails = {{w.picEth, QColor(0, 0, 255), {}},
                                     {w.picVns, QColor(192, 192, 192), {}},
                                     {w.picMas, QColor(128, 0, 0), {}},
                                     {w.picMrc, QColor(0, 128, 128), {}}};
        for (int i = 0; i < 300; ++i) {
            w.TmrWE_Timer();
            for (Trail& t : trails)
                t.seen.push_back(Centre(t.box));
        }
        for (const Trail& t : trails) {
            // A later dot of another body may lie on a few of them.
            int right = 0, inside = 0;
            for (QPointF p : t.seen) {
                const QColor c = DrawnAt(w, p);
                inside += c.isValid();
                right += c == t.colour;
            }
            QVERIFY2(inside > 100 && right > inside * 9 / 10, qPrintable(t.colour.name()));
        }
        // The Sun does not move: its yellow dot is a single pixel under its picture.
        QCOMPARE(DrawnAt(w, Centre(w.picSun)), QColor(255, 255, 0));
        // The trails lie beneath the pictures on screen.
        const QPointF earth = Centre(w.picEth);
        QVERIFY(PixelAt(testsupport::Grab(&w), earth.x(), earth.y()) != QColor(0, 0, 255));
    }

    void nearMissShowsBeepsAndIsHiddenByTheMessageTimer() {
        testsupport::BeepCounter beeps;
        frmWE w;
        // The comet sent into Venus's path, just beside it, with no pull of its own.
        w.s.Com = {w.s.Vns.Xn + 100, w.s.Vns.Yn + 24, w.s.Vns.Xn + 100, w.s.Vns.Yn + 24, 0};
        w.TmrWE_Timer();
        QVERIFY(!w.lblMes->isHidden());
        QCOMPARE(w.lblMes->Caption(), T(txt::kMissVenus));
        QCOMPARE(beeps.count, 1);
        QCOMPARE(w.TmrMes.Interval(), 3500);
        w.TmrWE_Timer(); // still near: reported again
        QCOMPARE(beeps.count, 2);
        w.TmrMes_Timer();
        QVERIFY(w.lblMes->isHidden());
        QCOMPARE(w.TmrMes.Interval(), 3500); // it goes on firing
        w.TmrMes_Timer();
        QVERIFY(w.lblMes->isHidden());
    }

    void hiddenJupiterSilencesTheCheck() {
        testsupport::BeepCounter beeps;
        frmWE w;
        // Within 250 of the resting Jupiter and of Saturn in the inner range.
        w.s.Sat.Xn = w.s.Jup.Xn + 200;
        w.s.Com = {w.s.Jup.Xn + 100, w.s.Jup.Yn, w.s.Jup.Xn + 100, w.s.Jup.Yn, 0};
        w.TmrWE_Timer();
        QCOMPARE(beeps.count, 0);
        QVERIFY(w.lblMes->isHidden());
    }

    void revolutionCountedInTheLabel() {
        frmWE w;
        // The Earth one twip above the Sun's line moving down: the next tick completes a
        // revolution.
        const double y = w.s.SunYn - 1;
        w.s.Eth = {w.s.Eth.Xn, y - 20, w.s.Eth.Xn, y, 0};
        w.s.m = 1;
        w.s.n = 6;
        w.TmrWE_Timer();
        QCOMPARE(int(w.s.n), 7);
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("7"));
        // At the top of the counter it stays there instead of wrapping round.
        w.s.Eth = {w.s.Eth.Xn, y - 20, w.s.Eth.Xn, y, 0};
        w.s.m = 1;
        w.s.n = std::numeric_limits<std::int16_t>::max();
        w.TmrWE_Timer();
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("32767"));
    }

    void faultsDoNotEndTheProgram() {
        frmWE w;
        // Venus exactly at the Sun, the comet too, and Mars thrown far out.
        w.s.Vns = {w.s.SunXn + 5, w.s.SunYn, w.s.SunXn, w.s.SunYn, 0.3};
        w.s.Com = {w.s.SunXn, w.s.SunYn, w.s.SunXn, w.s.SunYn, 0.3};
        w.s.Mas = {1e300, 1e300, -1e300, 1e300, 1e300};
        const float tailX2 = w.LinTail->X2();
        const sim::Body venus = w.s.Vns;
        Ticks(w, 20);
        QVERIFY(AllFinite(w));
        QCOMPARE(w.s.Vns.Xn, venus.Xn); // kept its state
        QCOMPARE(w.LinTail->X2(), tailX2);
        QVERIFY(std::abs(w.picMas->Left()) <= 1.0e7f);
        QVERIFY(w.s.Eth.Xn != 2677.5); // the others move on
    }

    // --- Message line, size and ending ---

    void messageLineKeepsItsPlaceAboveTheBottom_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("design") << QSize(704, 509);
        QTest::newRow("taller") << QSize(800, 700);
        QTest::newRow("very short") << QSize(300, 40);
    }
    void messageLineKeepsItsPlaceAboveTheBottom() {
        QFETCH(QSize, size);
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(double(w.lblMes->Top()), size.height() * 15.0 - 700);
        QCOMPARE(w.lblMes->Left(), 1080.0f);
        QCOMPARE(w.picSun->Left(), 4830.0f); // nothing else moves
    }

    void closingTheFrameEndsLikeTheEndButton() {
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Click(w.cmdSTR[0]);
        w.close();
        QVERIFY(w.isHidden());
        QCOMPARE(w.TmrWE.Interval(), 0);
        QCOMPARE(w.TmrMes.Interval(), 0);
    }

    void endButtonQuitsTheEventLoop() {
        frmWE w;
        w.show();
        QTimer::singleShot(0, &w, [&w] { Click(w.cmdEndWE); });
        // Safety net so that a fault cannot hang the suite.
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(w.isHidden());
    }

    // --- View range switch ---

    void saturnRangeLayoutAndPull_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<double>("centre");
        QTest::addColumn<double>("pull");
        QTest::addColumn<double>("tolerance");
        // Magnitudes to the digits quoted.
        QTest::newRow("Mercury") << 0 << 1600.0 << 2.5 << 1e-12;
        QTest::newRow("Venus") << 1 << 1300.0 << 0.816327 << 5e-7;
        QTest::newRow("Mars") << 2 << 550.0 << 0.190250 << 5e-7;
        QTest::newRow("Jupiter") << 3 << 7220.0 << 0.0146798 << 5e-8;
        QTest::newRow("Saturn") << 4 << 11515.0 << 0.00441817 << 5e-9;
    }
    void saturnRangeLayoutAndPull() {
        QFETCH(int, body);
        QFETCH(double, centre);
        QFETCH(double, pull);
        QFETCH(double, tolerance);
        frmWE w;
        Click(w.cmdSyo);
        const sim::Body* bodies[] = {&w.s.Mrc, &w.s.Vns, &w.s.Mas, &w.s.Jup, &w.s.Sat};
        const PictureBox* boxes[] = {w.picMrc, w.picVns, w.picMas, w.picJup, w.picSat};
        QCOMPARE(bodies[body]->Xn, centre);
        QCOMPARE(bodies[body]->Yn, 4200.0);
        QCOMPARE(Centre(boxes[body]), QPointF(centre, 4200));
        QVERIFY2(std::abs(bodies[body]->Vn - pull) <= tolerance,
                 qPrintable(QString::number(bodies[body]->Vn, 'g', 12)));
        // The Earth, the Moon and the comet of this range.
        QCOMPARE(w.s.Eth.Vn, 0.4);
        QCOMPARE(w.s.Mon.Vn, 0.8);
        QCOMPARE(w.s.Mon.Yn - w.s.Mon.Yp, 10.2);
        QCOMPARE(w.s.Mon.Xn, 867.5);
        QVERIFY(std::abs(w.s.Com.Vn -
                         0.172 * 1000.0 * 1000.0 / (2000.0 - 11030) / (2000.0 - 11030)) < 1e-12);
        QCOMPARE(w.s.Com.Xp - w.s.Com.Xn, -0.6);
    }

    void saturnRangeScale() {
        frmWE w;
        w.HideScale();
        Click(w.cmdSyo);
        QVERIFY(!w.s.yo && w.s.Syo);
        QCOMPARE(w.cmdSyo->Caption(), T(txt::kToMars));
        QVERIFY(w.Line10->isHidden() && w.Line11->isHidden());
        QVERIFY(!w.lblSun->isHidden() && !w.Line1->isHidden()); // the scale is shown again
        QCOMPARE(
            QRectF(QPointF(w.Line9->X1(), w.Line9->Y1()), QPointF(w.Line9->X2(), w.Line9->Y2())),
            QRectF(QPointF(6960, 4200), QPointF(11900, 4200)));
        QCOMPARE(w.Line1->X1(), 456.0f); // not changed in this range
        QCOMPARE(QPointF(w.LinTail->X1(), w.LinTail->Y1()), QPointF(11000, 6800));
        QCOMPARE(QPointF(w.LinTail->X2(), w.LinTail->Y2()), QPointF(11000, 6800));
        // Venus's longer tick line and lower label; labels placed from their boxes.
        QCOMPARE(w.Line3->Y2(), 5400.0f);
        QCOMPARE(w.lblVnsN->Top(), 5500.0f);
        QCOMPARE(w.lblSunN->Left(), w.picSun->Left() + 60);
        QCOMPARE(w.lblMas->Left(), w.picMas->Left() - 200);
        QCOMPARE(w.Line8->X1(), 11515.0f);
        QCOMPARE(w.Line8->X2(), 11515.0f);
        QVERIFY(!w.picJup->isHidden() && !w.picSat->isHidden());
        // Running in this range, Jupiter and Saturn move and leave their dots.
        const float jupTop = w.picJup->Top();
        Click(w.cmdSTR[0]);
        Ticks(w, 3);
        QVERIFY(w.picJup->Top() < jupTop);
        QVERIFY(!w.picJup->isHidden());
    }

    void twoSwitchesEndOnTheMarsRangeTable() {
        frmWE w;
        // Five revolutions counted: the fifth completed by this tick.
        const double y = w.s.SunYn - 1;
        w.s.Eth = {w.s.Eth.Xn, y - 20, w.s.Eth.Xn, y, 0};
        w.s.m = 1;
        w.s.n = 4;
        w.TmrWE_Timer();
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("5"));
        Click(w.cmdSyo);
        Click(w.cmdSyo);
        QVERIFY(w.s.yo && !w.s.Syo);
        QCOMPARE(w.cmdSyo->Caption(), T(txt::kToSaturn));
        QCOMPARE(w.Line1->X1(), 450.0f);
        QCOMPARE(w.Line9->X1(), 7200.0f);
        QCOMPARE(w.Line9->X2(), 10080.0f);
        QVERIFY(!w.Line10->isHidden() && !w.Line11->isHidden());
        const PictureBox* boxes[] = {w.picSun, w.picMrc, w.picVns, w.picEth,
                                     w.picMon, w.picMas, w.picJup, w.picSat};
        const double xs[] = {5000, 4050, 3380, 2680, 2520, 1650, 8070, 9570};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(Centre(boxes[i]), QPointF(xs[i], 4200));
        QCOMPARE(w.s.SunXn, 5000.0);
        QCOMPARE(w.s.Eth.Vn, 0.172);
        QCOMPARE(w.lblVnsN->Top(), 5160.0f);
        QCOMPARE(w.shpCom->Left(), 10500.0f);
        QCOMPARE(int(w.s.n), 0);
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("5")); // until the next tick
        w.TmrWE_Timer();
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("0"));
    }

    void switchWhileRunningOnlyMovesTheFocus() {
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Started from elsewhere (the Earth view), the switch is still enabled.
        w.TmrWE.setInterval(40);
        Ticks(w, 5);
        const sim::State before = w.s;
        const float sunLeft = w.picSun->Left();
        w.cmdSTP->setFocus();
        Click(w.cmdSyo);
        QCOMPARE(QApplication::focusWidget(), w.cmdSTR[0]);
        QCOMPARE(w.s.Eth.Xn, before.Eth.Xn);
        QCOMPARE(w.s.Syo, before.Syo);
        QCOMPARE(w.picSun->Left(), sunLeft);
        QCOMPARE(w.cmdSyo->Caption(), T(txt::kToSaturn));
    }

    // --- Earth-centred display and holding the Earth ---

    void theThreeButtonStates() {
        frmWE w;
        struct Expect {
            bool ethSt, tendo, frm2;
            const char* ethStCaption;
            const char* tendoCaption;
            bool Ethstop, Tendo;
        };
        auto check = [&w](const Expect& e) {
            QCOMPARE(w.cmdEthST->isEnabled(), e.ethSt);
            QCOMPARE(w.cmdTendo->isEnabled(), e.tendo);
            QCOMPARE(w.cmdFrm2->isEnabled(), e.frm2);
            QCOMPARE(w.cmdEthST->Caption(), T(e.ethStCaption));
            QCOMPARE(w.cmdTendo->Caption(), T(e.tendoCaption));
            QCOMPARE(w.s.Ethstop, e.Ethstop);
            QCOMPARE(w.s.Tendo, e.Tendo);
        };
        const Expect normal{true, true, false, txt::kHoldEarth, txt::kEarthCentred, false, false};
        const Expect held{true, false, false, txt::kReleaseEarth, txt::kEarthCentred, true, false};
        const Expect centred{false, true, true, txt::kHoldEarth, txt::kSunCentred, false, true};
        check(normal);
        Click(w.cmdEthST);
        check(held);
        Click(w.cmdTendo); // disabled: the fourth state cannot be reached
        check(held);
        Click(w.cmdEthST);
        check(normal);
        Click(w.cmdTendo);
        check(centred);
        Click(w.cmdEthST); // disabled
        check(centred);
        Click(w.cmdTendo);
        check(normal);
    }

    void heldEarthResumesTheSameOrbit() {
        frmWE held, free;
        Ticks(held, 100);
        Ticks(free, 100);
        Click(held.cmdEthST);
        const float left = held.picEth->Left();
        Ticks(held, 50);
        QCOMPARE(held.picEth->Left(), left);
        QCOMPARE(held.s.Eth.Xn, free.s.Eth.Xn);
        // The Moon goes on circling the held Earth.
        QVERIFY(std::hypot(held.s.Mon.Xn - held.s.Eth.Xn, held.s.Mon.Yn - held.s.Eth.Yn) < 200);
        Click(held.cmdEthST);
        for (int i = 0; i < 200; ++i) {
            held.TmrWE_Timer();
            free.TmrWE_Timer();
            QCOMPARE(held.s.Eth.Xn, free.s.Eth.Xn);
            QCOMPARE(held.s.Eth.Yn, free.s.Eth.Yn);
        }
    }

    void earthCentredViewDrawsTheSunsLoopAroundTheEarth() {
        frmWE w;
        Ticks(w, 40);
        Click(w.cmdTendo);
        const QPointF pin(w.s.TendoXn, w.s.TendoYn);
        QCOMPARE(pin, Centre(w.picEth));
        Click(w.cmdClr);
        Ticks(w, 730); // one year
        QCOMPARE(Centre(w.picEth), pin);
        // The Sun's yellow trail goes all round the Earth: dots in every quadrant about it.
        const QImage& d = w.drawing();
        int quadrants[4] = {0, 0, 0, 0};
        const QColor yellow(255, 255, 0);
        for (int y = 0; y < d.height(); ++y)
            for (int x = 0; x < d.width(); ++x)
                if (d.pixelColor(x, y) == yellow) {
                    const bool right = x * 15.0 > pin.x(), below = y * 15.0 > pin.y();
                    ++quadrants[(right ? 1 : 0) + (below ? 2 : 0)];
                }
        for (int q : quadrants)
            QVERIFY(q > 50);
        // The Sun's distance from the pinned Earth stays that of the Earth's orbit.
        const QPointF sun = Centre(w.picSun);
        QVERIFY(std::abs(std::hypot(sun.x() - pin.x(), sun.y() - pin.y()) - 2325) < 30);
    }

    void counterResetWhileRunning() {
        frmWE w;
        Click(w.cmdSTR[0]);
        Ticks(w, 1000); // past the first revolution
        QVERIFY(w.s.n >= 1);
        const std::int16_t m = w.s.m;
        QTest::mouseClick(w.lblEthYear, Qt::LeftButton);
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("0"));
        QCOMPARE(int(w.s.n), 0);
        QCOMPARE(w.s.m, m);
        int ticks = 0;
        while (w.s.n == 0 && ticks < 800) {
            w.TmrWE_Timer();
            ++ticks;
        }
        QCOMPARE(w.lblEthYear->Caption(), QStringLiteral("1"));
        QVERIFY(ticks <= 731); // less than a revolution after the reset
    }
};

QTEST_MAIN(TestMotion)
#include "tst_motion.moc"
