// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 惑星の動き in the browser: the page shows the main window; the Earth view opens inside it.

#include "main_window/frmwe.h"
#include "web/backend.h"
#include "web/bridge.h"

#include <emscripten/emscripten.h>

namespace {

frmWE* window = nullptr;

} // namespace

extern "C" {

// For the page's tests: runs a window's timer handler `count` times at once (0: the main
// window's, 1: the Earth view's), as the desktop program's screenshots do.
EMSCRIPTEN_KEEPALIVE void wk_test_tick(int which, int count) {
    if (!window)
        return;
    for (int i = 0; i < count; ++i) {
        if (which == 0)
            window->TmrWE_Timer();
        else if (frmTendo* v = window->EarthView())
            v->tmrTendo_Timer();
    }
}

// The id the page knows a window by, or 0 when it is not loaded.
EMSCRIPTEN_KEEPALIVE int wk_form_id(const char* name) {
    if (!window)
        return 0;
    const std::string wanted = name;
    controls::Form* f = nullptr;
    if (wanted == window->Name())
        f = window;
    else if (frmTendo* v = window->EarthView(); v && v->Name() == wanted)
        f = v;
    return f ? int(reinterpret_cast<std::intptr_t>(f->peer)) : 0;
}

} // extern "C"

int main() {
    // Both live as long as the page: the runtime is kept alive after main returns.
    static web::WebBackend backend;
    static frmWE w;
    window = &w;
    w.Show();
    return 0;
}
