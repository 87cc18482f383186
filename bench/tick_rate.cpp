// The tick rate the main window actually reaches at its shortest interval: runs the motion at
// 40 ms for ten seconds in the real event loop and counts the ticks.

#include "accessibility.h"
#include "fonts.h"
#include "frmwe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    controls::InstallFontSubstitutions();
    controls::InstallAccessibility();
    frmWE w;
    w.show();

    long ticks = 0;
    const std::int16_t before = w.s.n;
    QElapsedTimer clock;
    // Count every firing by watching the Earth's position change.
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    double lastY = w.s.Eth.Yn;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (w.s.Eth.Yn != lastY) {
            ++ticks;
            lastY = w.s.Eth.Yn;
        }
    });
    QTimer::singleShot(500, [&] {
        w.cmdSTR[0]->click();
        clock.start();
        probe.start(1);
        QTimer::singleShot(10000, [&] {
            const double seconds = double(clock.nsecsElapsed()) / 1e9;
            std::printf("ticks: %ld in %.3f s = %.2f ticks per second (revolutions %d)\n", ticks,
                        seconds, double(ticks) / seconds, int(w.s.n - before));
            QCoreApplication::exit(0);
        });
    });
    return QApplication::exec();
}
