// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "beep.h"

#include <QApplication>
#include <QGuiApplication>

#ifdef WAKUSEI_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace controls {

namespace {

// The desktop's "bell" sound when the sound theme library is there, else the toolkit's beep;
// silent where there is no screen to beep on.
class SystemBeep final : public BeepSink {
public:
    ~SystemBeep() override {
#ifdef WAKUSEI_HAVE_CANBERRA
        if (ctx_)
            ca_context_destroy(ctx_);
#endif
    }

    void beep() override {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            return;
#ifdef WAKUSEI_HAVE_CANBERRA
        if (!ctx_ && ca_context_create(&ctx_) != CA_SUCCESS)
            ctx_ = nullptr;
        if (ctx_ && ca_context_play(ctx_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                    "near miss", nullptr) == CA_SUCCESS)
            return;
#endif
        QApplication::beep();
    }

private:
#ifdef WAKUSEI_HAVE_CANBERRA
    ca_context* ctx_ = nullptr;
#endif
};

SystemBeep& systemBeep() {
    static SystemBeep beep;
    return beep;
}

BeepSink* current = nullptr;

} // namespace

void Beep() {
    (current ? *current : static_cast<BeepSink&>(systemBeep())).beep();
}

BeepSink* SetBeepSink(BeepSink* sink) {
    BeepSink* previous = current;
    current = sink;
    return previous;
}

} // namespace controls
