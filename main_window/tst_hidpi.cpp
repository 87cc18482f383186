// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows on a high-DPI screen: run with QT_SCALE_FACTOR=2 (set by the test's
// registration), everything is drawn at twice the device pixels, nothing moves in twips.

#include "frmtendo.h"
#include "frmwe.h"
#include "testsupport.h"

#include <QTest>

using namespace controls;

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        testsupport::SetUpApplication();
        QVERIFY2(qgetenv("QT_SCALE_FACTOR") == "2", "run with QT_SCALE_FACTOR=2");
    }

    void mainWindowAtTwiceTheScale() {
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shot = testsupport::Grab(&w);
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), QSize(1408, 1018)); // 704 × 509 logical pixels
        // Geometry in twips is untouched by the scale.
        QCOMPARE(w.ScaleWidth(), 10560.0);
        QCOMPARE(w.picSun->Left(), 4830.0f);
        // The axis is one logical pixel: exactly two device rows, crisp, at y = 4200 twips.
        const int axis = 4200 / 15 * 2;
        const QColor line(0, 0, 192);
        QCOMPARE(shot.pixelColor(600, axis), line);
        QCOMPARE(shot.pixelColor(600, axis + 1), line);
        QCOMPARE(shot.pixelColor(600, axis - 1), w.BackColor());
        QCOMPARE(shot.pixelColor(600, axis + 2), w.BackColor());
        // The Sun's disc at its centre.
        QCOMPARE(testsupport::PixelAt(shot, 5005, 4215), QColor(255, 255, 0));
    }

    void trailDotIsOneLogicalPixel() {
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.HideScale();
        w.PSet(3000 + 7, 6000 + 7, QBColor(9));
        const QImage& d = w.drawing();
        QCOMPARE(d.devicePixelRatio(), 2.0);
        const int x = 3000 / 15 * 2, y = 6000 / 15 * 2;
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 0; dy < 2; ++dy)
                QCOMPARE(d.pixelColor(x + dx, y + dy), QBColor(9));
        QCOMPARE(d.pixelColor(x + 2, y), w.BackColor());
        QCOMPARE(d.pixelColor(x - 1, y), w.BackColor());
        QCOMPARE(testsupport::PixelAt(testsupport::Grab(&w), 3007, 6007), QBColor(9));
    }

    void earthViewAtTwiceTheScale() {
        frmWE w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.cmdTendo->click();
        w.cmdFrm2->click();
        frmTendo* v = w.EarthView();
        QVERIFY(v && QTest::qWaitForWindowExposed(v));
        const QImage shot = testsupport::Grab(v);
        QCOMPARE(shot.size(), QSize(1118, 1014)); // 559 × 507 logical pixels
        QCOMPARE(v->Hankei, 3255.0);              // the geometry is the twips one
        // The Sun of the chart, at the top of the ecliptic circle, drawn at full resolution.
        QCOMPARE(testsupport::PixelAt(shot, v->TyusinX, v->TyusinY - v->Hankei),
                 QColor(255, 255, 0));
        // The constellations hidden: plain sky beside the Earth picture.
        v->cmdKesu->click();
        const QImage plain = testsupport::Grab(v);
        QCOMPARE(testsupport::PixelAt(plain, v->TyusinX + 1500, v->TyusinY + 700), v->BackColor());
        v->close();
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
