// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the Qt backend paints single controls, at 100 % and (run again with QT_SCALE_FACTOR=2) at
// 200 %: the circle rule and its clipping at fractional positions, label text where its
// alignment puts it, the layers, lines, round points, and values that are not numbers.

#include "qt/tst_qtsupport.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace controls;
using qt_testing::At;

namespace {

const QColor kSky(32, 32, 32);

// The bounding box, in device pixels, of the pixels of one colour.
QRect Ink(const QImage& image, QColor colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

struct Window {
    Form form{"test"};
    Window() {
        form.setBackColor({32, 32, 32});
        form.setClientSize(4500, 4500);
        form.Show();
    }
};

} // namespace

class TestPaint : public QObject {
    Q_OBJECT
    std::unique_ptr<qtb::QtBackend> backend_;

private slots:
    void initTestCase() { backend_ = qt_testing::SetUp(); }
    void cleanupTestCase() { backend_.reset(); }

    // A circle whose box edges fall between pixels still draws its outline in the pixels that
    // hold its edges, and nothing beyond them.
    void circleEdgesBetweenPixels_data() {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("size");
        QTest::newRow("on the grid") << 105.0 << 120.0 << 900.0;
        QTest::newRow("edges just past a pixel") << 108.0 << 108.0 << 885.0;
        QTest::newRow("edges past the middle of a pixel") << 107.0 << 113.0 << 907.0;
    }
    void circleEdgesBetweenPixels() {
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, size);
        Window t;
        auto* s = t.form.Add<Shape>("circle");
        s->Move(left, top, size, size);
        s->setStyle({std::nullopt, Color{0, 0, 255}});
        const QImage image = qt_testing::Full(t.form);
        const double mid = top + size / 2, right = left + size, bottom = top + size;
        const double in = 0.75, out = 15 * 0.8; // a twentieth of a pixel in; most of one out
        QVERIFY(At(image, right - in, mid).blue() > 40);
        QVERIFY(At(image, left + in, mid).blue() > 40);
        // The one-pixel outline lies inside the circle's bounds: the device pixel that holds
        // the right edge is covered as far as the edge reaches into it.
        const double edge = right / 15 * image.devicePixelRatio();
        const double cover = edge == std::floor(edge) ? 1 : edge - std::floor(edge);
        QVERIFY2(std::abs(At(image, right - in, mid).blue() - (32 + 223 * cover)) < 48,
                 qPrintable(QString::number(At(image, right - in, mid).blue())));
        QVERIFY(At(image, left + size / 2, bottom - in).blue() > 40);
        QVERIFY(At(image, left + size / 2, top + in).blue() > 40);
        QCOMPARE(At(image, right + out, mid), kSky);
        QCOMPARE(At(image, left + size / 2, bottom + out), kSky);
        QCOMPARE(At(image, left + size / 2, mid), kSky); // no fill
    }

    void circleRuleAndADiscClippedByItsBox() {
        Window t;
        auto* shape = t.form.Add<Shape>("wide");
        shape->Move(0, 0, 1500, 900); // diameter 900, centred in the wider box
        shape->setStyle({Color{255, 255, 0}, Color{0, 0, 255}});
        auto* box = t.form.Add<PictureBox>("box");
        box->Move(0, 1500, 600, 500);
        box->setBackColor({16, 16, 32});
        box->setDisc({750, 500, {Color{128, 255, 255}, std::nullopt}}); // from 125 to 625
        const QImage image = qt_testing::Full(t.form);
        QCOMPARE(At(image, 750, 450), QColor(255, 255, 0));
        QCOMPARE(At(image, 250, 450), kSky); // inside the box, beside the circle
        QCOMPARE(At(image, 1250, 450), kSky);
        QCOMPARE(At(image, 580, 1750), QColor(128, 255, 255));
        QCOMPARE(At(image, 60, 1750), QColor(16, 16, 32)); // the box beside its disc
        QCOMPARE(At(image, 620, 1750), kSky);              // clipped by the box
    }

    // Text starts at the top of its label, on the side its alignment names.
    void labelTextWhereItsAlignmentPutsIt_data() {
        QTest::addColumn<int>("align");
        QTest::newRow("left") << int(Align::Left);
        QTest::newRow("right") << int(Align::Right);
        QTest::newRow("centre") << int(Align::Center);
    }
    void labelTextWhereItsAlignmentPutsIt() {
        QFETCH(int, align);
        Window t;
        auto* l = t.form.Add<Label>("label");
        l->Move(300, 450, 3000, 1800); // 200 × 120 pixels
        l->setFont({"ＭＳ Ｐゴシック", 15, false, false});
        l->setForeColor({255, 255, 255});
        l->setAlignment(Align(align));
        l->setCaption("■■");
        const QImage image = qt_testing::Full(t.form);
        const double dpr = image.devicePixelRatio();
        const QRect ink = Ink(image, Qt::white);
        QVERIFY(!ink.isEmpty());
        const double x0 = 20 * dpr, x1 = 220 * dpr, y0 = 30 * dpr;
        QVERIFY(ink.left() >= x0 && ink.right() < x1 && ink.top() >= y0);
        // Top-aligned: within a line height of the top, far above the middle (90).
        QVERIFY2(ink.top() < y0 + 8 * dpr && ink.bottom() < y0 + 30 * dpr,
                 qPrintable(QString::number(ink.top())));
        const double slack = 6 * dpr;
        if (Align(align) == Align::Left)
            QVERIFY(ink.left() < x0 + slack);
        if (Align(align) == Align::Right)
            QVERIFY(ink.right() > x1 - slack);
        if (Align(align) == Align::Center)
            QVERIFY(std::abs((ink.left() + ink.right() + 1) / 2.0 - (x0 + x1) / 2) < 2 * dpr);
    }

    void windowedOverWindowlessOverPoints() {
        Window t;
        auto* label = t.form.Add<Label>("label");
        label->Move(0, 0, 3000, 900);
        label->setFont({"ＭＳ Ｐゴシック", 45, false, false});
        label->setForeColor({255, 255, 255});
        label->setCaption("■■■■");
        auto* box = t.form.Add<PictureBox>("box");
        box->Move(0, 0, 450, 900);
        box->setBackColor({16, 16, 32});
        t.form.setZOrder({box}, {label});
        t.form.setDrawWidth(40);
        t.form.PSet(1200, 300, {255, 0, 0}); // under the label's text
        t.form.PSet(2400, 2400, {255, 0, 0});
        const QImage image = qt_testing::Full(t.form);
        QCOMPARE(At(image, 225, 300), QColor(16, 16, 32));
        QCOMPARE(At(image, 1200, 300), QColor(Qt::white));
        QCOMPARE(At(image, 2400, 2400), QColor(255, 0, 0));
    }

    void linesAndNothingForALineOfNoLength() {
        Window t;
        auto* line = t.form.Add<Line>("line");
        line->setBorderColor({0, 0, 192});
        line->setPoints(150, 600, 2850, 600);
        auto* wide = t.form.Add<Line>("wide");
        wide->setBorderColor({192, 192, 255});
        wide->setBorderWidth(2);
        wide->setPoints(1500, 1500, 1500, 3000);
        QImage image = qt_testing::Full(t.form);
        const double dpr = image.devicePixelRatio();
        // One pixel high and crisp; two wide.
        QCOMPARE(Ink(image, QColor(0, 0, 192)).height(), int(dpr));
        QCOMPARE(Ink(image, QColor(192, 192, 255)).width(), int(2 * dpr));
        QCOMPARE(At(image, 1500, 600), QColor(0, 0, 192));
        line->setPoints(1500, 600, 1500, 600);
        image = qt_testing::Full(t.form);
        QVERIFY(Ink(image, QColor(0, 0, 192)).isEmpty());
    }

    void pointsAreRoundDotsOfTheDrawingWidth() {
        Window t;
        // Inside the pixel (10, 10), nearer its far corner: the pixel that holds the point.
        t.form.PSet(150 + 12, 150 + 12, {255, 0, 0});
        t.form.setDrawWidth(9);
        t.form.PSet(50 * 15, 50 * 15, {0, 0, 255});
        const QImage image = qt_testing::Full(t.form);
        const double dpr = image.devicePixelRatio();
        QCOMPARE(Ink(image, Qt::red), QRect(QPoint(10, 10) * dpr, QSize(1, 1) * dpr));
        const QRect dot = Ink(image, Qt::blue);
        // Centred on the point, both ways, and as wide as the drawing width.
        QVERIFY(std::abs((dot.left() + dot.right() + 1) / 2.0 - 50 * dpr) <= 0.5 * dpr);
        QVERIFY(std::abs((dot.top() + dot.bottom() + 1) / 2.0 - 50 * dpr) <= 0.5 * dpr);
        QVERIFY(std::abs(dot.width() - 9 * dpr) <= dpr);
        QVERIFY(std::abs(dot.height() - 9 * dpr) <= dpr);
        QCOMPARE(At(image, 46 * 15 + 7, 46 * 15 + 7), kSky); // round: the corners are empty
        QCOMPARE(At(image, 53 * 15 + 7, 50 * 15 + 7), QColor(Qt::blue));
    }

    // Values that are not numbers never reach a pixel: the control keeps its place, a huge
    // one is held at the limit, and a point nowhere draws nothing.
    void notANumberReachesNoPixel() {
        Window t;
        auto* box = t.form.Add<PictureBox>("box");
        box->Move(300, 300, 300, 300);
        box->setBackColor({16, 16, 32});
        auto* line = t.form.Add<Line>("line");
        line->setBorderColor({0, 0, 192});
        line->setPoints(150, 3000, 2850, 3000);
        const QImage before = qt_testing::Full(t.form);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        box->Move(nan, nan);
        line->setPoints(nan, nan, nan, nan);
        t.form.setDrawWidth(3);
        for (double v : {nan, inf, -inf, 1e300})
            t.form.PSet(v, 600, {255, 0, 0});
        QCOMPARE(qt_testing::Full(t.form), before);
        const float left = box->Left(), top = box->Top();
        box->Move(1e300, -inf); // left where it was
        QCOMPARE(box->Left(), left);
        QCOMPARE(box->Top(), top);
        QCOMPARE(qt_testing::Full(t.form), before);
    }
};

QTEST_MAIN(TestPaint)
#include "tst_paint.moc"
