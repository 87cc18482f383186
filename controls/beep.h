// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The system beep goes through one seam, so that tests can count beeps.

namespace controls {

class BeepSink {
public:
    virtual ~BeepSink() = default;
    virtual void beep() = 0;
};

// Sounds the beep through the current sink.
void Beep();

// Replaces the sink (nullptr restores the system's); returns the previous one.
BeepSink* SetBeepSink(BeepSink* sink);

} // namespace controls
