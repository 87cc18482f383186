// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from the start of main to the main window's first painted frame, as the program starts
// (the same steps as app/main.cpp). Prints milliseconds and quits.

#include "main_window/frmwe.h"
#include "qt/backend.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Report after this paint has been handled and flushed.
            QTimer::singleShot(0, [this] {
                std::printf("first frame: %.2f ms\n", double(clock_.nsecsElapsed()) / 1e6);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    const QElapsedTimer& clock_;
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    qtb::InstallFontSubstitutions();
    qtb::InstallAccessibility();
    qtb::QtBackend backend;
    frmWE w;
    FirstPaint watch(clock);
    qtb::WidgetOf(w)->installEventFilter(&watch);
    w.Show();
    return QApplication::exec();
}
