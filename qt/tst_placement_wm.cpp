// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Earth view opens beside the main window on a real X server with a window manager that
// draws frames (run by tools/test-with-wm.sh on a 1366 × 768 screen, a common classroom
// laptop): the two frames never overlap, whether the window manager centres the main window
// (as openbox does) or the user has moved it to an edge or the middle.

#include "main_window/frmwe.h"
#include "qt/tst_qtsupport.h"

#include <QScreen>
#include <QTest>

using qt_testing::W;

namespace {

enum class Side { Right, Left, Anywhere };

// Waits for the window manager to have framed and placed a window.
bool Framed(QWidget* w) {
    return QTest::qWaitFor([w] { return w->frameGeometry() != w->geometry(); }, 20000);
}

// Waits until a window's frame stands at `at`, as the window manager reports it.
bool MovedTo(QWidget* w, QPoint at) {
    return QTest::qWaitFor([w, at] { return w->frameGeometry().topLeft() == at; }, 20000);
}

} // namespace

Q_DECLARE_METATYPE(Side)

class TestPlacementWm : public QObject {
    Q_OBJECT
    std::unique_ptr<qtb::QtBackend> backend_;

private slots:
    void initTestCase() {
        backend_ = qt_testing::SetUp();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1366, 768));
    }
    void cleanupTestCase() { backend_.reset(); }

    void earthViewBesideTheMainWindow_data() {
        QTest::addColumn<int>("mainX"); // -1: where the window manager puts it
        QTest::addColumn<Side>("side");
        QTest::newRow("the main window where the window manager puts it") << -1 << Side::Anywhere;
        QTest::newRow("main window at the left: to its right") << 0 << Side::Right;
        QTest::newRow("main window at the right: to its left") << 1366 << Side::Left;
        QTest::newRow("main window in the middle: it moves left, the view to its right")
            << 300 << Side::Right;
    }
    void earthViewBesideTheMainWindow() {
        QFETCH(int, mainX);
        QFETCH(Side, side);
        frmWE w;
        w.Show();
        QWidget* main = W(w);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY2(Framed(main), "no window manager framed the main window");
        const QRect screen = main->screen()->availableGeometry();
        if (mainX >= 0) {
            // Flush with the left or right edge of the screen, or at mainX.
            const int x = std::min(mainX, screen.right() + 1 - main->frameGeometry().width());
            main->move(x, 0);
            QVERIFY(MovedTo(main, QPoint(x, 0)));
        }
        w.cmdTendo->Click();
        w.cmdFrm2->Click();
        QWidget* view = W(*w.EarthView());
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY(Framed(view));
        // Let the window manager finish with both frames.
        QTest::qWait(300);
        const QRect m = main->frameGeometry(), v = view->frameGeometry();
        const QString where = QStringLiteral("main %1,%2 %3x%4; view %5,%6 %7x%8")
                                  .arg(m.x())
                                  .arg(m.y())
                                  .arg(m.width())
                                  .arg(m.height())
                                  .arg(v.x())
                                  .arg(v.y())
                                  .arg(v.width())
                                  .arg(v.height());
        switch (side) {
        case Side::Anywhere:
            QVERIFY2(!v.intersects(m), qPrintable(where));
            QVERIFY2(screen.contains(v) && screen.contains(m), qPrintable(where));
            break;
        case Side::Right:
            QVERIFY2(v.left() == m.right() + 1 && v.top() == m.top(), qPrintable(where));
            QVERIFY2(screen.contains(v), qPrintable(where));
            break;
        case Side::Left:
            QVERIFY2(v.right() == m.left() - 1 && v.top() == m.top(), qPrintable(where));
            QVERIFY2(screen.contains(v), qPrintable(where));
            break;
        }
    }
};

QTEST_MAIN(TestPlacementWm)
#include "tst_placement_wm.moc"
