// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The timers on Qt: two of the same interval fire in one wake-up of the program, the later one
// first at least half an interval after it was started; a timer stopped or destroyed by a
// handler of the same beat does not fire; and with both windows running, the Earth view moves
// in the same wake-up as the main window, never a wake-up behind.

#include "qt/tst_qtsupport.h"

#include "controls/timer.h"
#include "main_window/frmwe.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

using namespace controls;
using qt_testing::W;

namespace {

// Runs the event loop, sleeping between events as the program does, until `done` is called
// or five seconds have passed; calls `atSleep` each time the loop goes to sleep.
class Loop {
public:
    explicit Loop(std::function<void()> atSleep) {
        sleep_ = QObject::connect(QAbstractEventDispatcher::instance(),
                                  &QAbstractEventDispatcher::aboutToBlock, std::move(atSleep));
    }
    // Writes '|' to `log` at each sleep.
    explicit Loop(std::string& log) : Loop([&log] { log += '|'; }) {}
    ~Loop() { QObject::disconnect(sleep_); }
    Loop(const Loop&) = delete;
    Loop& operator=(const Loop&) = delete;

    bool run() {
        QTimer::singleShot(5000, &loop_, [this] { loop_.exit(1); });
        return loop_.exec() == 0;
    }
    void done() { loop_.exit(0); }

private:
    QEventLoop loop_;
    QMetaObject::Connection sleep_;
};

// The log without the sleeps that came before the first firing of `c`.
std::string From(const std::string& log, char c) {
    const auto at = log.find(c);
    return at == std::string::npos ? std::string() : log.substr(at);
}

} // namespace

class TestBeats : public QObject {
    Q_OBJECT
    std::unique_ptr<qtb::QtBackend> backend_;

private slots:
    void initTestCase() { backend_ = qt_testing::SetUp(); }
    void cleanupTestCase() { backend_.reset(); }
    void init() { QTest::failOnWarning(QRegularExpression(".")); }

    // Started 33 ms apart, two 40 ms timers fire in one wake-up from the later one's first
    // firing on, the earlier first. The later one's first firing comes no sooner than half an
    // interval after its start: not 7 ms after it, at the earlier one's next beat.
    void sameIntervalSameWakeUp() {
        std::string log;
        Loop loop(log);
        QElapsedTimer clock;
        qint64 joined = -1, first = -1;
        int bs = 0;
        Timer a([&] { log += 'a'; });
        Timer b([&] {
            log += 'b';
            if (first < 0)
                first = clock.elapsed();
            if (++bs == 6)
                loop.done();
        });
        a.setInterval(40);
        QTimer::singleShot(33, Qt::PreciseTimer, [&] {
            joined = clock.elapsed();
            b.setInterval(40);
        });
        clock.start();
        QVERIFY(loop.run());
        a.setInterval(0);
        b.setInterval(0);
        QVERIFY2(first - joined >= 19, qPrintable(QString::number(first - joined)));
        const std::string shared = From(log, 'b');
        QCOMPARE(std::count(shared.begin(), shared.end(), 'b'), 6);
        // Each later firing of b comes straight after a's, with no sleep between.
        for (std::size_t i = 1; i < shared.size(); ++i)
            if (shared[i] == 'b')
                QVERIFY2(shared[i - 1] == 'a', log.c_str());
        QCOMPARE(backend_->timersRunning(), 0);
        QVERIFY(!backend_->waking());
    }

    // Started by a handler of the running beat, a timer waits for the next beat: it does not
    // fire at once, nor in a wake-up of its own. Then, made first, it fires first in each beat.
    void startedInABeatWaitsForTheNext() {
        std::string log;
        Loop loop(log);
        int as = 0, bs = 0;
        Timer b([&] {
            log += 'b';
            if (++bs == 3)
                loop.done();
        });
        Timer a([&] {
            log += 'a';
            if (++as == 1)
                b.setInterval(40);
        });
        a.setInterval(40);
        QVERIFY(loop.run());
        a.setInterval(0);
        b.setInterval(0);
        QCOMPARE(as, 4);
        const std::string fired = From(log, 'a');
        QVERIFY2(fired.rfind("a|", 0) == 0, log.c_str());
        for (std::size_t i = 2; i < fired.size(); ++i)
            if (fired[i] == 'a')
                QVERIFY2(fired[i - 1] == 'b', log.c_str());
    }

    // A handler that stops or destroys a timer due in the same beat keeps it from firing.
    void stoppedOrDestroyedInTheBeatDoesNotFire_data() {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("stopped") << false;
        QTest::newRow("destroyed") << true;
    }
    void stoppedOrDestroyedInTheBeatDoesNotFire() {
        QFETCH(bool, destroy);
        std::string log;
        Loop loop(log);
        int bs = 0, as = 0;
        std::optional<Timer> b;
        Timer a([&] { // made first, so it fires first in each beat
            if (++as == 3) {
                if (destroy)
                    b.reset();
                else
                    b->setInterval(0);
            }
            if (as == 5)
                loop.done();
        });
        b.emplace([&] { ++bs; });
        a.setInterval(40);
        b->setInterval(40);
        QVERIFY(loop.run());
        a.setInterval(0);
        QCOMPARE(bs, 2);
        QCOMPARE(backend_->timersRunning(), 0);
        QVERIFY(!backend_->waking());
    }

    // Timers of different intervals keep their own pace; one restarted alone starts afresh.
    void beatsPerInterval() {
        Timer a([] {}), b([] {}), c([] {});
        a.setInterval(40);
        b.setInterval(40);
        QCOMPARE(backend_->timersRunning(), 2);
        QVERIFY(backend_->waking());
        c.setInterval(60);
        QCOMPARE(backend_->timersRunning(), 3);
        b.setInterval(100);
        QCOMPARE(backend_->timersRunning(), 3);
        a.setInterval(0);
        QCOMPARE(backend_->timersRunning(), 2);
        b.setInterval(0);
        c.setInterval(0);
        QCOMPARE(backend_->timersRunning(), 0);
        QVERIFY(!backend_->waking()); // nothing left to wake for

        QElapsedTimer clock;
        qint64 at = -1;
        Timer d([&] {
            if (at < 0)
                at = clock.elapsed();
        });
        d.setInterval(40);
        QTest::qWait(25);
        clock.start();
        d.setInterval(40); // restarted: its next firing is a whole interval from now
        QTRY_VERIFY(at >= 0);
        d.setInterval(0);
        QVERIFY2(at >= 39, qPrintable(QString::number(at)));
    }

    // Both windows running: whenever the main window has moved the Sun before the program
    // sleeps, the Earth view has moved it too.
    void earthViewMovesInTheSameWakeUp() {
        frmWE w;
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(W(w)));
        w.cmdTendo->Click(); // Earth-centred: the Sun moves in both windows every tick
        w.cmdSTR[0]->Click();
        QTest::qWait(13);
        w.cmdFrm2->Click();
        frmTendo& v = *w.EarthView();

        struct At {
            float l, t;
        };
        At main{w.picSun->Left(), w.picSun->Top()}, view{v.picSun2->Left(), v.picSun2->Top()};
        int sleeps = 0;
        bool viewStarted = false;
        QStringList lagging;
        Loop loop([&] {
            const At m{w.picSun->Left(), w.picSun->Top()};
            const At s{v.picSun2->Left(), v.picSun2->Top()};
            const bool mainMoved = m.l != main.l || m.t != main.t;
            const bool viewMoved = s.l != view.l || s.t != view.t;
            viewStarted = viewStarted || viewMoved;
            if (viewStarted && mainMoved && !viewMoved)
                lagging << QString::number(sleeps);
            main = m;
            view = s;
            if (++sleeps == 120)
                loop.done();
        });
        const bool ran = loop.run();
        w.cmdSTP->Click();
        QVERIFY(ran);
        QVERIFY(viewStarted);
        QVERIFY2(lagging.isEmpty(), qPrintable("view behind at sleeps " + lagging.join(' ')));
    }
};

QTEST_MAIN(TestBeats)
#include "tst_beats.moc"
