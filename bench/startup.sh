#!/usr/bin/env bash
# Start-up of the game against a bare Qt window, side by side under one Xvfb
# server, the two programs taking turns.
#
#   bench/startup.sh [BUILD]      BUILD: a build folder configured with
#                                 -DNOMILO_BUILD_BENCHMARKS=ON (default: build-bench)
#   Environment: RUNS, timed runs of each program (default 15), after one
#   warm-up run of each; BEFORE, another build's nomilo, to compare the game
#   with (the build before a change, say).
#
# For each run, startup_probe (bench/startup_probe.cpp) launches the program
# and reports the time until its window is mapped, the time until its first
# complete frame (the X server's last drawing into the window before a quiet
# spell), and the peak resident memory 1 s after mapping. The game runs from a
# copy of the build folder's layout with the shipped data files, in English
# (the C locale) and translated (German). The script prints each run, then
# medians, ranges and the ratios: the game to the bare window, the translated
# game to the English one, and the game to BEFORE.

set -uo pipefail
export LC_ALL=C

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
build=${1:-$repo/build-bench}
runs=${RUNS:-15}

die() { echo "startup.sh: $*" >&2; exit 2; }

for program in "$build/nomilo" "$build/bench/nomilo_minimal_window" "$build/bench/startup_probe"; do
    [[ -x $program ]] || die "no $program (configure with -DNOMILO_BUILD_BENCHMARKS=ON and build)"
done
command -v Xvfb >/dev/null || die "Xvfb is needed (package xvfb)"
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive number"

work=$(mktemp -d "${TMPDIR:-/tmp}/nomilo-startup.XXXXXX") || die "no temporary folder"
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/game/database"
cp "$build/nomilo" "$work/game/"
cp "$repo/database/data.txt" "$repo/database/hscores.txt" "$work/game/database/"
cp "$build/bench/nomilo_minimal_window" "$work/"
declare -A program=([game]=$work/game/nomilo [bare]=$work/nomilo_minimal_window [german]=$work/game/nomilo)
declare -A locale=([german]=de_DE.UTF-8)
if [[ -n ${BEFORE:-} ]]; then
    mkdir -p "$work/before"
    cp "$BEFORE" "$work/before/nomilo" && ln -s ../game/database "$work/before/database" || die "no $BEFORE"
    program[before]=$work/before/nomilo
fi

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

measure() { # which [label]
    local line
    line=$(LC_ALL=${locale[$1]:-C} LANGUAGE= "$build/bench/startup_probe" "${program[$1]}" 2>>"$work/probe.log") \
        || die "$1 could not be measured: $(tail -n 3 "$work/probe.log")"
    [[ -n ${2:-} ]] && echo "$line" >>"$work/$1.txt"
    read -r map frame kib <<<"$line"
    printf '  %-7s %-5s %7.1f ms mapped  %7.1f ms complete frame  %6.1f MiB peak\n' \
        "${2:-warm-up}" "$1" "$(bc -l <<<"$map / 1000")" "$(bc -l <<<"$frame / 1000")" "$(bc -l <<<"$kib / 1024")"
}

which=(game bare german ${BEFORE:+before})
echo "Display $DISPLAY; one warm-up run, then $runs timed runs of each program, taking turns: ${which[*]}"
for one in "${which[@]}"; do measure "$one"; done
for ((i = 1; i <= runs; i++)); do
    # Each program in turn, the order turned round every other run.
    order=("${which[@]}")
    ((i % 2)) || order=($(printf '%s\n' "${which[@]}" | tac))
    for one in "${order[@]}"; do measure "$one" "run $i"; done
done

# column file divisor -> "median min max"
stats() {
    awk -v c="$1" -v d="$3" '{ print $c / d }' "$2" | sort -n | awk '
        { v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR] }'
}
row() { # label column divisor target unit [program yardstick]
    read -r gm gmin gmax <<<"$(stats "$2" "$work/${6:-game}.txt" "$3")"
    read -r bm bmin bmax <<<"$(stats "$2" "$work/${7:-bare}.txt" "$3")"
    awk -v l="$1" -v gm="$gm" -v gmin="$gmin" -v gmax="$gmax" -v bm="$bm" -v bmin="$bmin" -v bmax="$bmax" \
        -v t="$4" -v u="$5" 'BEGIN {
        r = gm / bm
        printf "%-22s %7.1f %s (%.1f-%.1f)  %7.1f %s (%.1f-%.1f)  %5.2f  %5.2f  %s\n", l, gm, u, gmin, gmax,
               bm, u, bmin, bmax, r, t, r <= t ? "met" : "NOT met"
    }'
}
echo
echo "Medians of $runs runs (range)   game                      bare window            ratio  target"
row "launch to mapped" 1 1000 1.20 ms
row "launch to full frame" 2 1000 1.15 ms
row "peak memory" 3 1024 1.08 MiB
echo
echo "Medians of $runs runs (range)   translated (German)       English                ratio  target"
row "launch to mapped" 1 1000 1.05 ms german game
row "launch to full frame" 2 1000 1.05 ms german game
row "peak memory" 3 1024 1.05 MiB german game
if [[ -n ${BEFORE:-} ]]; then
    echo
    echo "Medians of $runs runs (range)   game                      before                 ratio  target"
    row "launch to mapped" 1 1000 1.03 ms game before
    row "launch to full frame" 2 1000 1.03 ms game before
    row "peak memory" 3 1024 1.03 MiB game before
fi
