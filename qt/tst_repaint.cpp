// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small repaints on the Qt backend, at 100 % and (run again with QT_SCALE_FACTOR=2) at 200 %:
// a large outlined circle repainted in a small area draws only the arcs that reach it, yet
// every pixel equals the whole circle's; the points of one tick, drawn together, land as each
// would alone.

#include "qt/tst_qtsupport.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace controls;
using qt_testing::At;
using qt_testing::Differ;

namespace {

const QColor kSkyCircle(128, 128, 255); // the sky circle's outline
const Color kBox{16, 16, 32};           // a body box's background

// A backdrop that is not one colour, so that any difference in blending shows.
QImage Backdrop(QSize logical, qreal dpr) {
    QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * 5 + y * 29) % 256, 90));
    return image;
}

struct Window {
    Form form{"test"};
    Window() {
        form.setBackColor({32, 32, 32});
        form.setClientSize(7500, 6600);
        form.Show();
    }
};

} // namespace

class TestRepaint : public QObject {
    Q_OBJECT
    std::unique_ptr<qtb::QtBackend> backend_;

private slots:
    void initTestCase() { backend_ = qt_testing::SetUp(); }
    void cleanupTestCase() { backend_.reset(); }
    // Nothing on standard error: a painter that cannot begin, for one, only warns there.
    void init() { QTest::failOnWarning(QRegularExpression(".")); }

    // Painting only the arcs that reach a small area gives there exactly the pixels of the
    // whole outline, wherever the area lies on the circle (the whole ellipse starts and ends at
    // 0°), at any scale and at fractional places; an area the line misses gets no arcs.
    void arcsEqualTheWholeOutline_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<double>("radiusOffset"); // where the area's centre lies from the line
        QTest::addColumn<int>("reached"); // 1: the line shows in every area, 0: in none, -1: some
        // The sky circle at its design size (6800 × 7300 twips at 630, 0): the circle is 6800.
        const QRectF sky(42, 0, 453.333, 486.667);
        const QRectF odd(7.3, 5.6, 301.7, 301.7);
        for (double scale : {1.0, 1.5, 2.0}) {
            const QByteArray s = QByteArray::number(scale);
            QTest::newRow("sky circle, on the line, " + s) << scale << sky << 0.0 << 1;
            QTest::newRow("odd circle, on the line, " + s) << scale << odd << 0.0 << 1;
            QTest::newRow("odd circle, just inside, " + s) << scale << odd << -3.0 << 1;
            QTest::newRow("odd circle, a pixel inside, " + s) << scale << odd << -6.5 << -1;
            QTest::newRow("odd circle, a pixel outside, " + s) << scale << odd << 6.5 << -1;
            QTest::newRow("sky circle, well inside, " + s) << scale << sky << -40.0 << 0;
            QTest::newRow("odd circle, well outside, " + s) << scale << odd << 30.0 << 0;
        }
    }
    void arcsEqualTheWholeOutline() {
        QFETCH(double, scale);
        QFETCH(QRectF, bounds);
        QFETCH(double, radiusOffset);
        QFETCH(int, reached);
        const QSize size(int(std::ceil(bounds.right())) + 40, int(std::ceil(bounds.bottom())) + 40);
        const QImage base = Backdrop(size, scale);
        const double d = std::min(bounds.width(), bounds.height());
        const QPointF c = bounds.center();
        int drawn = 0;
        // Every 7.5°, so that the areas fall on the four points where the arcs meet too.
        for (int step = 0; step < 48; ++step) {
            const double a = step * std::numbers::pi / 24;
            const double r = d / 2 + radiusOffset;
            const QRect area(int(c.x() + r * std::cos(a)) - 6, int(c.y() - r * std::sin(a)) - 5, 13,
                             11);
            const unsigned arcs = qtb::OutlineArcsIn(bounds, QRegion(area));
            if (reached >= 0)
                QCOMPARE(arcs != 0, reached == 1);
            QImage whole = base, part = base;
            {
                QPainter p(&whole);
                p.setClipRect(area);
                qtb::PaintCircle(p, bounds, {std::nullopt, Color{128, 128, 255}});
            }
            {
                QPainter p(&part);
                p.setClipRect(area);
                qtb::PaintOutlineArcs(p, bounds, kSkyCircle, arcs);
            }
            const long stale = Differ(whole, part);
            QVERIFY2(
                stale == 0,
                qPrintable(QStringLiteral("%1 pixels differ at %2°").arg(stale).arg(step * 7.5)));
            drawn += whole != base;
        }
        // On the line the outline shows in every area; far off it, in none.
        if (reached >= 0)
            QCOMPARE(drawn, reached * 48);
        else
            QVERIFY(drawn > 0 && drawn < 48);
    }

    // A body box that leaves a place on a large outlined circle uncovers a small area: the
    // window then shows the line there again, as a full repaint does. Two boxes leaving
    // opposite sides in one repaint make an area of two distant parts.
    void outlineShowsWhereABoxLeaves_data() {
        QTest::addColumn<QList<double>>("degrees");
        QTest::newRow("0°, where the whole outline starts") << QList<double>{0};
        QTest::newRow("20°") << QList<double>{20};
        QTest::newRow("90°") << QList<double>{90};
        QTest::newRow("135°") << QList<double>{135};
        QTest::newRow("180°") << QList<double>{180};
        QTest::newRow("260°") << QList<double>{260};
        QTest::newRow("330°") << QList<double>{330};
        QTest::newRow("90° and 270° at once") << QList<double>{90, 270};
        QTest::newRow("10° and 200° at once") << QList<double>{10, 200};
    }
    void outlineShowsWhereABoxLeaves() {
        QFETCH(QList<double>, degrees);
        Window t;
        // The sky circle's size, centred in the window.
        auto* circle = t.form.Add<Shape>("circle");
        circle->Move(50, 300, 6800, 6000);
        circle->setStyle({std::nullopt, Color{128, 128, 255}});
        const double cx = 50 + 3400, cy = 3300, r = 3000 - 7.5;
        std::vector<PictureBox*> boxes;
        for (double deg : degrees) {
            auto* box = t.form.Add<PictureBox>("box");
            box->setBackColor(kBox);
            const double a = deg * std::numbers::pi / 180;
            box->Move(cx + r * std::cos(a) - 150, cy - r * std::sin(a) - 150, 300, 300);
            boxes.push_back(box);
        }
        QVERIFY(QTest::qWaitForWindowExposed(qt_testing::W(t.form)));
        qt_testing::Settle();
        // The first box covers the line.
        const double a0 = degrees[0] * std::numbers::pi / 180;
        QCOMPARE(At(qt_testing::Shown(t.form), cx + r * std::cos(a0), cy - r * std::sin(a0)),
                 QColor(kBox.r, kBox.g, kBox.b));
        // Away into the middle of the circle, in one tick.
        for (PictureBox* box : boxes)
            box->Move(cx - 150, cy - 150, 300, 300);
        const QImage shown = qt_testing::Shown(t.form);
        const QImage full = qt_testing::Full(t.form);
        QCOMPARE(Differ(shown, full), 0L);
        for (double deg : degrees) {
            const double a = deg * std::numbers::pi / 180;
            // The line, smoothed, is brightest in one of the pixels around its middle.
            int blue = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    blue = std::max(blue, At(shown, cx + r * std::cos(a) + 15 * dx,
                                             cy - r * std::sin(a) + 15 * dy)
                                              .blue());
            QVERIFY2(blue > 160, qPrintable(QString::number(blue)));
        }
    }

    // The points of one tick are drawn together: each lands in its own pixel, beneath the
    // controls, also where a button covers it, and shows when the button goes.
    void pointsOfOneTick() {
        Window t;
        auto* button = t.form.Add<CommandButton>("button");
        button->Move(1500, 1500, 1500, 750);
        button->setBackColor({128, 255, 255});
        QVERIFY(QTest::qWaitForWindowExposed(qt_testing::W(t.form)));
        qt_testing::Settle();
        const Color colours[] = {{255, 0, 0},   {0, 0, 255},   {0, 255, 0},     {255, 255, 0},
                                 {255, 0, 255}, {0, 255, 255}, {192, 192, 192}, {128, 0, 0},
                                 {0, 128, 0},   {0, 0, 128}};
        for (int i = 0; i < 10; ++i)
            t.form.PSet(300 + 300 * i + 7, 600 + 240 * i + 7, colours[i]);
        // Painted before the event loop runs again, as a screenshot would be.
        const QImage early = qt_testing::W(t.form)->grab().toImage();
        QCOMPARE(At(early, 307, 607), QColor(255, 0, 0));
        const QImage shown = qt_testing::Shown(t.form);
        QCOMPARE(Differ(shown, qt_testing::Full(t.form)), 0L);
        for (int i = 0; i < 10; ++i) {
            const double x = 300 + 300 * i + 7, y = 600 + 240 * i + 7;
            const bool underButton = x >= 1500 && x < 3000 && y >= 1500 && y < 2250;
            const QColor dot(colours[i].r, colours[i].g, colours[i].b);
            QCOMPARE(At(shown, x, y) == dot, !underButton);
        }
        button->setVisible(false);
        const QImage uncovered = qt_testing::Shown(t.form);
        QCOMPARE(Differ(uncovered, qt_testing::Full(t.form)), 0L);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(At(uncovered, 300 + 300 * i + 7, 600 + 240 * i + 7),
                     QColor(colours[i].r, colours[i].g, colours[i].b));
        // A new background colour wipes the points, also those drawn just before it.
        t.form.PSet(4500, 4500, {255, 0, 0});
        t.form.setBackColor({0, 0, 0});
        const QImage wiped = qt_testing::Shown(t.form);
        QCOMPARE(At(wiped, 4500, 4500), QColor(0, 0, 0));
        QCOMPARE(At(wiped, 307, 607), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestRepaint)
#include "tst_repaint.moc"
