// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandbutton.h"
#include "form.h"
#include "label.h"
#include "line.h"
#include "picturebox.h"
#include "shape.h"
#include "testsupport.h"
#include "timer.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace controls;
using testsupport::PixelAt;

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::SetUpApplication(); }

    void geometryIsHeldExactlyInTwips_data() {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<float>("heldLeft");
        QTest::addColumn<float>("heldTop");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("fraction of a pixel")
            << 3998.0375019 << 4201.39 << 3998.0375f << 4201.39f << QPoint(267, 280);
        QTest::newRow("not a number keeps the old value")
            << std::numeric_limits<double>::quiet_NaN() << 30.0 << 100.0f << 30.0f << QPoint(7, 2);
        QTest::newRow("huge values are clamped")
            << 1e300 << -1e30 << 1.0e7f << -1.0e7f << QPoint(666667, -666667);
    }
    void geometryIsHeldExactlyInTwips() {
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(float, heldLeft);
        QFETCH(float, heldTop);
        QFETCH(QPoint, pixel);
        Form f;
        Label l(&f);
        l.Move(100, 10, 120, 100);
        l.Move(left, top);
        QCOMPARE(l.Left(), heldLeft);
        QCOMPARE(l.Top(), heldTop);
        QCOMPARE(l.Width(), 120.0f); // size unchanged by a move
        QCOMPARE(l.geometry().topLeft(), pixel);
    }

    void pointsAreRoundDotsOfTheDrawingWidth() {
        Form f;
        f.setClientSize(1500, 1500);
        f.setDrawWidth(1);
        f.PSet(150 + 7, 150 + 7, Qt::red); // inside the pixel (10, 10)
        QCOMPARE(f.drawing().pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(f.drawing().pixelColor(11, 10), f.BackColor());
        f.setDrawWidth(9);
        f.PSet(50 * 15, 50 * 15, Qt::blue);
        QCOMPARE(f.drawing().pixelColor(50, 50), QColor(Qt::blue));
        QCOMPARE(f.drawing().pixelColor(53, 50), QColor(Qt::blue)); // inside the radius
        QCOMPARE(f.drawing().pixelColor(46, 46), f.BackColor());    // outside the disc
        QCOMPARE(f.drawing().pixelColor(56, 50), f.BackColor());
        // Points that are not numbers are ignored, not drawn at some edge.
        f.PSet(std::numeric_limits<double>::infinity(), 0, Qt::green);
        f.PSet(1e300, 1e300, Qt::green);
        QCOMPARE(f.drawing().pixelColor(99, 0), f.BackColor());
    }

    void windowedControlsCoverWindowlessOnes() {
        Form f;
        f.setClientSize(3000, 1500);
        auto* label = new Label(&f);
        label->Move(0, 0, 3000, 600);
        label->setFont(LayoutFont(QStringLiteral("IPAPGothic"), 30));
        label->setForeColor(Qt::white);
        label->setCaption(QStringLiteral("■■■■■■"));
        auto* box = new PictureBox(&f);
        box->Move(0, 0, 600, 600);
        box->setBackColor(QColor(16, 16, 32));
        // Created after the box, yet a label never covers a box.
        f.setZOrder({box}, {label});
        const QImage shot = testsupport::Grab(&f);
        QCOMPARE(PixelAt(shot, 300, 300), QColor(16, 16, 32));
        QCOMPARE(PixelAt(shot, 900, 300), QColor(Qt::white)); // the label where no box is
    }

    void circleRuleAndClipping() {
        Form f;
        f.setClientSize(3000, 3000);
        f.setBackColor(QColor(32, 32, 32));
        auto* shape = new Shape(&f);
        shape->Move(0, 0, 1500, 900); // circle of diameter 900 centred in the wider box
        shape->setStyle({QColor(255, 255, 0), QColor(0, 0, 255)});
        auto* box = new PictureBox(&f);
        box->Move(0, 1500, 120 * 5, 100 * 5);
        box->setDisc({150 * 5, 100 * 5, {QColor(128, 255, 255), std::nullopt}});
        const QImage shot = testsupport::Grab(&f);
        QCOMPARE(PixelAt(shot, 750, 450), QColor(255, 255, 0)); // centre
        QCOMPARE(PixelAt(shot, 150, 450), QColor(32, 32, 32));  // beside the circle
        // The anti-aliased outline, inside the circle's bounds at the top and the bottom.
        QVERIFY(testsupport::Near(PixelAt(shot, 750, 1), QColor(0, 0, 255), 24));
        QVERIFY(testsupport::Near(PixelAt(shot, 750, 900 - 1), QColor(0, 0, 255), 24));
        // The disc (diameter 500, from x 125) reaches past the box's right edge at 600.
        QCOMPARE(PixelAt(shot, 590, 1750), QColor(128, 255, 255));
        QCOMPARE(PixelAt(shot, 620, 1750), QColor(32, 32, 32));
    }

    void labelWrapsInsideItsWidth() {
        Form f;
        f.setClientSize(3000, 3000);
        auto* l = new Label(&f);
        l->Move(0, 0, 600, 1500);
        l->setFont(LayoutFont(QStringLiteral("IPAPGothic"), 9));
        l->setForeColor(Qt::white);
        l->setCaption(QStringLiteral("地球とニアミス！地球とニアミス！"));
        const QImage shot = testsupport::Grab(&f);
        // Some of the text must stand on a second line, below the first 15 pixels.
        bool secondLine = false;
        for (int y = 16; y < 30 && !secondLine; ++y)
            for (int x = 0; x < 40 && !secondLine; ++x)
                secondLine = shot.pixelColor(x, y) != f.BackColor();
        QVERIFY(secondLine);
    }

    void linesDrawTheirColourAndNothingWhenEmpty() {
        Form f;
        f.setClientSize(3000, 1500);
        auto* line = new Line(&f);
        line->setBorderColor(QColor(0, 0, 192));
        line->setPoints(150, 600, 2850, 600);
        QCOMPARE(PixelAt(testsupport::Grab(&f), 1500, 600), QColor(0, 0, 192));
        line->setPoints(1500, 600, 1500, 600);
        QCOMPARE(PixelAt(testsupport::Grab(&f), 1500, 600), f.BackColor());
    }

    void timerIntervalIsItsRunState() {
        int fired = 0;
        Timer t([&fired] { ++fired; });
        QCOMPARE(t.Interval(), 0);
        t.setInterval(5);
        QTRY_VERIFY(fired >= 2);
        t.setInterval(0);
        const int stoppedAt = fired;
        QTest::qWait(30);
        QCOMPARE(fired, stoppedAt);
        QCOMPARE(t.Interval(), 0);
    }

    void beepGoesThroughTheSeam() {
        testsupport::BeepCounter counter;
        Beep();
        Beep();
        QCOMPARE(counter.count, 2);
    }

    void enterAndEscapeClickTheirButtons() {
        Form f;
        f.setClientSize(3000, 1500);
        auto* ok = new CommandButton(&f);
        auto* cancel = new CommandButton(&f);
        auto* other = new CommandButton(&f);
        ok->Move(0, 0, 900, 400);
        cancel->Move(1000, 0, 900, 400);
        other->Move(2000, 0, 900, 400);
        f.setDefaultButton(ok);
        f.setCancelButton(cancel);
        QSignalSpy okSpy(ok, &QAbstractButton::clicked);
        QSignalSpy cancelSpy(cancel, &QAbstractButton::clicked);
        QSignalSpy otherSpy(other, &QAbstractButton::clicked);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.setFocus();
        QTest::keyClick(&f, Qt::Key_Return);
        QCOMPARE(okSpy.count(), 1);
        QTest::keyClick(&f, Qt::Key_Escape);
        QCOMPARE(cancelSpy.count(), 1);
        // A focused button takes Enter itself.
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(otherSpy.count(), 1);
        QCOMPARE(okSpy.count(), 1);
        // A disabled default button is not clicked.
        ok->setEnabled(false);
        f.setFocus();
        QTest::keyClick(&f, Qt::Key_Enter);
        QCOMPARE(okSpy.count(), 1);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
