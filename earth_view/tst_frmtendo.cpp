// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtendo.h"
#include "frmwe.h"
#include "testsupport.h"
#include "texts.h"

#include <QAccessible>
#include <QTest>

#include <cmath>
#include <memory>

using namespace controls;
using testsupport::PixelAt;
using Movable = Control<QWidget>;

// The outer size at the design client size, and what start-up derives from it.
constexpr double kOuterW = 8385 + 120, kOuterH = 7605 + 405;
constexpr double kTyusinX = kOuterW / 2, kTyusinY = kOuterH / 2 - 150;
constexpr double kHankei = (kOuterH - 1500) / 2;
const QPointF kSky(kTyusinX, kTyusinY);

// Bodies in the order of the tick, with their radius corrections.
constexpr int kBodies = 8;
constexpr int kHosei[kBodies] = {-550, -350, -250, -180, -100, 0, 100, 0};

class TestFrmTendo : public QObject {
    Q_OBJECT

    static QString T(const char* utf8) { return QString::fromUtf8(utf8); }
    static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void Unload() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // The value a control holds for v, as a double: QCOMPARE of doubles is exact at this size.
    static double Held(double v) { return double(float(v)); }
    static QPointF Centre(const Movable* c) {
        return {double(c->Left()) + double(c->Width()) / 2,
                double(c->Top()) + double(c->Height()) / 2};
    }
    static QPointF TailEnd(const Line* l) { return {l->X2(), l->Y2()}; }
    static void MoveCentre(Movable* c, QPointF p) {
        c->Move(p.x() - double(c->Width()) / 2, p.y() - double(c->Height()) / 2);
    }
    // A computed position held in a float of a few thousand twips is within 0.001 of it.
    static bool Close(QPointF a, QPointF b) {
        return std::abs(a.x() - b.x()) < 0.01 && std::abs(a.y() - b.y()) < 0.01;
    }
    static Movable* Source(frmWE& w, int i) {
        Movable* s[kBodies] = {w.picMon, w.picSun, w.picMrc, w.picVns,
                               w.picMas, w.picJup, w.picSat, w.shpCom};
        return s[i];
    }
    static Movable* Target(frmTendo& v, int i) {
        Movable* t[kBodies] = {v.picMon2, v.picSun2, v.picMrc2, v.picVns2,
                               v.picMas2, v.picJup2, v.picSat2, v.shpCom2};
        return t[i];
    }
    static bool ScaleVisible(const frmWE& w, bool visible) {
        for (QWidget* c : w.ScaleGroup())
            if (c->isHidden() == visible)
                return false;
        return true;
    }
    static std::unique_ptr<frmWE> MainWindow() {
        auto w = std::make_unique<frmWE>();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("main window not exposed");
        return w;
    }
    // As the user opens it: Earth-centred display, then the opener.
    static frmTendo* OpenView(frmWE& w) {
        if (!w.cmdFrm2->isEnabled())
            Click(w.cmdTendo);
        Click(w.cmdFrm2);
        frmTendo* v = w.EarthView();
        if (!v)
            qFatal("the Earth view did not open");
        return v;
    }

private slots:
    void initTestCase() { testsupport::SetUpApplication(); }
    void cleanup() { Unload(); }

    void windowAndStartUp() {
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        QVERIFY(v && v->isVisible() && v->isWindow() && v->parentWidget() == w.get());
        QCOMPARE(v->windowTitle(), T(txt::kEarthViewCaption));
        QCOMPARE(v->windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(v->OuterWidth(), kOuterW);
        QCOMPARE(v->OuterHeight(), kOuterH);
        QCOMPARE(v->minimumSize(), v->maximumSize());
        QCOMPARE(v->tmrTendo.Interval(), 0);
        QCOMPARE(v->TyusinX, kTyusinX);
        QCOMPARE(v->TyusinY, kTyusinY);
        QCOMPARE(v->Hankei, kHankei);
        // Constellations centred across but at the top; both circles centred on the sky.
        const Image* img = v->imgTendo;
        QCOMPARE(QRectF(img->Left(), img->Top(), img->Width(), img->Height()),
                 QRectF(kTyusinX - (kOuterH + 700) / 2, 0, kOuterH + 700, kOuterH - 300));
        QVERIFY(img->Visible() && v->shpTenku->Visible() && v->shpKodo->Visible());
        QCOMPARE(QSizeF(v->shpTenku->Width(), v->shpTenku->Height()),
                 QSizeF(kOuterH - 500, kOuterH - 500));
        QCOMPARE(double(v->shpKodo->Height()), kOuterH - 1500);
        QVERIFY(Close(Centre(v->shpTenku), kSky) && Close(Centre(v->shpKodo), kSky));
        // The tail leaves the comet's centre 100 left and 200 down.
        const QPointF comet = Centre(v->shpCom2);
        QVERIFY(Close({v->LinTail2->X1(), v->LinTail2->Y1()}, comet));
        QVERIFY(Close(TailEnd(v->LinTail2), comet + QPointF(-100, 200)));
        // Left as designed.
        QVERIFY(!v->imgTikyu->Visible());
        QCOMPARE(QPointF(v->lblEth2->Left(), v->lblEth2->Top()), QPointF(4200, 4080));
    }

    void chart_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<QPointF>("label");
        const double X = kTyusinX, Y = kTyusinY, H = kHankei;
        const double a = 3.1416 / 6, b = 3.1416 / 3;
        using std::cos, std::sin;
        QTest::newRow("Moon") << 0 << QPointF(X - H, Y) << QPointF(X - H + 200, Y);
        QTest::newRow("Sun") << 1 << QPointF(X, Y - H) << QPointF(X, Y - H + 200);
        QTest::newRow("Mercury") << 2 << QPointF(X - H * cos(a), Y + H * sin(a))
                                 << QPointF(X - (H - 200) * cos(a), Y + (H - 400) * sin(a));
        QTest::newRow("Venus") << 3 << QPointF(X - H * cos(b), Y + H * sin(b))
                               << QPointF(X - (H - 200) * cos(b), Y + (H - 300) * sin(b));
        QTest::newRow("Mars") << 4 << QPointF(X + H * cos(b), Y + H * sin(b))
                              << QPointF(X + (H - 500) * cos(b), Y + (H - 400) * sin(b));
        QTest::newRow("Jupiter") << 5 << QPointF(X + H * cos(a), Y + H * sin(a))
                                 << QPointF(X + (H - 500) * cos(a), Y + (H - 500) * sin(a));
        QTest::newRow("Saturn") << 6 << QPointF(X + H, Y) << QPointF(X + H - 500, Y);
        QTest::newRow("comet") << 7 << QPointF(X, Y + H) << QPointF(X, Y + H - 400);
    }
    void chart() {
        QFETCH(int, body);
        QFETCH(QPointF, centre);
        QFETCH(QPointF, label);
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        // Exact: π is 3.1416 here, which moves a body by a few thousandths of a twip.
        const Movable* b = Target(*v, body);
        QCOMPARE(double(b->Left()), Held(centre.x() - double(b->Width()) / 2));
        QCOMPARE(double(b->Top()), Held(centre.y() - double(b->Height()) / 2));
        const Label* labels[kBodies] = {v->lblMon2, v->lblSun2, v->lblMrc2, v->lblVns2,
                                        v->lblMas2, v->lblJup2, v->lblSat2, v->lblCom2};
        QCOMPARE(double(labels[body]->Left()), Held(label.x()));
        QCOMPARE(double(labels[body]->Top()), Held(label.y()));
    }

    void projection_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<QPointF>("fromEarth");
        QTest::newRow("Moon level right") << 0 << QPointF(1000, 0);
        QTest::newRow("Sun level left") << 1 << QPointF(-700, 0);
        QTest::newRow("Mercury 45 degrees up right") << 2 << QPointF(450, -450);
        QTest::newRow("Venus down left") << 3 << QPointF(-300, 400);
        QTest::newRow("Mars up left, steep") << 4 << QPointF(-5, -2000);
        QTest::newRow("Jupiter down right") << 5 << QPointF(3000, 1000);
        QTest::newRow("Saturn far right") << 6 << QPointF(9000, -10);
        QTest::newRow("comet up right") << 7 << QPointF(2000, -3000);
    }
    void projection() {
        QFETCH(int, body);
        QFETCH(QPointF, fromEarth);
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        MoveCentre(Source(*w, body), Centre(w->picEth) + fromEarth);
        v->tmrTendo_Timer();
        // In the same direction from the sky's centre, at the body's own radius.
        const double R = kHankei + kHosei[body];
        const double d = std::hypot(fromEarth.x(), fromEarth.y());
        QVERIFY(Close(Centre(Target(*v, body)), kSky + fromEarth * R / d));
    }

    void sameRayAndShiftInvariance() {
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        for (int i = 0; i < 60; ++i)
            w->TmrWE_Timer();
        w->picJup->setVisible(true); // the Mars range hid it
        // Jupiter, the comet and the tail's end (equal corrections) in one direction at
        // different distances: one point. Mars on the same ray.
        const QPointF earth = Centre(w->picEth);
        MoveCentre(w->picJup, earth + QPointF(300, -400));
        MoveCentre(w->shpCom, earth + QPointF(3000, -4000));
        w->LinTail->setX2(earth.x() + 1500);
        w->LinTail->setY2(earth.y() - 2000);
        MoveCentre(w->picMas, earth + QPointF(60, -80));
        v->tmrTendo_Timer();
        QVERIFY(Close(Centre(v->picJup2), Centre(v->shpCom2)));
        QVERIFY(Close(TailEnd(v->LinTail2), Centre(v->shpCom2)));
        QVERIFY(Close(Centre(v->picMas2) - kSky,
                      (Centre(v->picJup2) - kSky) * (kHankei - 100) / kHankei));

        // Moving all the main window shows by one offset changes nothing here.
        for (int i = 0; i < 30; ++i)
            w->TmrWE_Timer();
        v->tmrTendo_Timer();
        QPointF before[kBodies];
        for (int i = 0; i < kBodies; ++i)
            before[i] = Centre(Target(*v, i));
        const QPointF tailEnd = TailEnd(v->LinTail2), shift(1234.5, -777);
        for (Movable* c :
             {Source(*w, 0), Source(*w, 1), Source(*w, 2), Source(*w, 3), Source(*w, 4),
              Source(*w, 5), Source(*w, 6), Source(*w, 7), static_cast<Movable*>(w->picEth)})
            MoveCentre(c, Centre(c) + shift);
        const Line& t = *w->LinTail;
        w->LinTail->setPoints(double(t.X1()) + shift.x(), double(t.Y1()) + shift.y(),
                              double(t.X2()) + shift.x(), double(t.Y2()) + shift.y());
        v->tmrTendo_Timer();
        for (int i = 0; i < kBodies; ++i)
            QVERIFY2(Close(Centre(Target(*v, i)), before[i]), qPrintable(QString::number(i)));
        QVERIFY(Close(TailEnd(v->LinTail2), tailEnd));
    }

    void straightAboveOrBelowKeepsTheAngle_data() {
        QTest::addColumn<double>("dy");
        QTest::newRow("above") << -500.0;
        QTest::newRow("below") << 500.0;
    }
    void straightAboveOrBelowKeepsTheAngle() {
        QFETCH(double, dy);
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        const QPointF earth = Centre(w->picEth);
        // The Moon goes first: on a fresh view it takes the angle 0, on the left.
        MoveCentre(w->picMon, earth + QPointF(0, dy));
        // Mars takes Venus's angle, 45 degrees up left, and lies on Venus's ray.
        MoveCentre(w->picVns, earth + QPointF(-300, -300));
        MoveCentre(w->picMas, earth + QPointF(0, dy));
        v->tmrTendo_Timer();
        QVERIFY(Close(Centre(v->picMon2), kSky - QPointF(kHankei - 550, 0)));
        QVERIFY(Close(Centre(v->picMas2) - kSky,
                      (Centre(v->picVns2) - kSky) * (kHankei - 100) / (kHankei - 180)));
        QVERIFY(Centre(v->picMas2).y() < kTyusinY);
        // On the next tick the Moon takes the angle of the last tick's tail end.
        const double k = v->Kakudo;
        v->tmrTendo_Timer();
        QVERIFY(
            Close(Centre(v->picMon2), kSky - QPointF(std::cos(k), std::sin(k)) * (kHankei - 550)));
    }

    void outerPlanetsFollowTheMainJupiter() {
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        const QPointF jup = Centre(v->picJup2), sat = Centre(v->picSat2), com = Centre(v->shpCom2);
        w->picJup->setVisible(false);
        w->picSat->setVisible(true); // not consulted
        MoveCentre(w->shpCom, Centre(w->picEth) + QPointF(0, -900));
        v->tmrTendo_Timer();
        QVERIFY(!v->picJup2->Visible() && !v->picSat2->Visible());
        QVERIFY(Centre(v->picJup2) == jup && Centre(v->picSat2) == sat);
        QVERIFY(!Close(Centre(v->shpCom2), com));
        w->picJup->setVisible(true);
        v->tmrTendo_Timer();
        QVERIFY(v->picJup2->Visible() && v->picSat2->Visible());
        QVERIFY(!Close(Centre(v->picJup2), jup) && !Close(Centre(v->picSat2), sat));
    }

    void opener_data() {
        QTest::addColumn<bool>("running");
        QTest::newRow("main stopped") << false;
        QTest::newRow("main running") << true;
    }
    void opener() {
        QFETCH(bool, running);
        auto w = MainWindow();
        if (running)
            Click(w->cmdSTR[0]);
        frmTendo* v = OpenView(*w);
        QCOMPARE(v->cmdStop->Caption(), T(running ? txt::kViewStop : txt::kViewMove));
        QCOMPARE(v->Teisi, !running);
        QCOMPARE(v->tmrTendo.Interval(), running ? 40 : 0);
        QCOMPARE(v->shpKodo->Visible(), !running);
        for (Label* l : v->NameLabels())
            QCOMPARE(l->Visible(), !running);

        // Again with the main motion switched meanwhile: no new start-up (Kesu survives),
        // only the running state is applied, and Teisi only when stopped.
        Click(v->cmdKesu);
        Click(running ? w->cmdSTP : w->cmdSTR[0]);
        Click(w->cmdFrm2);
        QCOMPARE(w->EarthView(), v);
        QVERIFY(v->Kesu && v->Teisi && !v->shpKodo->Visible());
        QCOMPARE(v->cmdStop->Caption(), T(running ? txt::kViewMove : txt::kViewStop));
        QCOMPARE(v->tmrTendo.Interval(), 40); // kept from before, or started now
        Click(w->cmdFrm2);                    // and once more: Teisi is set, not flipped
        QVERIFY(v->Teisi);
    }

    void stopAndMoveAlternate_data() {
        QTest::addColumn<bool>("saturnRange");
        QTest::newRow("Mars range: Jupiter hidden") << false;
        QTest::newRow("Saturn range") << true;
    }
    void stopAndMoveAlternate() {
        QFETCH(bool, saturnRange);
        auto w = MainWindow();
        if (saturnRange)
            Click(w->cmdSyo);
        Click(w->cmdSTR[3]); // the slowest speed
        frmTendo* v = OpenView(*w);
        for (int i = 0; i < 20; ++i) {
            w->TmrWE_Timer();
            v->tmrTendo_Timer();
        }
        QCOMPARE(w->picJup->Visible(), saturnRange);
        const struct {
            Label* label;
            Movable* body;
            double offset;
        } beside[] = {{v->lblSun2, v->picSun2, 350}, {v->lblMon2, v->picMon2, 350},
                      {v->lblMrc2, v->picMrc2, 150}, {v->lblVns2, v->picVns2, 150},
                      {v->lblMas2, v->picMas2, 150}, {v->lblJup2, v->picJup2, 250},
                      {v->lblSat2, v->picSat2, 200}, {v->lblCom2, v->shpCom2, 150}};
        for (int round = 0; round < 2; ++round) {
            w->ShowScale();
            Click(v->cmdStop);
            QVERIFY(v->Teisi && v->lblEth2->Visible() && !v->shpKodo->Visible());
            QCOMPARE(v->cmdStop->Caption(), T(txt::kViewMove));
            QCOMPARE(v->tmrTendo.Interval(), 0);
            QCOMPARE(w->TmrWE.Interval(), 0);
            for (const auto& b : beside) {
                const bool outer = b.label == v->lblJup2 || b.label == v->lblSat2;
                QCOMPARE(b.label->Visible(), !outer || saturnRange);
                if (b.label->Visible())
                    QVERIFY(Close({b.label->Left(), b.label->Top()},
                                  {double(b.body->Left()) + b.offset, double(b.body->Top()) + 70}));
            }
            QVERIFY(ScaleVisible(*w, true));

            Click(v->cmdStop);
            QVERIFY(!v->Teisi && !v->shpKodo->Visible());
            QCOMPARE(v->cmdStop->Caption(), T(txt::kViewStop));
            QCOMPARE(v->tmrTendo.Interval(), 40);
            QCOMPARE(w->TmrWE.Interval(), 40);
            for (Label* l : v->NameLabels())
                QVERIFY(!l->Visible());
            QVERIFY(ScaleVisible(*w, false));
        }
    }

    void constellationsHideAndShow() {
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        // Beside the middle, where the constellation picture has a small Earth of its own.
        const QPointF beside = kSky - QPointF(280, 0);
        const QColor sky(32, 32, 32);
        QVERIFY(PixelAt(testsupport::Grab(v), beside.x(), beside.y()) != sky);

        Click(v->cmdKesu);
        QCOMPARE(v->cmdKesu->Caption(), T(txt::kShowStars));
        QVERIFY(!v->imgTendo->Visible() && v->shpTenku->Visible() && v->imgTikyu->Visible());
        QCOMPARE(Centre(v->imgTikyu), kSky + QPointF(20, 7));
        const QImage shot = testsupport::Grab(v);
        QCOMPARE(PixelAt(shot, beside.x(), beside.y()), sky);
        // The Earth picture's middle and a dark corner, shrunk 18 times: colours blend a little.
        const QImage earth(QStringLiteral(":/pictures/earth.jpg"));
        const QPointF c = Centre(v->imgTikyu), corner(v->imgTikyu->Left(), v->imgTikyu->Top());
        QVERIFY(testsupport::Near(PixelAt(shot, c.x(), c.y()), earth.pixelColor(301, 301), 24));
        QVERIFY(testsupport::Near(PixelAt(shot, corner.x() + 30, corner.y() + 30),
                                  earth.pixelColor(10, 10), 24));

        Click(v->cmdKesu);
        QCOMPARE(v->cmdKesu->Caption(), T(txt::kHideStars));
        QVERIFY(v->imgTendo->Visible() && !v->shpTenku->Visible() && !v->imgTikyu->Visible());
        const Image* img = v->imgTendo; // now exactly as wide as the window
        QCOMPARE(QRectF(img->Left(), img->Top(), img->Width(), img->Height()),
                 QRectF(kTyusinX - kOuterW / 2, 0, kOuterW, kOuterH - 300));
        QVERIFY(PixelAt(testsupport::Grab(v), beside.x(), beside.y()) != sky);
    }

    void closing_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("how"); // 0 the button, 1 Esc, 2 the frame
        for (bool running : {false, true}) {
            const char* state = running ? "running" : "stopped";
            QTest::addRow("%s, by 閉じる", state) << running << 0;
            QTest::addRow("%s, by Esc", state) << running << 1;
            QTest::addRow("%s, by the frame", state) << running << 2;
        }
    }
    void closing() {
        QFETCH(bool, running);
        QFETCH(int, how);
        auto w = MainWindow();
        if (running)
            Click(w->cmdSTR[1]);
        frmTendo* v = OpenView(*w);
        w->ShowScale();
        if (how == 0)
            Click(v->cmdClos);
        if (how == 1)
            QTest::keyClick(v->cmdStop, Qt::Key_Escape);
        if (how == 2)
            v->close();
        Unload();
        QVERIFY(!w->EarthView());
        QVERIFY(ScaleVisible(*w, !running));
        QCOMPARE(w->TmrWE.Interval(), running ? 60 : 0);
    }

    void reopeningStartsAfresh() {
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        Click(v->cmdKesu);
        Click(v->cmdStop); // the main motion runs from here on
        for (int i = 0; i < 30; ++i) {
            w->TmrWE_Timer();
            v->tmrTendo_Timer();
        }
        Click(v->cmdClos);
        Unload();
        v = OpenView(*w);
        QVERIFY(v && !v->Kesu && !v->Teisi && !v->imgTikyu->Visible());
        QCOMPARE(double(v->imgTendo->Width()), kOuterH + 700);
        QVERIFY(Close(Centre(v->picSun2), kSky - QPointF(0, kHankei)));
        QCOMPARE(v->Kakudo, 0.0);
        QCOMPARE(v->tmrTendo.Interval(), 40);
    }

    void openAndClose200Times() {
        auto w = MainWindow();
        Click(w->cmdTendo);
        for (int i = 0; i < 200; ++i) {
            Click(w->cmdFrm2);
            frmTendo* v = w->EarthView();
            QVERIFY(v);
            w->TmrWE_Timer();
            v->tmrTendo_Timer();
            Click(i % 2 ? v->cmdClos : v->cmdStop);
            if (i % 2 == 0)
                v->close();
            Unload();
            QVERIFY(!w->EarthView());
            // No window left behind (frmTendo has no meta-object of its own to find it by).
            for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY(!c->isWindow());
        }
    }

    void endingTheProgramClosesTheView() {
        auto w = MainWindow();
        OpenView(*w);
        Click(w->cmdEndWE);
        Unload();
        QVERIFY(!w->EarthView());
    }

    void keyboardAndNames() {
        auto w = MainWindow();
        frmTendo* v = OpenView(*w);
        QCOMPARE(v->focusWidget(), v->cmdStop);
        for (CommandButton* next : {v->cmdClos, v->cmdKesu, v->cmdStop}) {
            QTest::keyClick(v->focusWidget(), Qt::Key_Tab);
            QCOMPARE(v->focusWidget(), next);
        }
        const auto controls = v->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 3 + 7 + 3 + 1 + 2 + 9);
        for (QWidget* c : controls) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            const QString name = a ? a->text(QAccessible::Name) : QString();
            QVERIFY2(!name.isEmpty() && name.front().unicode() > 0x3000, qPrintable(name));
        }
        // Enter moves; the button's name follows its caption.
        QTest::keyClick(v->cmdStop, Qt::Key_Return);
        QVERIFY(!v->Teisi);
        QCOMPARE(QAccessible::queryAccessibleInterface(v->cmdStop)->text(QAccessible::Name),
                 T(txt::kViewStop));
    }
};

QTEST_MAIN(TestFrmTendo)
#include "tst_frmtendo.moc"
