// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the Earth view opens: beside the main window, to its right, else its left, else below,
// wholly on the screen's free area, or nowhere of our choosing when none of these has room.

#include "qt/placement.h"

#include <QTest>

#include <optional>
#include <utility>

// Where the main window goes (unchanged unless it must make room), then the Earth view.
using Both = std::optional<std::pair<QPoint, QPoint>>;
Q_DECLARE_METATYPE(Both)

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void besideTheMainWindow_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<Both>("expected");
        // The two windows with the frames of a common window manager: 1 px borders, a title
        // bar of 22 px. Main window 704 × 509 → 706 × 532; Earth view 559 × 507 → 561 × 530.
        const QSize view(561, 530);
        const QRect laptop(0, 0, 1366, 768);
        const auto stays = [](int x, int y, QPoint at) { return Both({QPoint(x, y), at}); };
        const Both none;
        QTest::newRow("right, level with the top")
            << QRect(0, 0, 706, 532) << view << laptop << stays(0, 0, {706, 0});
        QTest::newRow("right, exactly to the screen's edge")
            << QRect(99, 10, 706, 532) << view << laptop << stays(99, 10, {805, 10});
        QTest::newRow("right, raised to stay on the screen")
            << QRect(0, 300, 706, 532) << view << laptop << stays(0, 300, {706, 238});
        QTest::newRow("left") << QRect(660, 20, 706, 532) << view << laptop
                              << stays(660, 20, {99, 20});
        QTest::newRow("left, exactly to the screen's edge")
            << QRect(561, 0, 706, 532) << view << laptop << stays(561, 0, {0, 0});
        QTest::newRow("below, on a tall screen")
            << QRect(300, 0, 706, 532) << view << QRect(0, 0, 1366, 1080)
            << stays(300, 0, {300, 532});
        QTest::newRow("below, moved left to stay on the screen")
            << QRect(500, 0, 560, 300) << QSize(1000, 400) << QRect(0, 0, 1280, 1024)
            << stays(500, 0, {280, 300});
        QTest::newRow("centred main window: moves left a pixel, the view to its right")
            << QRect(100, 10, 706, 532) << view << laptop
            << Both({QPoint(99, 10), QPoint(805, 10)});
        QTest::newRow("centred by the window manager: moves left, the view to its right")
            << QRect(330, 117, 706, 534) << view << laptop
            << Both({QPoint(99, 117), QPoint(805, 117)});
        QTest::newRow("right of centre: moves right, the view to its left")
            << QRect(400, 100, 706, 532) << view << laptop
            << Both({QPoint(561, 100), QPoint(0, 100)});
        QTest::newRow("none: the two are wider than the screen")
            << QRect(200, 0, 706, 532) << view << QRect(0, 0, 1024, 768) << none;
        QTest::newRow("none: larger than the screen")
            << QRect(0, 0, 200, 200) << QSize(1400, 500) << laptop << none;
        QTest::newRow("none: taller than the screen")
            << QRect(0, 0, 200, 200) << QSize(500, 800) << laptop << none;
        QTest::newRow("a panel on the left: right of the window")
            << QRect(48, 0, 706, 532) << view << QRect(48, 0, 1318, 768) << stays(48, 0, {754, 0});
        QTest::newRow("a panel at the top: level with it, not under it")
            << QRect(660, 0, 706, 532) << view << QRect(0, 32, 1366, 736)
            << stays(660, 0, {99, 32});
        QTest::newRow("a panel on the right takes the room")
            << QRect(0, 0, 706, 532) << view << QRect(0, 0, 1250, 768) << none;
        QTest::newRow("a panel on the right: the main window moves to make room")
            << QRect(100, 0, 706, 532) << view << QRect(0, 0, 1300, 768)
            << Both({QPoint(33, 0), QPoint(739, 0)});
        QTest::newRow("second screen to the right")
            << QRect(1366, 0, 706, 532) << view << QRect(1366, 0, 1920, 1080)
            << stays(1366, 0, {2072, 0});
        QTest::newRow("main window partly off the left edge: right of it")
            << QRect(-200, 0, 706, 532) << view << laptop << stays(-200, 0, {506, 0});
    }
    void besideTheMainWindow() {
        QFETCH(QRect, owner);
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(Both, expected);
        const std::optional<qtb::Placement> at = qtb::PlaceBeside(owner, frame, available);
        QCOMPARE(at.has_value(), expected.has_value());
        if (!at)
            return;
        QCOMPARE(at->owner, expected->first);
        QCOMPARE(at->window, expected->second);
        const QRect placed(at->window, frame);
        QVERIFY(!placed.intersects(QRect(at->owner, owner.size())));
        QVERIFY(available.contains(placed));
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
