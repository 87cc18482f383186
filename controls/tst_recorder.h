// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A backend for the model's own tests that writes down every call it gets, with the values the
// model held at that moment, so that a test can say what reached a backend and what did not.

#include "controls/backend.h"
#include "controls/control.h"
#include "controls/form.h"

#include <string>
#include <vector>

namespace controls::recorder {

class RecordingBackend final : public NullBackend {
public:
    // What a backend read back from the model when it was told of a change.
    struct Change {
        std::string who; // a control's name, or "form" for the form
        Prop what;
        double a, b, c, d; // geometry, line ends, or the client size (width, height)
    };

    RecordingBackend() : previous_(&CurrentBackend()) { SetBackend(this); }
    ~RecordingBackend() override { SetBackend(previous_); }
    RecordingBackend(const RecordingBackend&) = delete;
    RecordingBackend& operator=(const RecordingBackend&) = delete;

    void formChanged(Form& f, Prop what) override {
        changes.push_back({"form", what, f.ScaleWidth(), f.ScaleHeight(), 0, 0});
    }
    void controlChanged(Control& c, Prop what) override {
        if (c.kind() == Kind::Line) {
            const auto& l = static_cast<const Line&>(c);
            changes.push_back(
                {c.Name(), what, double(l.X1()), double(l.Y1()), double(l.X2()), double(l.Y2())});
        } else if (c.kind() == Kind::PictureBox && what == Prop::Content &&
                   static_cast<const PictureBox&>(c).disc()) {
            const Disc& d = *static_cast<const PictureBox&>(c).disc();
            changes.push_back({c.Name(), what, double(d.width), double(d.height), 0, 0});
        } else {
            changes.push_back({c.Name(), what, double(c.Left()), double(c.Top()), double(c.Width()),
                               double(c.Height())});
        }
    }
    void pointDrawn(Form&, const Dot& dot) override { dots.push_back(dot); }

    void clear() {
        changes.clear();
        dots.clear();
    }

    std::vector<Change> changes;
    std::vector<Dot> dots;

private:
    Backend* previous_;
};

} // namespace controls::recorder
