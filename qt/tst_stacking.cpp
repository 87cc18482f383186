// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Stacking within one layer on the Qt backend, read from the windows' pixels at 100 % and (run
// again with QT_SCALE_FACTOR=2) at 200 %: where two bodies overlap, the one higher in the
// layout's order shows, both on screen and in a full repaint. And the labels' fonts as the
// widgets get them.

#include "main_window/frmwe.h"
#include "qt/tst_qtsupport.h"

#include <QTest>

#include <cmath>

using namespace controls;
using qt_testing::At;
using qt_testing::W;

namespace {

// Moves one control so that its top-left corner lies (dx, dy) twips from the other's; a line
// is laid across instead, level through that point. Then the pixel at (px, py) twips from
// the fixed control's corner lies in both, inside their discs.
void Overlap(Form& f, const QString& fixed, const QString& moved, double dx, double dy) {
    const Control* a = f.Find(fixed.toStdString());
    Control* b = f.Find(moved.toStdString());
    const double x = double(a->Left()) + dx, y = double(a->Top()) + dy;
    if (auto* line = dynamic_cast<Line*>(b))
        line->setPoints(x - 90, y, x + 90, y);
    else
        b->Move(x, y);
}

} // namespace

class TestStacking : public QObject {
    Q_OBJECT
    std::unique_ptr<qtb::QtBackend> backend_;

private slots:
    void initTestCase() { backend_ = qt_testing::SetUp(); }
    void cleanupTestCase() { backend_.reset(); }

    void higherCoversLower_data() {
        QTest::addColumn<bool>("view");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("moved");
        QTest::addColumn<bool>("upperIsMoved");
        QTest::addColumn<QPointF>("offset"); // of the moved control's corner
        QTest::addColumn<QPointF>("probe");  // from the fixed control's corner
        QTest::addColumn<QColor>("upper");   // the colour that must show
        QTest::addColumn<QColor>("lower");   // the colour beneath it
        const QColor sun(255, 255, 0), moon(255, 255, 192), earth(128, 128, 255);
        const QColor mercury(128, 255, 255), venus(255, 255, 255);
        QTest::newRow("Moon over Earth")
            << false << QStringLiteral("picEth") << QStringLiteral("picMon") << true
            << QPointF(30, 40) << QPointF(78, 86) << moon << earth;
        QTest::newRow("Sun over Mercury")
            << false << QStringLiteral("picSun") << QStringLiteral("picMrc") << false
            << QPointF(200, 125) << QPointF(275, 175) << sun << mercury;
        QTest::newRow("Sun over Venus")
            << false << QStringLiteral("picSun") << QStringLiteral("picVns") << false
            << QPointF(200, 110) << QPointF(265, 175) << sun << venus;
        QTest::newRow("Sun over Earth")
            << false << QStringLiteral("picSun") << QStringLiteral("picEth") << false
            << QPointF(150, 100) << QPointF(222, 178) << sun << earth;
        QTest::newRow("Sun over Moon")
            << false << QStringLiteral("picSun") << QStringLiteral("picMon") << false
            << QPointF(200, 125) << QPointF(250, 175) << sun << moon;
        QTest::newRow("Earth over Venus")
            << false << QStringLiteral("picVns") << QStringLiteral("picEth") << true
            << QPointF(-20, -20) << QPointF(60, 62) << earth << venus;
        QTest::newRow("comet over its tail")
            << false << QStringLiteral("shpCom") << QStringLiteral("LinTail") << false
            << QPointF(30, 30) << QPointF(30, 30) << venus << QColor(192, 192, 255);
        QTest::newRow("view: Moon over Sun")
            << true << QStringLiteral("picSun2") << QStringLiteral("picMon2") << true
            << QPointF(100, 0) << QPointF(200, 150) << moon << sun;
    }
    void higherCoversLower() {
        QFETCH(bool, view);
        QFETCH(QString, fixed);
        QFETCH(QString, moved);
        QFETCH(bool, upperIsMoved);
        QFETCH(QPointF, offset);
        QFETCH(QPointF, probe);
        QFETCH(QColor, upper);
        QFETCH(QColor, lower);
        frmWE w;
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(W(w)));
        Form* f = &w;
        if (view) {
            w.cmdTendo->Click();
            w.cmdFrm2->Click();
            f = w.EarthView();
            QVERIFY(f);
            QVERIFY(QTest::qWaitForWindowExposed(W(*f)));
        }
        // Seen once before the move, so that the move itself has to keep the order.
        qt_testing::Shown(*f);
        Overlap(*f, fixed, moved, offset.x(), offset.y());
        const Control* a = f->Find(fixed.toStdString());
        const double x = double(a->Left()) + probe.x(), y = double(a->Top()) + probe.y();
        QCOMPARE(At(qt_testing::Shown(*f), x, y), upper);
        QCOMPARE(At(qt_testing::Full(*f), x, y), upper);
        QVERIFY(upper != lower);
        // With the upper one hidden, the lower one is what lies there.
        Control* top = f->Find((upperIsMoved ? moved : fixed).toStdString());
        top->setVisible(false);
        QCOMPARE(At(qt_testing::Shown(*f), x, y), lower);
    }

    // What the layout's fonts become on the widgets, for every label of the main window: its
    // face (or a substitute), its size in pixels at 96 dots per inch, its weight and slant.
    void labelFontsReachTheWidgets() {
        frmWE w;
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(W(w)));
        int labels = 0;
        for (const auto& c : w.Controls()) {
            const auto* l = dynamic_cast<const Label*>(c.get());
            if (!l)
                continue;
            ++labels;
            const QFont f = W(l)->font();
            QVERIFY2(f.bold() == l->font().bold, l->Name().c_str());
            QVERIFY2(f.italic() == l->font().italic, l->Name().c_str());
            QCOMPARE(f.pixelSize(), int(std::lround(l->font().points * 96 / 72)));
        }
        QCOMPARE(labels, 19);
        QVERIFY(W(w.lblSunN)->font().bold()); // the distances are bold
        QVERIFY(!W(w.lblSun)->font().bold());
    }
};

QTEST_MAIN(TestStacking)
#include "tst_stacking.moc"
