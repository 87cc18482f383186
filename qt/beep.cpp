// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's "bell" sound through the sound theme library when a sound server plays it,
// else the display's bell; silent where there is no screen to beep on. Never a word on stderr.

#include "qt/backend.h"

#include <QApplication>
#include <QGuiApplication>

#ifdef WAKUSEI_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace qtb {

namespace {

class Bell {
public:
    Bell() = default;
    Bell(const Bell&) = delete;
    Bell& operator=(const Bell&) = delete;
    ~Bell() {
#ifdef WAKUSEI_HAVE_CANBERRA
        if (ctx_) {
            // A sound still playing must not hold the program back as it ends.
            ca_context_cancel(ctx_, 0);
            ca_context_destroy(ctx_);
        }
#endif
    }

    void ring() {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return;
#ifdef WAKUSEI_HAVE_CANBERRA
        if (!tried_) {
            tried_ = true;
            open();
        }
        if (ctx_ && ca_context_play(ctx_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                    "near miss", nullptr) == CA_SUCCESS)
            return;
#endif
        QApplication::beep();
    }

private:
#ifdef WAKUSEI_HAVE_CANBERRA
    // Only through a sound server: the library's direct ALSA output writes a page of errors to
    // stderr on a machine without a sound card.
    void open() {
        if (ca_context_create(&ctx_) != CA_SUCCESS) {
            ctx_ = nullptr;
            return;
        }
        if (ca_context_set_driver(ctx_, "pulse") != CA_SUCCESS ||
            ca_context_open(ctx_) != CA_SUCCESS) {
            ca_context_destroy(ctx_);
            ctx_ = nullptr;
        }
    }
    ca_context* ctx_ = nullptr;
    bool tried_ = false;
#endif
};

} // namespace

void SystemBeep() {
    static Bell bell;
    bell.ring();
}

} // namespace qtb
