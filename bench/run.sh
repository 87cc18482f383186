#!/bin/bash

# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures the program on this machine: build with the release preset, then run each benchmark.
# Usage: bash bench/run.sh   (needs xvfb for the tick rate and CPU figures)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null && cmake --build --preset release >/dev/null
b=build/release/bench

echo "== machine"; nproc; grep -m1 'model name' /proc/cpuinfo || true; date -u +%F

echo "== core (orbit step, tick arithmetic)"
$b/bench_core --benchmark_min_time=0.5

echo "== window logic per tick on the headless backend (no toolkit)"
$b/bench_headless --benchmark_min_time=0.5

echo "== window tick with painting, offscreen platform"
QT_QPA_PLATFORM=offscreen $b/bench_window --benchmark_min_time=1

echo "== start to first painted frame (20 runs, offscreen and Xvfb)"
for platform in offscreen xcb; do
    runs=()
    for i in $(seq 20); do
        if [ $platform = xcb ]; then
            line=$(xvfb-run -a -s "-screen 0 1280x1024x24" $b/bench_startup 2>/dev/null)
        else
            line=$(QT_QPA_PLATFORM=offscreen $b/bench_startup 2>/dev/null)
        fi
        runs+=("$(echo "$line" | awk '{print $3}')")
    done
    printf '%s\n' "${runs[@]}" | sort -n | awk -v p=$platform '{a[NR]=$1} END {printf "%s: median %.1f ms, min %.1f, max %.1f\n", p, a[int((NR+1)/2)], a[1], a[NR]}'
done

echo "== tick rate at 40 ms over 10 s (Xvfb)"
xvfb-run -a -s "-screen 0 1280x1024x24" $b/bench_tick_rate 2>/dev/null

echo "== CPU share and peak memory while running at 25 ticks per second (Xvfb)"
xvfb-run -a -s "-screen 0 1280x1024x24" $b/bench_running 2>/dev/null
