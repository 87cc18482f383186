// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a scenario of the browser tests (web/tests/scenario.txt) on the headless backend and
// prints what it asks for, so that the page's text can be compared with it line for line.
// Usage: web_scenario_headless SCENARIO
//
// Steps, one a line ('#' starts a comment):
//   click NAME          a mouse click on the button or clickable label of that accessible name
//   advance MS          the clock moves on
//   tick main|view N    runs the window's timer handler N times at once, as the desktop
//                       program's screenshots (tools/shots) do
//   snapshot FORM       prints controls::Snapshot of the form, or "FORM not loaded"
//   dot FORM X Y        prints the colour of the trail surface at (X, Y) twips
//   trail FORM          prints how many logical pixels of the trail surface are not the
//                       window's background, and a checksum of where they are and their colours

#include "controls/headless.h"
#include "controls/rules.h"
#include "controls/snapshot.h"
#include "main_window/frmwe.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// What a mouse click does: a button takes the focus as it is pressed, then is clicked; a
// clickable label is clicked and leaves the focus where it was.
bool ClickOn(controls::Form& form, const std::string& name) {
    if (!form.Visible())
        return false;
    for (const auto& owned : form.Controls()) {
        controls::Control& c = *owned;
        if (!c.Visible() || controls::SpokenName(c) != name)
            continue;
        if (c.kind() == controls::Kind::Button)
            form.FocusMovedTo(&c);
        if (controls::Press(c))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: web_scenario_headless SCENARIO\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    controls::HeadlessBackend backend;
    frmWE w;
    w.Show();
    auto formNamed = [&w](const std::string& name) -> controls::Form* {
        if (name == w.Name())
            return &w;
        if (frmTendo* v = w.EarthView(); v && v->Name() == name)
            return v;
        return nullptr;
    };

    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string step;
        words >> step;
        std::string rest;
        std::getline(words >> std::ws, rest);
        if (step == "click") {
            controls::Form* view = w.EarthView();
            if (!ClickOn(w, rest) && !(view && ClickOn(*view, rest))) {
                std::cerr << argv[1] << ":" << number << ": no button \"" << rest << "\"\n";
                return 1;
            }
        } else if (step == "advance") {
            backend.Advance(std::stoi(rest));
        } else if (step == "tick") {
            std::istringstream args(rest);
            std::string which;
            int count = 0;
            args >> which >> count;
            for (int i = 0; i < count; ++i) {
                if (which == "main")
                    w.TmrWE_Timer();
                else if (frmTendo* v = w.EarthView())
                    v->tmrTendo_Timer();
            }
        } else if (step == "snapshot") {
            if (const controls::Form* f = formNamed(rest))
                std::cout << controls::Snapshot(*f);
            else
                std::cout << rest << " not loaded\n";
        } else if (step == "dot") {
            std::istringstream args(rest);
            std::string name;
            double x = 0, y = 0;
            args >> name >> x >> y;
            const controls::Form* f = formNamed(name);
            if (!f) {
                std::cout << name << " not loaded\n";
                continue;
            }
            const controls::Color c = backend.DotAt(*f, x, y);
            std::cout << "dot " << name << " " << x << " " << y << " " << int(c.r) << ","
                      << int(c.g) << "," << int(c.b) << "\n";
        } else if (step == "trail") {
            const controls::Form* f = formNamed(rest);
            if (!f) {
                std::cout << rest << " not loaded\n";
                continue;
            }
            // FNV-1a over (x, y, r, g, b) of each pixel that is not the background, row by row.
            const int width = int(std::lround(f->ScaleWidth() / controls::kTwipsPerPixel));
            const int height = int(std::lround(f->ScaleHeight() / controls::kTwipsPerPixel));
            std::uint32_t hash = 2166136261u;
            long count = 0;
            const controls::Color back = f->BackColor();
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const controls::Color c = backend.DotAt(*f, x * 15.0, y * 15.0);
                    if (c == back)
                        continue;
                    ++count;
                    for (unsigned v :
                         {unsigned(x), unsigned(y), unsigned(c.r), unsigned(c.g), unsigned(c.b)}) {
                        hash ^= v;
                        hash *= 16777619u;
                    }
                }
            std::cout << "trail " << rest << " " << count << " pixels, checksum " << hash << "\n";
        } else {
            std::cerr << argv[1] << ":" << number << ": unknown step \"" << step << "\"\n";
            return 1;
        }
    }
    return 0;
}
