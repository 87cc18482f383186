#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Puts realistic faults into the code one at a time and runs the fast tests against each.

A fault the tests do not notice is a gap in the tests (or a harmless change: say why).
Usage: tools/mutants.py BUILD_DIR [LIST.py] [FIRST [LAST]]   (from the project root)
       tools/mutants.py --check [LIST.py]
The build directory must be configured; each fault is built incrementally, tested with
`ctest -LE soak` (stopping at the first failing test), and undone before the next. FIRST and
LAST pick a slice of the list by number (from 1), to run it in parts.
Not part of the test suite: it takes an hour, and CI never runs it. CI runs only `--check`,
which builds nothing and fails when a fault's text no longer occurs exactly once in its file,
so that an entry that stopped applying is noticed when the code changes, not an hour later.

How the faults are spread. Each is a slip a person makes while writing the code: a wrong
literal, x for y, width for height, < for <=, a dropped, doubled or swapped statement, the
wrong branch. They are written from the code, not from the tests, and the list holds at least:
- one per table of the two layouts and of the handlers: buttons, boxes, discs, labels, lines,
  stacking of each window; the range table, the start-up table, the drawing rules, the
  near-miss order, the nudge window, the captions, the chart, the label offsets, the radii;
- one per handler of both windows (load, resize, each button, the label, each timer, unload);
- one per mode of the tick: Mars and Saturn range, Sun- and Earth-centred, the Earth held;
- one per call of the backend interface on each backend (geometry, visibility, stacking,
  colours and fonts, points), and one per function of the core (step, start, tick, projection).
"""

import runpy
import subprocess
import sys
import time
from pathlib import Path

# (name, file, text to find (exactly once), its faulty replacement)
FAULTS = [
    ("Mercury threshold", "simulation/tick.cpp", "within(s.Mrc, 180)", "within(s.Mrc, 200)"),
    ("Earth threshold", "simulation/tick.cpp", "within(s.Eth, 200)", "within(s.Eth, 20)"),
    ("< for <= in near-miss", "simulation/tick.cpp", "b.Yn) < limit;", "b.Yn) <= limit;"),
    ("wrong message for Venus", "simulation/tick.cpp",
     "if (within(s.Vns, 200))\n        return NearMiss::Venus;",
     "if (within(s.Vns, 200))\n        return NearMiss::Earth;"),
    ("hidden Jupiter reported", "simulation/tick.cpp",
     "return s.yo ? NearMiss::None : NearMiss::Jupiter;", "return NearMiss::Jupiter;"),
    ("revolution counted on the wrong flag", "simulation/tick.cpp",
     "s.Eth.Yn > s.SunYn && s.m == 1", "s.Eth.Yn > s.SunYn && s.m == 0"),
    ("x for y in Earth-centred offset", "simulation/tick.cpp",
     "offY = s.Eth.Yn - s.TendoYn;", "offY = s.Eth.Xn - s.TendoXn;"),
    ("tail sign in y", "simulation/tick.cpp",
     "r.tail.y2 = ToControl(top - double(kTailFactor)", "r.tail.y2 = ToControl(top + double(kTailFactor)"),
    ("tail start off by one", "simulation/tick.cpp", "ToControl(left + 15)", "ToControl(left + 16)"),
    ("Mercury nudge digits swapped", "simulation/tick.cpp", "s.Syo ? 0.5 : 0.14", "s.Syo ? 0.5 : 0.41"),
    ("nudge window < for <=", "simulation/tick.cpp", "top < 4250", "top <= 4250"),
    ("pull ratio inverted", "simulation/step.cpp",
     "(b.Vn * sq(rp)) / sq(rn)", "(b.Vn * sq(rn)) / sq(rp)"),
    ("Moon start speed", "simulation/init.cpp", "s.Mon.Yn - 7.9;", "s.Mon.Yn - 7.0;"),
    ("Mars start sign", "simulation/init.cpp", "c.Mas, 1.3, -17.2", "c.Mas, -1.3, -17.2"),
    ("outer-range Earth pull", "simulation/init.cpp", "s.Eth.Vn = 0.4;", "s.Eth.Vn = 0.04;"),
    ("Moon not carried in y", "simulation/tick.cpp", "    s.Mon.Yp += moveY;\n", ""),
    ("speeds swapped", "main_window/frmwe.cpp", "{40, 60, 100, 180}", "{40, 60, 180, 100}"),
    ("Moon trail colour", "resources/looks.h", "kTrailMoon = 6", "kTrailMoon = 14"),
    ("message interval", "main_window/frmwe.cpp", "TmrMes.setInterval(3500);", "TmrMes.setInterval(350);"),
    ("message line offset", "main_window/frmwe.cpp", "ScaleHeight() - 700", "ScaleHeight() - 70"),
    ("Saturn range row", "main_window/frmwe_modes.cpp", "-10, 9570, 11515}", "-10, 9570, 11500}"),
    ("comet restart sign", "main_window/frmwe_modes.cpp",
     "kSaturnExtras{5400, 5500, 11000, 6800, -0.6, 1}", "kSaturnExtras{5400, 5500, 11000, 6800, -0.6, -1}"),
    ("x for y in the held Earth", "main_window/frmwe_modes.cpp",
     "s.TendoYn = double(picEth->Height()) / 2", "s.TendoYn = double(picEth->Width()) / 2"),
    ("Earth hold leaves Tendo enabled", "main_window/frmwe_modes.cpp",
     "cmdEthST->setCaption(txt::kReleaseEarth);\n        cmdTendo->setEnabled(false);",
     "cmdEthST->setCaption(txt::kReleaseEarth);"),
    ("wrong caption", "resources/texts.h", '"火星まで表示する"', '"火星まで表示"'),
    ("wrong message text", "resources/texts.h", '"金星とニアミス！"', '"金星とニアミス!"'),
    ("button row", "main_window/frmwe_layout.cpp", '"", 1460, 360, 120, 252', '"", 1406, 360, 120, 252'),
    ("layering of Sun and Moon", "main_window/frmwe_layout.cpp",
     "picSat, picJup, picSun,\n               picMon, picEth", "picSat, picJup, picMon,\n               picSun, picEth"),
    ("range switch stays enabled", "main_window/frmwe.cpp",
     "    cmdSTP->SetFocus();\n    cmdSyo->setEnabled(false);", "    cmdSTP->SetFocus();"),
    ("Venus radius", "earth_view/frmtendo.cpp", "picVns, -180, picVns2", "picVns, -108, picVns2"),
    ("sky centre sign", "earth_view/frmtendo.cpp", "height / 2 - 150;", "height / 2 + 150;"),
    ("label beside body", "earth_view/frmtendo.cpp", "Top()) + 70);", "Top()) + 7);"),
    ("Earth picture offset", "earth_view/frmtendo.cpp",
     "Height()) / 2 + 7);", "Height()) / 2 + 70);"),
    (">= for > in projection", "simulation/sky.cpp", "if (EthX2 >= X2w) {", "if (EthX2 > X2w) {"),
    ("x for y in the chart", "earth_view/frmtendo.cpp",
     "{picMas2, lblMas2, std::cos(b), std::sin(b), 500, 400}",
     "{picMas2, lblMas2, std::cos(b), std::sin(b), 400, 500}"),
    ("Esc presses the default", "controls/form.cpp", "        cancel_->Click();", "        if (default_)\n            default_->Click();"),
    ("circle box floored", "qt/peers.cpp",
     "std::ceil(ToPixelsF(model.Left() + model.Width()))", "std::floor(ToPixelsF(model.Left() + model.Width()))"),
    ("label text centred vertically", "qt/peers.cpp", "int(align | Qt::AlignTop)", "int(align | Qt::AlignVCenter)"),
    ("a huge value is taken", "controls/twips.h", "if (!std::isfinite(v) || std::abs(v) > kMaxTwips)", "if (!std::isfinite(v))"),
    ("dot rounded not floored", "qt/form.cpp",
     "dirty = QRect(int(std::floor(px)), int(std::floor(py)), 1, 1);",
     "dirty = QRect(int(std::round(px)), int(std::round(py)), 1, 1);"),
    # --- the core: step, start, tick, projection ---
    ("step: y pull along x", "simulation/step.cpp",
     "(a * (Ys - b.Yn)) / rn", "(a * (Xs - b.Xn)) / rn"),
    ("start: Earth speed", "simulation/init.cpp", "s.Eth.Yp = s.Eth.Yn - 20;", "s.Eth.Yp = s.Eth.Yn - 2;"),
    ("start: comet previous y subtracted", "simulation/init.cpp",
     "s.Com.Yp = s.ComYnp + s.Com.Yn;", "s.Com.Yp = s.Com.Yn - s.ComYnp;"),
    ("outer range: Moon pull", "simulation/init.cpp", "s.Mon.Vn = 0.8;", "s.Mon.Vn = 0.08;"),
    ("start flags: Mars range not set", "simulation/init.cpp", "    s.yo = true;\n", "    s.yo = false;\n"),
    ("near miss: Jupiter threshold", "simulation/tick.cpp", "within(s.Jup, 250)", "within(s.Jup, 200)"),
    ("near miss: hidden Saturn reported", "simulation/tick.cpp",
     "return s.yo ? NearMiss::None : NearMiss::Saturn;", "return NearMiss::Saturn;"),
    ("near miss: Mars before Earth", "simulation/tick.cpp",
     "    if (within(s.Eth, 200))\n        return NearMiss::Earth;\n    if (within(s.Mas, 180))\n        return NearMiss::Mars;",
     "    if (within(s.Mas, 180))\n        return NearMiss::Mars;\n    if (within(s.Eth, 200))\n        return NearMiss::Earth;"),
    ("Earth-centred: Earth not advanced", "simulation/tick.cpp",
     "(!ethStEnabled && s.Tendo && tendoEnabled)", "(!ethStEnabled && !s.Tendo && tendoEnabled)"),
    ("Moon stepped about the Sun", "simulation/tick.cpp",
     "StepBodyChecked(s.Eth.Xn, s.Eth.Yn, s.Mon);", "StepBodyChecked(s.SunXn, s.SunYn, s.Mon);"),
    ("Earth-centred: Moon not shifted in y", "simulation/tick.cpp",
     "place(s.Mon.Xn - offX, s.Mon.Yn - offY, in.Mon)", "place(s.Mon.Xn - offX, s.Mon.Yn, in.Mon)"),
    ("nudge shifts only the current x", "simulation/tick.cpp", "        s.Mrc.Xp = s.Mrc.Xp - shift;\n", ""),
    ("Jupiter placed with Saturn's size", "simulation/tick.cpp",
     "s.Jup.Yn - offY, in.Jup);", "s.Jup.Yn - offY, in.Sat);"),
    ("Earth-centred: Saturn not shifted", "simulation/tick.cpp",
     "place(s.Sat.Xn - offX, s.Sat.Yn - offY, in.Sat)", "place(s.Sat.Xn, s.Sat.Yn, in.Sat)"),
    ("Jupiter not stepped", "simulation/tick.cpp", "        StepBodyChecked(s.SunXn, s.SunYn, s.Jup);\n", ""),
    ("box top from its width", "simulation/tick.cpp",
     "p.top = ToControl(y - double(size.h) / 2);", "p.top = ToControl(y - double(size.w) / 2);"),
    ("half orbit set on the line", "simulation/tick.cpp",
     "if (s.Eth.Yn < s.SunYn)\n            s.m = 1;", "if (s.Eth.Yn <= s.SunYn)\n            s.m = 1;"),
    ("outer planets always shown", "simulation/tick.cpp", "r.outerPlanets = !s.yo;", "r.outerPlanets = true;"),
    ("projection radius less the correction", "simulation/sky.cpp",
     "const double R = in.hosei + in.Hankei;", "const double R = in.Hankei - in.hosei;"),
    ("projection forgets the last angle", "simulation/sky.cpp",
     "    out.Kakudo = in.Kakudo;\n", "    out.Kakudo = 0;\n"),
    # --- main window: handlers ---
    ("load: comet starts down", "main_window/frmwe.cpp", "s.ComYnp = 4;\n    LinTail", "s.ComYnp = -4;\n    LinTail"),
    ("load: opener left enabled", "main_window/frmwe.cpp",
     "    cmdFrm2->setEnabled(false);\n    shpCom->Move", "    shpCom->Move"),
    ("start: Saturn from Jupiter's box", "main_window/frmwe.cpp", "c.Sat = Centre(picSat);", "c.Sat = Centre(picJup);"),
    ("slow buttons do nothing", "main_window/frmwe.cpp", "if (index >= 0 && index < 4) {", "if (index == 0) {"),
    ("start keeps the scale", "main_window/frmwe.cpp",
     "        HideScale();\n        TmrWE.setInterval(kIntervals[index]);", "        TmrWE.setInterval(kIntervals[index]);"),
    ("stop leaves the switch disabled", "main_window/frmwe.cpp",
     "    cmdSTR[0]->SetFocus();\n    cmdSyo->setEnabled(true);", "    cmdSTR[0]->SetFocus();"),
    ("erase leaves a wide pen", "main_window/frmwe.cpp", "    setDrawWidth(1);\n", "    setDrawWidth(2);\n"),
    ("opener: ecliptic left shown", "earth_view/frmtendo.cpp",
     "        cmdStop->setCaption(txt::kViewStop);\n        shpKodo->setVisible(false);\n",
     "        cmdStop->setCaption(txt::kViewStop);\n"),
    ("count written only when it grows", "main_window/frmwe.cpp", "if (s.n != shownYear_) {", "if (s.n > shownYear_) {"),
    ("Saturn left shown in the Mars range", "main_window/frmwe.cpp",
     "        picJup->setVisible(false);\n        picSat->setVisible(false);", "        picJup->setVisible(false);"),
    ("message not shown", "main_window/frmwe.cpp",
     "        lblMes->setVisible(true);\n        lblMes->setCaption", "        lblMes->setCaption"),
    ("message timer stops itself", "main_window/frmwe.cpp",
     "    lblMes->setVisible(false);\n}", "    lblMes->setVisible(false);\n    TmrMes.setInterval(0);\n}"),
    ("unload leaves the view open", "main_window/frmwe.cpp",
     "    if (frmTendo* view = EarthView())\n        view->Close();\n", ""),
    ("range switch while running", "main_window/frmwe_modes.cpp", "if (TmrWE.Interval() == 0) {", "if (TmrWE.Interval() >= 0) {"),
    ("range switch keeps the scale hidden", "main_window/frmwe_modes.cpp",
     "        ShowScale();\n        buildRange", "        buildRange"),
    ("range row: Venus in Saturn", "main_window/frmwe_modes.cpp", "-50, 3380, 1300}", "-50, 3380, 1330}"),
    ("range extras: Venus distance in Mars", "main_window/frmwe_modes.cpp",
     "kMarsExtras{5050, 5160,", "kMarsExtras{5050, 5500,"),
    ("range: Saturn not shown again", "main_window/frmwe_modes.cpp",
     "        if (row.box == &frmWE::picSat)\n            picSat->setVisible(true);\n", ""),
    ("Mars range: second break mark", "main_window/frmwe_modes.cpp",
     "        Line10->setVisible(true);\n        Line11->setVisible(true);", "        Line10->setVisible(true);"),
    ("Saturn range: pulls not raised", "main_window/frmwe_modes.cpp", "    sim::OuterRangePull(s);\n", ""),
    ("range: tail not collapsed", "main_window/frmwe_modes.cpp",
     "    LinTail->setPoints(double(shpCom->Left()), double(shpCom->Top()), double(shpCom->Left()),\n                       double(shpCom->Top()));\n\n    if (!saturn)",
     "\n    if (!saturn)"),
    ("Earth-centred on: stop button left enabled", "main_window/frmwe_modes.cpp",
     "        cmdFrm2->setEnabled(true);\n        cmdEthST->setEnabled(false);", "        cmdFrm2->setEnabled(true);"),
    ("Earth released: centring left disabled", "main_window/frmwe_modes.cpp",
     "        cmdEthST->setCaption(txt::kHoldEarth);\n        cmdTendo->setEnabled(true);", "        cmdEthST->setCaption(txt::kHoldEarth);"),
    ("counter click blanks the label", "main_window/frmwe_modes.cpp", 'lblEthYear->setCaption("0");', 'lblEthYear->setCaption("");'),
    # --- main window: its layout tables ---
    ("button: Earth stop width", "main_window/frmwe_layout.cpp", "3060, 240, 1250, 492", "3060, 240, 1150, 492"),
    ("box: Mercury height", "main_window/frmwe_layout.cpp", "3993, 4170, 120, 100,", "3993, 4170, 120, 120,"),
    ("label: counter alignment", "main_window/frmwe_layout.cpp",
     "looks::kPaleViolet, font(),\n         Align::Right, shown},", "looks::kPaleViolet, font(),\n         Align::Left, shown},"),
    ("label: distances not bold", "main_window/frmwe_layout.cpp",
     "const Font distance = looks::PGothic(10.5, true);", "const Font distance = looks::PGothic(10.5);"),
    ("stacking: comet under its tail", "main_window/frmwe_layout.cpp", "shpCom, LinTail,", "LinTail, shpCom,"),
    ("window: drawing colour", "main_window/frmwe_layout.cpp", "setForeColor(looks::kSky);", "setForeColor(looks::kWhite);"),
    ("buttons: face colour", "main_window/frmwe_layout.cpp",
     "b->setBackColor(looks::kButtonFace);", "b->setBackColor(looks::kPaleViolet);"),
    # --- the shared looks and texts ---
    ("disc: Earth width for height", "resources/looks.h", "kEarthDisc{144, 156,", "kEarthDisc{156, 144,"),
    ("disc: Mars fill", "resources/looks.h", "Color{255, 128, 128}", "Color{255, 128, 0}"),
    ("trail: Venus colour", "resources/looks.h", "kTrailVenus = 7", "kTrailVenus = 8"),
    ("comet outlined", "resources/looks.h", "kComet{kWhite, std::nullopt}", "kComet{kWhite, kWhite}"),
    ("caption: the view's stop", "resources/texts.h", '"停める"', '"止める"'),
    # --- the Earth view: layout, start-up, tick, buttons ---
    ("view button: constellations top", "earth_view/frmtendo_layout.cpp",
     "txt::kHideStars, 360, 6960, 1100, 350}", "txt::kHideStars, 360, 6690, 1100, 350}"),
    ("view labels: font", "earth_view/frmtendo_layout.cpp",
     "l->setFont(looks::PGothic(7.5));", "l->setFont(looks::PGothic(9));"),
    ("view stacking: Sun over Moon", "earth_view/frmtendo_layout.cpp",
     "{picMon2, picSun2, picVns2", "{picSun2, picMon2, picVns2"),
    ("view: Earth picture shown", "earth_view/frmtendo_layout.cpp",
     "looks::kEarthPicture, false,", "looks::kEarthPicture, true,"),
    ("view: sky circle colour", "earth_view/frmtendo_layout.cpp",
     "{std::nullopt, looks::kSkyCircle},", "{std::nullopt, looks::kEcliptic},"),
    ("view load: constellations from the width", "earth_view/frmtendo.cpp",
     "imgTendo->setWidth(height + 700);", "imgTendo->setWidth(width + 700);"),
    ("view load: radius from the sky circle", "earth_view/frmtendo.cpp",
     "Hankei = double(shpKodo->Width()) / 2;", "Hankei = double(shpTenku->Width()) / 2;"),
    ("view tick: Earth's y from its x", "earth_view/frmtendo.cpp",
     "EthY2 = CentreY(main_.picEth);", "EthY2 = CentreX(main_.picEth);"),
    ("view tick: outer planets follow Saturn", "earth_view/frmtendo.cpp",
     "if (main_.picJup->Visible()) {", "if (main_.picSat->Visible()) {"),
    ("view tick: tail from its start", "earth_view/frmtendo.cpp",
     "X2w = double(main_.LinTail->X2());", "X2w = double(main_.LinTail->X1());"),
    ("view stop: main motion goes on", "earth_view/frmtendo.cpp", "        main_.SetMotion(false);\n", ""),
    ("view stop: Earth's label not shown", "earth_view/frmtendo.cpp", "        lblEth2->setVisible(true);\n", ""),
    ("view move: ecliptic kept", "earth_view/frmtendo.cpp",
     "        main_.SetMotion(true);\n        shpKodo->setVisible(false);\n",
     "        main_.SetMotion(true);\n"),
    ("view constellations: Earth picture x", "earth_view/frmtendo.cpp",
     "Width()) / 2 + 20);", "Width()) / 2 + 7);"),
    ("view close: scale hidden while stopped", "earth_view/frmtendo.cpp",
     "if (main_.Running())\n        HideMainScale();", "HideMainScale();"),
    # --- the control model and its backends ---
    ("model: a move of the top alone is lost", "controls/control.cpp",
     "if (l == l_ && t == t_ && w == w_ && h == h_)", "if (l == l_ && w == w_ && h == h_)"),
    ("model: a resize of one side is lost", "controls/form.cpp",
     "if (widthTwips == scaleW_ && heightTwips == scaleH_)", "if (widthTwips == scaleW_ || heightTwips == scaleH_)"),
    ("model: windowless stacking numbered on", "controls/form.cpp",
     "    z = 0;\n    for (Control* c : windowlessTopToBottom)", "    for (Control* c : windowlessTopToBottom)"),
    ("model: a stopped timer fires", "controls/timer.h",
     "        if (interval_ != 0)\n            handler_();", "        handler_();"),
    ("headless: dots rounded", "controls/headless.cpp",
     "const double fx = std::floor(px), fy = std::floor(py);", "const double fx = std::round(px), fy = std::round(py);"),
    ("stacking reversed within a layer", "controls/rules.cpp",
     "return a->ZIndex() > b->ZIndex();", "return a->ZIndex() < b->ZIndex();"),
    ("layers swapped", "controls/rules.cpp",
     "return a->layer() == Layer::Windowless;", "return a->layer() == Layer::Windowed;"),
    ("qt: hidden controls stay shown", "qt/peers.cpp",
     "w->setVisible(model.Visible());", "w->setVisible(true);"),
    ("qt: bold ignored", "qt/peers.cpp", "font.setBold(f.bold);", "font.setBold(false);"),
    ("clock: a joining timer keeps its own phase", "controls/clock.cpp",
     "if (other != &timer && s.interval == interval && interval > 0) {",
     "if (other != &timer && s.interval == interval && interval < 0) {"),
    ("clock: joining a beat too close", "controls/clock.cpp",
     "while (2 * (due - now_) < interval)", "while (due < now_)"),
    ("clock: the later-made timer fires first", "controls/clock.cpp",
     "timer->Order() < next->Order()", "timer->Order() > next->Order()"),
    ("clock: idle time passes a due time", "controls/clock.cpp",
     "next < 0 ? ms : std::min(ms, next)", "ms"),
    ("qt: a click's timer starts from the last wake-up", "qt/backend.cpp",
     "    if (!firing_)\n        synced_ += clock_.Idle(", "    if (firing_)\n        synced_ += clock_.Idle("),
    ("qt: a held Enter presses again on each repeat", "qt/peers.cpp",
     "void ButtonWidget::keyPressEvent(QKeyEvent* e) {\n    if (HeldKeyRepeat(e)) {",
     "void ButtonWidget::keyPressEvent(QKeyEvent* e) {\n    if (HeldKeyRepeat(e) && false) {"),
    ("qt: the keypad's Enter is not Enter", "qt/peers.cpp",
     "        HeldModifiers(e) == Qt::NoModifier) {", "        e->modifiers() == Qt::NoModifier) {"),
    ("qt: the wake-up stays armed with nothing to run", "qt/backend.cpp",
     "    if (due < 0) {\n        wake_.stop();", "    if (due < 0) {\n        wake_.start(0);"),
]


def run(cmd, timeout):
    return subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout).returncode


def check(faults):
    """Each fault's text occurs exactly once in its file; prints those that do not."""
    stale = 0
    for number, (name, path, find, _) in enumerate(faults, 1):
        p = Path(path)
        count = p.read_text(encoding="utf-8").count(find) if p.is_file() else 0
        if count != 1:
            where = f"found {count} times in" if p.is_file() else "no such file:"
            print(f"STALE    {number}. {name}: text {where} {path}")
            stale += 1
    print(f"{len(faults) - stale} of {len(faults)} faults apply")
    return 1 if stale else 0


def main():
    if sys.argv[1:2] == ["--check"]:
        args = sys.argv[2:]
        sys.exit(check(runpy.run_path(args[0])["FAULTS"] if args else FAULTS))
    build = sys.argv[1]
    args = sys.argv[2:]
    faults = FAULTS
    if args and args[0].endswith(".py"):
        faults = runpy.run_path(args.pop(0))["FAULTS"]
    first = int(args[0]) if args else 1
    last = int(args[1]) if len(args) > 1 else len(faults)
    caught = survived = skipped = 0
    for number, (name, path, find, replace) in enumerate(faults, 1):
        if not first <= number <= last:
            continue
        name = f"{number}. {name}"
        p = Path(path)
        text = p.read_text(encoding="utf-8")
        if text.count(find) != 1:
            print(f"SKIP     {name}: text found {text.count(find)} times in {path}", flush=True)
            skipped += 1
            continue
        p.write_text(text.replace(find, replace), encoding="utf-8")
        start = time.time()
        try:
            if run(["nice", "cmake", "--build", build], 1800) != 0:
                print(f"SKIP     {name}: does not build", flush=True)
                skipped += 1
                continue
            try:
                failed = run(["ctest", "--test-dir", build, "-LE", "soak", "-j2", "--timeout", "60",
                             "--stop-on-failure"], 900) != 0
            except subprocess.TimeoutExpired:
                failed = True
            verdict = "CAUGHT  " if failed else "SURVIVED"
            caught += failed
            survived += not failed
            print(f"{verdict} {name} ({time.time() - start:.0f} s)", flush=True)
        finally:
            p.write_text(text, encoding="utf-8")
    run(["nice", "cmake", "--build", build], 1800)
    print(f"{caught} caught, {survived} survived, {skipped} not applicable")


if __name__ == "__main__":
    main()
