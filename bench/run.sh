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
echo "beside a bare Qt program doing the same visible work (bench_baseline), run in turn, 3 times"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
runs=$(mktemp)
for i in 1 2 3; do
    for program in running baseline; do
        xvfb-run -a -s "-screen 0 1280x1024x24" $b/bench_$program 2>/dev/null |
            sed "s/^/$program: /" >>"$runs"
    done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
# Lines: "<program>: <phase>: <cpu> % of one core, peak memory <mib> MiB, anonymous <mib> MiB";
# medians of 3.
awk -F': ' '
    { split($3, f, " "); key = $2; cpu[$1, key] = cpu[$1, key] " " f[1]; mem[$1, key] = mem[$1, key] " " f[8]; anon[$1, key] = anon[$1, key] " " f[11]; keys[key] = 1 }
    function median(list,   a, n, i, j, t) {
        n = split(list, a, " ")
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return a[int((n + 1) / 2)]
    }
    END {
        for (k in keys) {
            p = median(cpu["running", k]); q = median(cpu["baseline", k])
            m = median(mem["running", k]); n = median(mem["baseline", k])
            a = median(anon["running", k]); b = median(anon["baseline", k])
            printf "%s: CPU %.1f %% of one core against %.1f %%: %.2f x; peak memory %.1f MiB against %.1f MiB: %.2f x; anonymous %.1f MiB against %.1f MiB\n", k, p, q, (q > 0 ? p / q : 0), m, n, (n > 0 ? m / n : 0), a, b
        }
    }' "$runs" | sort -r
rm -f "$runs"
