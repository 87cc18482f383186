// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Qt Widgets backend: shows the control model's windows as widgets.

#include "controls/backend.h"
#include "controls/clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace qtb {

class QtBackend final : public controls::ClockedBackend {
public:
    // Needs the application object. Installs itself as the current backend while it lives.
    QtBackend();
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    void formCreated(controls::Form& form) override;
    void formDestroyed(controls::Form& form) override;
    void formShown(controls::Form& form, bool shown) override;
    void formChanged(controls::Form& form, controls::Prop what) override;
    void controlCreated(controls::Control& control) override;
    void controlChanged(controls::Control& control, controls::Prop what) override;
    void pointDrawn(controls::Form& form, const controls::Dot& dot) override;
    void beep() override;
    void announce(controls::Control& control) override;
    void quit() override;

    // Tests watch beeps and announcements here, instead of hearing them.
    std::function<void()> onBeep;
    std::function<void(controls::Control&)> onAnnounce;

    // How many of the model's timers run, and whether the program will wake for one: a test
    // reads them.
    int timersRunning() const { return clock_.Running(); }
    bool waking() const { return wake_.isActive(); }

private:
    void restack(controls::Form& form);
    void retab(controls::Form& form);

    controls::Backend* previous_;
    QWidget* main_ = nullptr; // the first window, owner of the others
    QMetaObject::Connection focusWatch_;

    // The model's timers keep the shared schedule; one single-shot toolkit timer wakes the
    // program when the next is due, so that timers of one interval fire in one wake-up.
    void beforeSet() override;
    void scheduleChanged() override;
    void wake();
    void schedule();
    QTimer wake_;
    QElapsedTimer elapsed_;
    qint64 synced_ = 0; // where on elapsed_ the clock stands
    bool firing_ = false;
};

// The desktop's bell sound, or the display's bell; silent on a platform without a screen.
void SystemBeep();

// Maps the layouts' font names to Japanese fonts from Debian with the same metrics, so that
// kana, kanji and Latin letters share one face.
void InstallFontSubstitutions();

// Gives the windows and controls their roles for assistive technology. Call once after the
// application object exists.
void InstallAccessibility();

} // namespace qtb
