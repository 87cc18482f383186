// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmwe.h"
#include "testsupport.h"
#include "texts.h"

#include <QAccessible>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <vector>

using testsupport::PixelAt;
using namespace controls;

namespace {

QString T(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::unique_ptr<frmWE> Open() {
    auto w = std::make_unique<frmWE>();
    w->show();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("main window did not become active");
    return w;
}

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QPointF Centre(const PictureBox* b) {
    return {double(b->Left()) + double(b->Width()) / 2, double(b->Top()) + double(b->Height()) / 2};
}

// Half a unit in the last printed digit.
double Digits(int n) {
    return 0.5 * std::pow(10.0, -n);
}

int CountColour(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

bool ScaleVisible(const frmWE& w, bool visible) {
    for (QWidget* c : w.ScaleGroup())
        if (c->isHidden() == visible)
            return false;
    return true;
}

} // namespace

class TestFrmWE : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::SetUpApplication(); }

    // --- Layout and start-up ---

    void windowAtItsDesignValues() {
        frmWE w;
        QCOMPARE(w.windowTitle(), T(txt::kMainCaption));
        QCOMPARE(w.ScaleWidth(), 10560.0);
        QCOMPARE(w.ScaleHeight(), 7635.0);
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(w.BackColor(), QColor(32, 32, 32));
        QCOMPARE(w.ForeColor(), QColor(32, 32, 32));
        QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
        // Hidden at creation: the two message labels only.
        QVERIFY(w.lblTomeru->isHidden());
        QVERIFY(w.lblMes->isHidden());
        QVERIFY(ScaleVisible(w, true));
        QCOMPARE(w.TmrWE.Interval(), 0);
        QCOMPARE(w.TmrMes.Interval(), 0);
        QCOMPARE(w.ScaleGroup().size(), std::size_t(27));
        // Start-up has collapsed the tail onto the comet's corner and disabled the opener.
        QCOMPARE(w.shpCom->Left(), 10500.0f);
        QCOMPARE(w.shpCom->Top(), 7000.0f);
        QCOMPARE(QPointF(w.LinTail->X1(), w.LinTail->Y1()), QPointF(10500, 7000));
        QCOMPARE(QPointF(w.LinTail->X2(), w.LinTail->Y2()), QPointF(10500, 7000));
        QVERIFY(!w.cmdFrm2->isEnabled());
    }

    void buttonsAtTheirDesignValues_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRectF>("geometry");
        QTest::addColumn<QString>("tip");
        const QString slow = T(txt::kSlower);
        QTest::newRow("cmdSTR(0)") << 0 << T(txt::kStart) << QRectF(350, 240, 930, 492) << "";
        QTest::newRow("cmdSTR(1)") << 1 << "" << QRectF(1305, 360, 120, 252) << slow;
        QTest::newRow("cmdSTR(2)") << 2 << "" << QRectF(1460, 360, 120, 252) << slow;
        QTest::newRow("cmdSTR(3)") << 3 << "" << QRectF(1610, 360, 120, 252) << slow;
        QTest::newRow("cmdSTP") << 4 << T(txt::kStop) << QRectF(1750, 240, 930, 492) << "";
        QTest::newRow("cmdEthST") << 5 << T(txt::kHoldEarth) << QRectF(3060, 240, 1250, 492) << "";
        QTest::newRow("cmdClr") << 6 << T(txt::kErase) << QRectF(4380, 240, 1100, 492) << "";
        QTest::newRow("cmdSyo") << 7 << T(txt::kToSaturn) << QRectF(5550, 240, 1100, 492) << "";
        QTest::newRow("cmdTendo") << 8 << T(txt::kEarthCentred) << QRectF(6720, 240, 1100, 492)
                                  << "";
        QTest::newRow("cmdFrm2") << 9 << T(txt::kOpenEarthView) << QRectF(7890, 240, 1100, 492)
                                 << "";
        QTest::newRow("cmdEndWE") << 10 << T(txt::kEnd) << QRectF(9120, 240, 1100, 492) << "";
    }
    void buttonsAtTheirDesignValues() {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QRectF, geometry);
        QFETCH(QString, tip);
        frmWE w;
        const CommandButton* all[] = {w.cmdSTR[0], w.cmdSTR[1], w.cmdSTR[2], w.cmdSTR[3],
                                      w.cmdSTP,    w.cmdEthST,  w.cmdClr,    w.cmdSyo,
                                      w.cmdTendo,  w.cmdFrm2,   w.cmdEndWE};
        const CommandButton* b = all[index];
        QCOMPARE(b->Caption(), caption);
        QCOMPARE(QRectF(b->Left(), b->Top(), b->Width(), b->Height()), geometry);
        QCOMPARE(b->toolTip(), tip);
        QCOMPARE(b->BackColor(), QColor(128, 255, 255));
        // Named by its caption, or by its own name where it has none.
        const QString name = QAccessible::queryAccessibleInterface(const_cast<CommandButton*>(b))
                                 ->text(QAccessible::Name);
        QCOMPARE(name, caption.isEmpty() ? b->accessibleName() : caption);
        QVERIFY(!name.isEmpty());
        QVERIFY(!b->isHidden());
    }

    void startUpStateFromThePictures_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<QPointF>("now");
        QTest::addColumn<QPointF>("before");
        QTest::addColumn<double>("pull");
        QTest::addColumn<int>("digits");
        QTest::newRow("Earth") << 0 << QPointF(2677.5, 4217.5) << QPointF(2677.5, 4197.5) << 0.172
                               << 12;
        QTest::newRow("Moon") << 1 << QPointF(2519, 4210) << QPointF(2519, 4202.1) << 0.43371 << 12;
        QTest::newRow("Mercury") << 2 << QPointF(4053, 4220) << QPointF(4049, 4188.6) << 1.02810
                                 << 5;
        QTest::newRow("Venus") << 3 << QPointF(3381, 4210) << QPointF(3381, 4186) << 0.35329 << 5;
        QTest::newRow("Mars") << 4 << QPointF(1645, 4205) << QPointF(1646.3, 4187.8) << 0.08253
                              << 5;
        QTest::newRow("Jupiter") << 5 << QPointF(8090, 4240) << QPointF(8090, 4248.7) << 0.09790
                                 << 5;
        QTest::newRow("Saturn") << 6 << QPointF(9580, 4205) << QPointF(9580, 4211.5) << 0.04452
                                << 5;
        QTest::newRow("comet") << 7 << QPointF(10530, 7030) << QPointF(10525, 7034) << 0.03052 << 5;
    }
    void startUpStateFromThePictures() {
        QFETCH(int, body);
        QFETCH(QPointF, now);
        QFETCH(QPointF, before);
        QFETCH(double, pull);
        QFETCH(int, digits);
        frmWE w;
        const sim::Body* bodies[] = {&w.s.Eth, &w.s.Mon, &w.s.Mrc, &w.s.Vns,
                                     &w.s.Mas, &w.s.Jup, &w.s.Sat, &w.s.Com};
        const sim::Body& b = *bodies[body];
        // No rounding of positions: the window reports the design centres exactly.
        QCOMPARE(b.Xn, now.x());
        QCOMPARE(b.Yn, now.y());
        QCOMPARE(b.Xp, before.x());
        QCOMPARE(b.Yp, before.y());
        QVERIFY(std::abs(b.Vn - pull) <= Digits(digits));
        QCOMPARE(w.s.SunXn, 5005.0);
        QCOMPARE(w.s.SunYn, 4215.0);
        QVERIFY(!w.s.Ethstop && !w.s.Tendo && w.s.yo && !w.s.Syo);
        QCOMPARE(int(w.s.n), 0);
        QCOMPARE(int(w.s.m), 0);
    }

    void focusAndKeyboard() {
        auto w = Open();
        QCOMPARE(QApplication::focusWidget(), w->cmdSTR[0]);
        // Tab walks the buttons in the layout's order and comes back round.
        const QWidget* order[] = {w->cmdSTP,    w->cmdEthST,   w->cmdClr,    w->cmdSyo,
                                  w->cmdEndWE,  w->cmdTendo,   w->cmdSTR[1], w->cmdSTR[2],
                                  w->cmdSTR[3], w->lblEthYear, w->cmdSTR[0]};
        for (const QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next); // cmdFrm2 is disabled: skipped
        }
        // The counter, reached by Tab, is reset with Space.
        w->s.n = 3;
        w->lblEthYear->setCaption(QStringLiteral("3"));
        QTest::keyClick(w->lblEthYear, Qt::Key_Space);
        QCOMPARE(w->lblEthYear->Caption(), QStringLiteral("0"));
        QCOMPARE(int(w->s.n), 0);
        // Enter clicks the focused button; with none focused, the slowest start button.
        QTest::keyClick(w->cmdSTR[0], Qt::Key_Return);
        QCOMPARE(w->TmrWE.Interval(), 40);
        w->setFocus();
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(w->TmrWE.Interval(), 180);
        // Esc ends the program like the end button.
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(w->isHidden());
        QCOMPARE(w->TmrWE.Interval(), 0);
    }

    void everyControlHasAJapaneseName() {
        frmWE w;
        const auto children = w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(children.size() >= 50);
        for (QWidget* c : children) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY(a);
            const QString name = a->text(QAccessible::Name);
            QVERIFY2(
                !name.isEmpty(),
                qPrintable(c->geometry().topLeft().isNull() ? QStringLiteral("unnamed") : name));
            // Japanese: no control name or English leaks through.
            bool ok = false;
            for (QChar ch : name)
                ok = ok || ch.unicode() >= 0x3000;
            QVERIFY2(ok, qPrintable(name));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(w.cmdSTR[1])->text(QAccessible::Name),
                 T(txt::a11y::kSlow1));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.picJup)->role(), QAccessible::Graphic);
        QAccessibleInterface* year = QAccessible::queryAccessibleInterface(w.lblEthYear);
        QCOMPARE(year->role(), QAccessible::Button); // it can be pressed to reset the count
        QCOMPARE(year->text(QAccessible::Value), QStringLiteral("0"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.lblSun)->role(), QAccessible::StaticText);
    }

    void layering() {
        frmWE w;
        // Children are kept in stacking order, bottom first.
        const QObjectList stack = w.children();
        auto index = [&stack](const QWidget* c) { return stack.indexOf(c); };
        const std::vector<QWidget*> windowed = {
            w.cmdSTR[3], w.cmdSTR[2], w.cmdSTR[1], w.cmdFrm2,  w.cmdTendo, w.picMas, w.picSat,
            w.picJup,    w.picSun,    w.picMon,    w.picEth,   w.picVns,   w.picMrc, w.cmdEndWE,
            w.cmdSTP,    w.cmdSTR[0], w.cmdClr,    w.cmdEthST, w.cmdSyo};
        const std::vector<QWidget*> windowless = {
            w.lblTomeru, w.lblEthYear, w.Line11,  w.Line10,  w.lblSat,  w.lblJup,  w.lblMas,
            w.lblSatN,   w.lblJupN,    w.lblMasN, w.Line8,   w.Line7,   w.Line6,   w.lblMes,
            w.shpCom,    w.LinTail,    w.lblSunN, w.lblMrcN, w.lblVnsN, w.lblEthN, w.Line5,
            w.Line4,     w.Line3,      w.Line2,   w.lblSun,  w.lblMrc,  w.lblVns,  w.lblEth,
            w.lblMon,    w.Line1,      w.Line9,   w.lblsyun};
        for (const auto* list : {&windowed, &windowless})
            for (std::size_t i = 1; i < list->size(); ++i)
                QVERIFY2(index((*list)[i - 1]) > index((*list)[i]), qPrintable(QString::number(i)));
        QVERIFY(index(windowed.back()) > index(windowless.front()));
    }

    void labelsAndLinesAtTheirDesignValues_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRectF>("geometry");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        const QColor white(255, 255, 255);
        QTest::newRow("lblEthYear")
            << "0" << QRectF(2600, 480, 372, 180) << QColor(192, 192, 255) << 12 << false;
        QTest::newRow("lblTomeru") << T(txt::kPleaseStop) << QRectF(5520, 840, 1000, 252)
                                   << QColor(255, 0, 0) << 10 << false;
        QTest::newRow("lblMon") << T(txt::kMoon) << QRectF(2340, 3720, 372, 252) << white << 12
                                << false;
        QTest::newRow("lblVns") << T(txt::kVenus) << QRectF(3240, 3696, 372, 252) << white << 12
                                << false;
        QTest::newRow("lblMas") << T(txt::kMars) << QRectF(1390, 3700, 492, 204) << white << 12
                                << false;
        QTest::newRow("lblSunN") << "0.0" << QRectF(4880, 5160, 372, 252) << white << 14 << true;
        QTest::newRow("lblEthN") << "1.0" << QRectF(2530, 5160, 492, 252) << white << 14 << true;
        QTest::newRow("lblSatN") << "9.5" << QRectF(9450, 5160, 372, 252) << white << 14 << true;
    }
    void labelsAndLinesAtTheirDesignValues() {
        QFETCH(QString, caption);
        QFETCH(QRectF, geometry);
        QFETCH(QColor, colour);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        frmWE w;
        const std::map<QByteArray, const Label*> labels = {
            {"lblEthYear", w.lblEthYear}, {"lblTomeru", w.lblTomeru}, {"lblMon", w.lblMon},
            {"lblVns", w.lblVns},         {"lblMas", w.lblMas},       {"lblSunN", w.lblSunN},
            {"lblEthN", w.lblEthN},       {"lblSatN", w.lblSatN}};
        const Label* l = labels.at(QTest::currentDataTag());
        QCOMPARE(l->Caption(), caption);
        QCOMPARE(QRectF(l->Left(), l->Top(), l->Width(), l->Height()), geometry);
        QCOMPARE(l->ForeColor(), colour);
        QCOMPARE(l->font().pixelSize(), pixelSize); // points at 96 dots per inch
        QCOMPARE(l->font().bold(), bold);

        // The lines of the scale and the comet's tail, by their end points.
        struct L {
            const Line* line;
            QLineF at;
            QColor colour;
            int width;
        };
        const QColor scale(0, 0, 192), pale(192, 192, 255);
        for (const L& e : {L{w.Line1, {456, 4200, 6960, 4200}, scale, 1},
                           L{w.Line3, {3370, 4500, 3370, 5050}, scale, 1},
                           L{w.Line8, {9580, 4500, 9580, 5050}, scale, 1},
                           L{w.Line9, {7200, 4200, 10080, 4200}, scale, 1},
                           L{w.Line10, {7164, 3840, 6720, 4680}, pale, 2},
                           L{w.Line11, {7380, 3840, 6960, 4680}, pale, 2}}) {
            QCOMPARE(QLineF(e.line->X1(), e.line->Y1(), e.line->X2(), e.line->Y2()), e.at);
            QCOMPARE(e.line->BorderColor(), e.colour);
            QCOMPARE(e.line->BorderWidth(), e.width);
        }
        QCOMPARE(w.LinTail->BorderColor(), pale);
        QCOMPARE(w.LinTail->BorderWidth(), 2);
    }

    // --- Run controls ---

    void startButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("interval");
        QTest::newRow("start") << 0 << 40;
        QTest::newRow("slower") << 1 << 60;
        QTest::newRow("slower still") << 2 << 100;
        QTest::newRow("slowest") << 3 << 180;
    }
    void startButtons() {
        QFETCH(int, index);
        QFETCH(int, interval);
        auto w = Open();
        Click(w->cmdSTR[std::size_t(index)]);
        QCOMPARE(w->TmrWE.Interval(), interval);
        QCOMPARE(w->cmdSTR[0]->Caption(), T(txt::kResume));
        // A screen reader hears the new caption.
        QCOMPARE(QAccessible::queryAccessibleInterface(w->cmdSTR[0])->text(QAccessible::Name),
                 T(txt::kResume));
        QCOMPARE(QApplication::focusWidget(), w->cmdSTP);
        QVERIFY(!w->cmdSyo->isEnabled());
        QVERIFY(ScaleVisible(*w, false));
        // Bodies, the counter and the comet are not part of the scale.
        QVERIFY(!w->picSun->isHidden() && !w->lblEthYear->isHidden() && !w->shpCom->isHidden());
        // Stop, then start again at full pace from the same positions.
        const sim::State before = w->s;
        Click(w->cmdSTP);
        QCOMPARE(w->TmrWE.Interval(), 0);
        QCOMPARE(QApplication::focusWidget(), w->cmdSTR[0]);
        QVERIFY(w->cmdSyo->isEnabled());
        Click(w->cmdSTR[0]);
        QCOMPARE(w->TmrWE.Interval(), 40);
        QCOMPARE(w->s.Eth.Xn, before.Eth.Xn);
    }

    void eraseLeavesACleanWindowWithEveryPicture() {
        auto w = Open();
        for (int i = 0; i < 60; ++i)
            w->TmrWE_Timer();
        QVERIFY(CountColour(w->drawing(), QBColor(9)) > 30); // the Earth's trail
        Click(w->cmdClr);
        QCOMPARE(CountColour(w->drawing(), w->BackColor()),
                 w->drawing().width() * w->drawing().height());
        QCOMPARE(w->DrawWidth(), std::int16_t(1));
        QCOMPARE(QApplication::focusWidget(), w->cmdSTP);
        const QImage shot = testsupport::Grab(w.get());
        const QPointF sun = Centre(w->picSun);
        QCOMPARE(PixelAt(shot, sun.x(), sun.y()), QColor(255, 255, 0));
        const QPointF venus = Centre(w->picVns);
        QCOMPARE(PixelAt(shot, venus.x(), venus.y()), QColor(255, 255, 255));
        QVERIFY(testsupport::Near(PixelAt(shot, 4200, 4200), QColor(0, 0, 192), 0)); // axis
        // Running, it erases and the dots start again at once.
        Click(w->cmdSTR[0]);
        Click(w->cmdClr);
        w->TmrWE_Timer();
        QCOMPARE(CountColour(w->drawing(), QBColor(9)), 1);
    }

    void bodyBoxCoversALabel() {
        frmWE w;
        // The Moon's box moved over the Sun's name: no white text shows through it.
        const float left = w.lblSun->Left() + 150, top = w.lblSun->Top();
        w.picMon->Move(left, top);
        const QImage shot = testsupport::Grab(&w);
        for (int dx = 5; dx < 100; dx += 10)
            for (int dy = 5; dy < 100; dy += 10) {
                const QColor c = PixelAt(shot, double(left) + dx, double(top) + dy);
                QVERIFY(c != QColor(255, 255, 255));
            }
        // And a label is drawn over the window's trails.
        w.PSet(double(w.lblSun->Left()) + 250, double(w.lblSun->Top()) + 120, QBColor(9));
        QVERIFY(CountColour(testsupport::Grab(&w), QColor(255, 255, 255)) > 0);
    }

    void scaleHidesAndShowsAsOneGroup() {
        frmWE w;
        w.HideScale();
        QVERIFY(ScaleVisible(w, false));
        QVERIFY(!w.picJup->isHidden() && !w.LinTail->isHidden() && !w.shpCom->isHidden());
        QVERIFY(testsupport::Near(PixelAt(testsupport::Grab(&w), 4200, 4200), w.BackColor(), 0));
        w.ShowScale();
        QVERIFY(ScaleVisible(w, true));
        QVERIFY(w.lblTomeru->isHidden() && w.lblMes->isHidden());
    }
};

QTEST_MAIN(TestFrmWE)
#include "tst_frmwe.moc"
