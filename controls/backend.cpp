// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/backend.h"

namespace controls {

namespace {

NullBackend silent;
Backend* current = &silent;

} // namespace

void SetBackend(Backend* backend) {
    current = backend ? backend : &silent;
}

Backend& CurrentBackend() {
    return *current;
}

void Beep() {
    current->beep();
}

} // namespace controls
