#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Puts realistic faults into the code one at a time and runs the fast tests against each.

A fault the tests do not notice is a gap in the tests (or a harmless change: say why).
Usage: tools/mutants.py BUILD_DIR [LIST.py]   (from the project root; default list below)
The build directory must be configured; each fault is built incrementally, tested with
`ctest -LE soak`, and undone before the next.
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
    ("NaN moves to 0", "controls/twips.h", "    if (std::isnan(v))\n        return current;", "    if (std::isnan(v))\n        return 0.0f * current;"),
    ("dot rounded not floored", "qt/form.cpp",
     "dirty = QRect(int(std::floor(px)), int(std::floor(py)), 1, 1);",
     "dirty = QRect(int(std::round(px)), int(std::round(py)), 1, 1);"),
]


def run(cmd, timeout):
    return subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout).returncode


def main():
    build = sys.argv[1]
    faults = runpy.run_path(sys.argv[2])["FAULTS"] if len(sys.argv) > 2 else FAULTS
    caught = survived = skipped = 0
    for name, path, find, replace in faults:
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
                failed = run(["ctest", "--test-dir", build, "-LE", "soak", "-j2", "--timeout", "300"], 900) != 0
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
